// Pictures of the date selection window's month grid with its feast and fast
// marks: December on the Old calendar (the Nativity Fast and its Sundays),
// and the months of Great Lent and Holy Week in the year of the date given.
//   kalview_month_grid_screenshots PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD
// Run it under a display server (xvfb-run) with an empty settings store.
#include <QApplication>
#include <QTest>

#include "calendar/calendar.h"
#include "date_box.h"
#include "doc_tool_support.h"
#include "main_form.h"
#include "program_windows.h"

namespace {

void Shoot(kal::TDateBox& box, kal::DayNumber activeDate, const QString& path) {
  box.SetGrid(activeDate, nullptr);
  box.raise();
  QTest::qWait(300);
  box.grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kal::DocToolStart start;
  if (!start.Begin(argc, argv, "kalview_month_grid_screenshots")) return 2;
  kal::ProgramWindows windows = kal::CreateProgramWindows(start.date);
  if (!kal::ShowOverWorkingArea(*windows.main)) return 1;
  kal::TDateBox& box = *windows.dateBox;
  box.show();
  if (!QTest::qWaitForWindowExposed(&box)) return 1;
  const int year = start.date.year();
  const bool old = windows.main->Mode() == kal::CalendarMode::Old;
  const int shift = old ? kal::OldCalendarRange::kShift : 0;
  Shoot(box, kal::EncodeDate({year + shift, 12, 15}), start.out.filePath("month_grid_december.png"));
  // Great Lent runs from Clean Monday (Pascha - 48) to Holy Saturday.
  const kal::DayNumber pascha = kal::PaschaOfYear(year);
  for (kal::DayNumber d : {pascha - 48, pascha - 20, pascha - 3}) {
    kal::SelectedDay day = kal::MakeSelectedDay(d, kal::CalendarMode::New);
    const kal::DayNumber active = old ? day.OldDate : day.NewDate;
    const kal::YearMonthDay ymd = kal::DecodeDate(active);
    Shoot(box, active, start.out.filePath(QString("month_grid_lent_%1.png").arg(ymd.month, 2, 10, QChar('0'))));
  }
  return 0;
}
