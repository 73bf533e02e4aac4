// The icon panel's state without its widgets: which key is on display, its
// picture and caption, whether Show Next Icon is offered, and the panel's
// size for the screen. The main window mirrors this state into its panel.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string>

#include "icon_choice.h"
#include "icon_libraries.h"
#include "jpeg_decoder.h"

namespace kal {

// What the day loader knows of the selected day.
struct IconDay {
  uint16_t dayKey = 0;       // month * 100 + day on the calendar in force
  bool hasIcon = false;      // HasIcon of the selected day
  SubstituteFn substitute;   // SubstituteIconKey for the selected day
};

// The icon's displayed size: round(w * fw) wide, round(h * fh) high, by the
// screen's height (ties to even).
QSize ScaleIcon(QSize picture, int screenHeight);

class IconDisplay {
 public:
  IconDisplay(const IconLibraries& libraries, TJPEGStreamDecompressor& decoder);

  // Shows the day's icon (next = false) or the one after the icon on
  // display (next = true). key is updated to the key chosen. Returns false
  // when nothing had to be loaded (the key is already on display and force
  // is not set). Throws EDLLLoadError or EJPEGError; then the icon on
  // display is unchanged.
  bool ShowDayIcon(uint16_t& key, bool next, bool force, const IconDay& day);

  uint16_t ShownIconKey() const { return shownKey_; }
  void SetShownIconKey(uint16_t key) { shownKey_ = key; }
  bool NextIconShown() const { return nextIconShown_; }
  const QImage& Picture() const { return picture_; }
  const std::string& Caption() const { return caption_; }

  // Whether the pack is in the program's folder and holds key + 10000.
  bool SecondIconExists(uint16_t key) const { return libraries_.SecondIconExists(key); }

 private:
  const IconLibraries& libraries_;
  TJPEGStreamDecompressor& decoder_;
  uint16_t shownKey_ = 0;
  bool nextIconShown_ = false;
  QImage picture_;
  std::string caption_;
};

}  // namespace kal
