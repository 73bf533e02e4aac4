// The program's windows in a test: a temporary program folder with the
// libraries and Bible files of build/bin, an empty settings store, a screen
// of a chosen size and a prompt that answers as the test says.
#pragma once

#include <QDate>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

#include "app_context.h"
#include "calendar/calendar.h"
#include "program_windows.h"

class QAction;
class QLabel;
class QTextEdit;

namespace kal {

class TDateBox;
class TMainForm;

struct AskedQuestion {
  PromptKind kind;
  QString text;
  PromptButtons buttons;
  std::optional<QPoint> at;
};

class ScriptedPrompt : public Prompt {
 public:
  std::deque<PromptAnswer> answers;  // given in turn; Cancel when none is left
  std::deque<QString> saveFiles;     // answers of the save dialog
  std::vector<AskedQuestion> asked;
  PromptAnswer Ask(PromptKind kind, const QString&, const QString& text, PromptButtons buttons,
                   std::optional<QPoint> at) override;
  QString ChooseSaveFile(const QString&) override;
  QStringList Texts() const;
};

class TestScreen : public ScreenInfo {
 public:
  QSize size{1280, 800};
  QSize Size() const override { return size; }
};

class KalviewTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the windows as the program does, with today as given, and shows
  // the main window active.
  void Start(QDate today = QDate(2021, 1, 7));
  void Stop();
  // Writes an option before Start.
  static void Store(const QString& key, const QString& value);

  // A key pressed in the active main window.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  QAction* Item(const char* name) const;
  QTextEdit* Editor() const;
  SelectedDay& Day() const;
  CalendarMode Mode() const;
  QString DateBarText() const;
  QString InfoBarText() const;
  QString StatusText() const;
  // The date on the calendar in force as year, month, day (Julian on the Old
  // Calendar).
  YearMonthDay ShownDate() const;
  QString Folder() const { return folder_.path(); }
  QString CopyPath(const char* name) const { return folder_.path() + "/" + name; }

  QTemporaryDir folder_;
  ScriptedPrompt prompt_;
  TestScreen screen_;
  ProgramWindows windows_;
};

}  // namespace kal
