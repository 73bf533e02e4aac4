// Next Day (F7) in the running main window, end to end: the leave-page
// check, the calendar-change handler, the page load (hymns or readings), the
// icon's decoding and the drawing of the window. Every day of a year in each
// view, New Calendar; for the whole switch and for each stage of the page
// load: median, 95th percentile and the slowest day, over the year and over
// the 60 days before Pascha (Lent and Holy Week). Also the start-up to the
// first page (the splash's own time left out), the readings text alone for
// every day, and the resident memory after start and after each year.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app_context.h"
#include "bible_reader.h"
#include "calendar/calendar.h"
#include "date_box.h"
#include "day_load_times.h"
#include "main_form.h"
#include "program_windows.h"
#include "readings_page.h"
#include "stored_values.h"
#include "silent_prompt.h"

namespace {

constexpr int kYear = 2026;

double Ms(qint64 nanoseconds) { return nanoseconds / 1e6; }

// Processor time of this thread: the machine is shared, and wall time also
// counts the time other programs had the processor.
double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// One day switch: the day shown afterwards and the times of its parts.
struct Switch {
  kal::DayNumber date = 0;
  bool lent = false;  // one of the 60 days before Pascha
  double whole = 0, processor = 0, text = 0, editor = 0, layout = 0, icon = 0;
};

std::string DateText(kal::DayNumber date) {
  const kal::YearMonthDay ymd = kal::DecodeDate(date);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
  return text;
}

void Figures(const char* what, const std::vector<Switch>& days, double Switch::*part, bool lentOnly) {
  std::vector<std::pair<double, kal::DayNumber>> times;
  for (const Switch& s : days)
    if (!lentOnly || s.lent) times.emplace_back(s.*part, s.date);
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 ? times[n / 2].first : (times[n / 2 - 1].first + times[n / 2].first) / 2;
  const double p95 = times[std::min(n - 1, (n * 95 + 99) / 100 - 1)].first;
  std::printf("    %-13s median %6.2f ms, 95%% %6.2f ms, slowest %6.2f ms (%s)\n", what, median, p95,
              times.back().first, DateText(times.back().second).c_str());
}

void Report(const char* view, const std::vector<Switch>& days) {
  for (bool lent : {false, true}) {
    std::size_t count = 0;
    for (const Switch& s : days) count += !lent || s.lent;
    std::printf("  F7 Next Day, %s view, %s (%zu days):\n", view,
                lent ? "Lent and Holy Week" : "a whole year", count);
    Figures("whole switch", days, &Switch::whole, lent);
    Figures("  processor", days, &Switch::processor, lent);
    Figures("readings text", days, &Switch::text, lent);
    Figures("editor load", days, &Switch::editor, lent);
    Figures("layout", days, &Switch::layout, lent);
    Figures("icon", days, &Switch::icon, lent);
  }
}

// Presses F7 through the year that follows the day shown; the page load
// records the times of its stages.
std::vector<Switch> StepThroughYear(kal::TMainForm& main, kal::TDateBox& dateBox) {
  std::vector<Switch> days;
  // KAL_BENCH_DAYS: fewer days, for a run under a profiler.
  const char* limit = std::getenv("KAL_BENCH_DAYS");
  const kal::DayNumber last =
      limit ? dateBox.Day().NewDate + std::atoi(limit) : kal::EncodeDate(kYear, 12, 31);
  while (dateBox.Day().NewDate < last) {
    QElapsedTimer clock;
    clock.start();
    const double processor = ThreadMs();
    QTest::keyClick(&main, Qt::Key_F7);
    QCoreApplication::processEvents();
    Switch s;
    s.whole = Ms(clock.nsecsElapsed());
    s.processor = ThreadMs() - processor;
    const kal::DayLoadTimes& stages = kal::LastDayLoadTimes();
    s.text = Ms(stages.text);
    s.editor = Ms(stages.editor);
    s.layout = Ms(stages.layout);
    s.icon = Ms(stages.icon);
    const kal::SelectedDay& day = dateBox.Day();
    s.date = day.NewDate;
    const int id = kal::ZacchaeusID(day);
    s.lent = id >= 77 - 60 && id < 77;
    days.push_back(s);
  }
  return days;
}

// The readings text alone for every day of the year, as the Bible readings
// view asks for it: the lectionary's share of the switch.
void ReadingsTextAlone() {
  std::vector<Switch> days;
  kal::BibleReader& reader = *kal::App().bibleReader;
  qsizetype characters = 0;
  QElapsedTimer year;
  year.start();
  for (kal::DayNumber date = kal::EncodeDate(kYear, 1, 1); date <= kal::EncodeDate(kYear, 12, 31); ++date) {
    const kal::SelectedDay selected = kal::MakeSelectedDay(date, kal::CalendarMode::New);
    QElapsedTimer clock;
    clock.start();
    const QString page = kal::DailyReadingsText(reader, selected, kal::CalendarMode::New, false);
    Switch s;
    s.text = Ms(clock.nsecsElapsed());
    s.date = date;
    days.push_back(s);
    characters += page.size();
  }
  std::printf("  readings text alone, every day of %d (%lld characters): %.1f ms in all (target < 500 ms, every day "
              "< 10 ms)\n",
              kYear, static_cast<long long>(characters), Ms(year.nsecsElapsed()));
  Figures("readings text", days, &Switch::text, false);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The offscreen platform complains about size hints on every switch.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.contains("propagateSizeHints")) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  QTemporaryDir settings;
  setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  const char* bin = std::getenv("KAL_BIN_DIR");
  SilentPrompt prompt;
  const kal::ScreenInfo screen;
  kal::AppContext context;
  // The program's folder: where the build puts the program, its libraries
  // and the Bible files.
  context.programFolder = bin ? QString::fromLocal8Bit(bin) : QCoreApplication::applicationDirPath() + "/../bin";
  context.prompt = &prompt;
  context.screen = &screen;
  // Copies are never written here; nothing should be found in build/bin.
  kal::SetApp(context);
  // The New Calendar, so that the year is the civil year.
  {
    QSettings store("Norwick", "Kalendra");
    store.setValue("Options/OldCalendar", "0");
  }

