// What the windows take from their surroundings: the program's folder, the
// prompt for message boxes, the screen, and the test of whether a folder can
// be written. The program fills it from the real system; tests set their own.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

#include "prompt.h"

namespace kal {

class BibleReader;

// The screen's size in pixels, read each time it is needed.
class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  virtual QSize Size() const;  // the primary screen
  // The part of it that windows may cover: the primary screen less its
  // panels; a screen of another size (a test's) is all work area.
  virtual QRect WorkArea() const;
};

struct AppContext {
  QString programFolder;                           // the executable's folder, no trailing separator
  Prompt* prompt = nullptr;                        // message boxes and the save dialog
  const ScreenInfo* screen = nullptr;              // screen size for placement and icon scaling
  std::function<bool(const QString&)> folderWritable;  // default: the file system's answer
  BibleReader* bibleReader = nullptr;              // the one reader, owned by the Bible search window
};

// The context of the running program (set once at start-up, or by a test).
AppContext& App();
void SetApp(const AppContext& context);

// The folder where personalised copies live: the program's folder when it
// can be written, else the per-user data folder. Loading and saving both use
// this one rule, so a copy is always found where it was written.
QString PersonalCopyFolder();

}  // namespace kal
