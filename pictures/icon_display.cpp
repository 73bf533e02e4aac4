#include "icon_display.h"

#include <QBuffer>
#include <cmath>

namespace kal {

QSize ScaleIcon(QSize picture, int h) {
  double fw, fh;
  if (h < 540) {
    fw = 0.75, fh = 0.8;
  } else if (h < 684) {
    fw = 1, fh = 1;
  } else if (h < 819) {
    fw = 1.28, fh = 1.28;
  } else if (h < 947) {
    fw = 1.44, fh = 1.45;
  } else if (h < 1112) {
    fw = 1.6, fh = 1.7066666;
  } else if (h < 1320) {
    fw = 2, fh = 2;
  } else {
    fw = 2.25, fh = 2.4;
  }
  // nearbyint rounds halves to even in the default rounding mode.
  return {static_cast<int>(std::nearbyint(picture.width() * fw)),
          static_cast<int>(std::nearbyint(picture.height() * fh))};
}

IconDisplay::IconDisplay(const IconLibraries& libraries, TJPEGStreamDecompressor& decoder)
    : libraries_(libraries), decoder_(decoder) {}

bool IconDisplay::ShowDayIcon(uint16_t& key, bool next, bool force, const IconDay& day) {
  const SecondIconFn second = [this](uint16_t k) { return libraries_.SecondIconExists(k); };
  if (next) {
    key = NextIconKey(day.dayKey, key, day.hasIcon, day.substitute, second);
  } else {
    const DayIconChoice choice =
        ChooseDayIcon(day.dayKey, day.hasIcon, libraries_.PackPresent(), day.substitute, second);
    key = choice.key;
    nextIconShown_ = choice.showNextIcon;
  }
  if (key == shownKey_ && !force) return false;
  std::optional<IconPicture> fetched = libraries_.Fetch(key);
  IconPicture picture = fetched ? std::move(*fetched) : IconPicture{};
  QBuffer stream(&picture.jpeg);
  stream.open(QIODevice::ReadOnly);
  QImage decoded;
  decoder_.Decode(stream, &decoded);
  picture_ = std::move(decoded);
  caption_ = std::move(picture.caption);
  shownKey_ = key;
  return true;
}

}  // namespace kal
