// Next Day (F7) in the running main window, end to end: the leave-page
// check, the calendar-change handler, the page load (hymns or readings) and
// the icon's decoding. Median and slowest of 60 consecutive days per view.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_context.h"
#include "bible_reader.h"
#include "calendar/calendar.h"
#include "date_box.h"
#include "readings_page.h"
#include "main_form.h"
#include "program_windows.h"
#include "stored_values.h"

namespace {

class SilentPrompt : public kal::Prompt {
 public:
  kal::PromptAnswer Ask(kal::PromptKind, const QString&, const QString&, kal::PromptButtons,
                        std::optional<QPoint>) override {
    return kal::PromptAnswer::Cancel;
  }
  QString ChooseSaveFile(const QString&) override { return {}; }
};

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const double median = (times[29] + times[30]) / 2;
  std::printf("%s, 60 days: median %.2f ms, slowest %.2f ms\n", what, median, times.back());
}

// The readings page's text alone, for the same days, to tell the
// lectionary's share from the window's.
void MeasureReadingsText(const kal::SelectedDay& start) {
  std::vector<double> times;
  kal::BibleReader& reader = *kal::App().bibleReader;
  for (int day = 1; day <= 60; ++day) {
    const kal::SelectedDay selected =
        kal::MakeSelectedDay(start.NewDate + day, kal::CalendarMode::New);
    QElapsedTimer clock;
    clock.start();
    const QString page = kal::DailyReadingsText(reader, selected, kal::CalendarMode::Old, false);
    times.push_back(clock.nsecsElapsed() / 1e6);
    if (page.isEmpty()) std::printf("empty readings page\n");
  }
  Report("  of which the readings text alone", times);
}

void Measure(kal::TMainForm& main, const char* view) {
  std::vector<double> times;
  for (int day = 0; day < 60; ++day) {
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(&main, Qt::Key_F7);
    QCoreApplication::processEvents();
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  const double median = (sorted[29] + sorted[30]) / 2;
  std::printf("F7 Next Day, %s view, 60 days: median %.2f ms, slowest %.2f ms (targets: median < 15 ms, none > 50 ms)\n",
              view, median, sorted.back());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir settings;
  setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  const char* bin = std::getenv("KAL_BIN_DIR");
  SilentPrompt prompt;
  const kal::ScreenInfo screen;
  kal::AppContext context;
  context.programFolder = bin ? QString::fromLocal8Bit(bin) : QCoreApplication::applicationDirPath();
  context.prompt = &prompt;
  context.screen = &screen;
  // Copies are never written here; nothing should be found in build/bin.
  kal::SetApp(context);

  kal::ProgramWindows windows = kal::CreateProgramWindows(QDate(2021, 3, 1));
  kal::TMainForm& main = *windows.main;
  main.show();
  main.activateWindow();
  if (!QTest::qWaitForWindowActive(&main)) std::printf("main window not active; shortcuts may not act\n");
  Measure(main, "troparia and kontakia");
  QTest::keyClick(&main, Qt::Key_F9);
  const kal::SelectedDay start = windows.dateBox->Day();
  Measure(main, "Bible readings");
  MeasureReadingsText(start);
  main.close();
  return 0;
}
