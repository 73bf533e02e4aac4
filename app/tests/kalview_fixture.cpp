#include "kalview_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTextEdit>

#include "date_box.h"
#include "main_form.h"
#include "stored_values.h"

namespace kal {

PromptAnswer ScriptedPrompt::Ask(PromptKind kind, const QString&, const QString& text, PromptButtons buttons,
                                 std::optional<QPoint> at) {
  asked.push_back({kind, text, buttons, at});
  if (answers.empty()) return PromptAnswer::Cancel;
  const PromptAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedPrompt::ChooseSaveFile(const QString&) {
  if (saveFiles.empty()) return {};
  const QString file = saveFiles.front();
  saveFiles.pop_front();
  return file;
}

QStringList ScriptedPrompt::Texts() const {
  QStringList texts;
  for (const AskedQuestion& question : asked) texts << question.text;
  return texts;
}

void KalviewTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  QSettings(kSettingsCompany, kSettingsProgram).clear();
  // The program's folder: the pack and the Bible files beside it, as in
  // build/bin (the linked libraries are found through the test's own path).
  const char* bin = std::getenv("KAL_BIN_DIR");
  ASSERT_NE(bin, nullptr) << "KAL_BIN_DIR must name build/bin";
  for (const char* file : {"XTRAPICS.so", "OldTstmt.dat", "NewTstmt.dat", "Apoc.dat"}) {
    const QString source = QDir(QString::fromLocal8Bit(bin)).filePath(file);
    if (QFile::exists(source)) QFile::link(source, folder_.filePath(file));
  }
  AppContext context;
  context.programFolder = folder_.path();
  context.prompt = &prompt_;
  context.screen = &screen_;
  SetApp(context);
}

void KalviewTest::TearDown() { Stop(); }

void KalviewTest::Start(QDate today) {
  windows_ = CreateProgramWindows(today);
  windows_.main->show();
  windows_.main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(windows_.main.get()));
}

void KalviewTest::Stop() {
  if (windows_.main) {
    windows_.main->close();
    windows_ = ProgramWindows();
  }
}

void KalviewTest::Store(const QString& key, const QString& value) {
  QSettings(kSettingsCompany, kSettingsProgram).setValue(key, value);
}

void KalviewTest::Press(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(windows_.main.get(), static_cast<Qt::Key>(key), modifiers);
}

QAction* KalviewTest::Item(const char* name) const { return windows_.main->Action(name); }
QTextEdit* KalviewTest::Editor() const { return windows_.main->Editor(); }
SelectedDay& KalviewTest::Day() const { return windows_.dateBox->Day(); }
CalendarMode KalviewTest::Mode() const { return windows_.main->Mode(); }
QString KalviewTest::DateBarText() const { return windows_.main->DateBar()->text(); }
QString KalviewTest::InfoBarText() const { return windows_.main->InfoBar()->text(); }
QString KalviewTest::StatusText() const { return windows_.main->StatusPanel(1)->text(); }

YearMonthDay KalviewTest::ShownDate() const {
  const SelectedDay& day = Day();
  if (Mode() == CalendarMode::Old) return {day.OldYear - OldCalendarRange::kShift, day.OldMonth, day.OldDay};
  return {day.NewYear, day.NewMonth, day.NewDay};
}

}  // namespace kal
