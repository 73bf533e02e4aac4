#include "print_icon.h"

#include <QString>
#include <fstream>

#include "calendar/day_designation.h"
#include "icon_choice.h"
#include "icon_libraries.h"

namespace kalday {
namespace {

// Captions are 8-bit (Latin-1) text; kalday prints UTF-8.
std::string Utf8(const std::string& latin1) {
  return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())).toStdString();
}

bool WritePicture(const DayIcon& icon, const std::optional<std::string>& file, std::ostream& err) {
  if (!file) return true;
  std::ofstream out(*file, std::ios::binary | std::ios::trunc);
  out.write(icon.jpeg.data(), static_cast<std::streamsize>(icon.jpeg.size()));
  if (out.good()) return true;
  err << "kalday: cannot write " << *file << "\n";
  return false;
}

}  // namespace

DayIcon ChooseIcon(const DayContext& context, const std::filesystem::path& folder) {
  const kal::IconLibraries libraries(folder.string());
  const std::uint16_t dayKey = kal::DateKey(context.day, context.mode);
  const kal::SelectedDay& day = context.day;
  const kal::SubstituteFn substitute = [&day](std::uint16_t key) { return kal::SubstituteIconKey(day, key); };
  const kal::SecondIconFn second = [&libraries](std::uint16_t key) { return libraries.SecondIconExists(key); };
  const bool hasIcon =
      kal::DayHasIcon(dayKey, substitute, [&libraries](std::uint16_t key) { return libraries.BaseHas(key); });
  DayIcon icon;
  icon.packPresent = libraries.PackPresent();
  icon.cycle = kal::IconCycle(dayKey, hasIcon, icon.packPresent, substitute, second);
  icon.key = icon.cycle.front();
  if (std::optional<kal::IconPicture> picture = libraries.Fetch(icon.key)) {
    icon.caption = picture->caption;
    icon.jpeg.assign(picture->jpeg.constData(), static_cast<std::size_t>(picture->jpeg.size()));
  }
  return icon;
}

int PrintIconText(const DayContext& context, const std::filesystem::path& folder, std::ostream& out,
                  std::ostream& err) {
  DayIcon icon;
  try {
    icon = ChooseIcon(context, folder);
  } catch (const kal::EDLLLoadError& e) {
    err << "kalday: " << e.what() << "\n";
    return 1;
  }
  out << "Icon key: " << icon.key << "\n";
  out << "Caption: " << Utf8(icon.caption) << "\n";
  out << "Icon cycle:";
  for (std::uint16_t key : icon.cycle) out << " " << key;
  out << (icon.cycle.size() > 1 ? " (Show Next Icon)" : " (no next icon)") << "\n";
  return WritePicture(icon, context.options.iconOut, err) ? 0 : 1;
}

int WriteIconJson(const DayContext& context, const std::filesystem::path& folder, JsonWriter& json,
                  std::ostream& err) {
  DayIcon icon;
  json.Key("icon");
  try {
    icon = ChooseIcon(context, folder);
  } catch (const kal::EDLLLoadError& e) {
    err << "kalday: " << e.what() << "\n";
    json.Null();
    return 1;
  }
  json.BeginObject();
  json.Field("key", static_cast<unsigned>(icon.key));
  json.Field("caption", Utf8(icon.caption));
  json.Field("pictureBytes", static_cast<long long>(icon.jpeg.size()));
  json.Key("cycle").BeginArray();
  for (std::uint16_t key : icon.cycle) json.Number(key);
  json.EndArray();
  json.EndObject();
  return WritePicture(icon, context.options.iconOut, err) ? 0 : 1;
}

}  // namespace kalday
