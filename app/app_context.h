// What the windows take from their surroundings: the program's folder, the
// prompt for message boxes, the screen, and the test of whether a folder can
// be written. The program fills it from the real system; tests set their own.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
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

// The folder where a new personalised copy is written: the program's folder
// when it can be written, else the per-user data folder.
QString PersonalCopyFolder();

// The per-user data folder for copies.
QString UserCopyFolder();

// The copy of a page (date key, view) to show: the one in the per-user data
// folder, else the one in the program's folder, else (no copy yet) the path
// a new copy is written to. Looking in both places keeps a copy in sight
// whichever way the program folder's permissions change.
QString FindPersonalCopy(uint16_t dateKey, bool troparion);

// Where saving the copy shown from shownPath writes: the same file when its
// folder can be written, else the same name in the per-user data folder
// (which is then the copy found first).
QString PersonalCopySaveTarget(const QString& shownPath);

}  // namespace kal