  // Start-up as the program runs it once the splash has gone: the windows
  // (the first page is loaded as the date selection window is made), then
  // the main window shown and drawn.
  QElapsedTimer startup;
  startup.start();
  kal::ProgramWindows windows = kal::CreateProgramWindows(QDate(kYear - 1, 12, 31));
  kal::TMainForm& main = *windows.main;
  // --no-index: every passage found by scanning its file, as before the
  // Bible reader kept an index (the first page above still used it).
  if (argc > 1 && std::string(argv[1]) == "--no-index") kal::App().bibleReader->SetIndexing(false);
  const double created = Ms(startup.nsecsElapsed());
  main.show();
  const bool exposed = QTest::qWaitForWindowExposed(&main);
  QCoreApplication::processEvents();
  const double firstPage = Ms(startup.nsecsElapsed());
  main.activateWindow();
  if (!QTest::qWaitForWindowActive(&main)) std::printf("main window not active; shortcuts may not act\n");
  std::printf("start-up to the first page: %.1f ms (windows and first page %.1f ms)%s (target < 200 ms)\n",
              firstPage, created, exposed ? "" : ", window never exposed");
  const double afterStart = ResidentMegabytes();
  std::printf("resident memory after start: %.1f MB\n", afterStart);
  if (main.Mode() != kal::CalendarMode::New) std::printf("not on the New Calendar: the year is the Julian one\n");

  const std::vector<Switch> hymns = StepThroughYear(main, *windows.dateBox);
  Report("troparia and kontakia", hymns);
  const double afterHymns = ResidentMegabytes();

  // Back to the last day of the year before, in the Bible readings view.
  QTest::keyClick(&main, Qt::Key_F9);
  windows.dateBox->SetGrid(kal::EncodeDate(kYear - 1, 12, 31), nullptr);
  QCoreApplication::processEvents();
  const std::vector<Switch> readings = StepThroughYear(main, *windows.dateBox);
  Report("Bible readings", readings);
  const double afterReadings = ResidentMegabytes();
  std::printf("  (targets: median < 8 ms and none > 16 ms in both views)\n");
  ReadingsTextAlone();
  std::printf("resident memory: %.1f MB after start, %.1f MB after a year of hymns (%+.1f MB), %.1f MB after a year of "
              "readings (%+.1f MB from the start; target within 10 MB)\n",
              afterStart, afterHymns, afterHymns - afterStart, afterReadings, afterReadings - afterStart);
  main.close();
  return 0;
}
