#include "date_lists.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "calendar/selected_day.h"
#include "locale_date_names.h"

namespace kal {

namespace {

QString ShortLimit(int year, int month, int day) {
  static const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return QString("%1 %2, %3").arg(kShortMonths[month - 1]).arg(day).arg(year);
}

void PrepareList(QComboBox& list) {
  list.clear();
  list.setEditable(false);
  list.setMaxVisibleItems(12);
  // Styles that open a fixed list as a menu-like popup ignore the row count
  // and show as many rows as the screen holds; the plain list honours it.
  list.setStyleSheet("QComboBox { combobox-popup: 0; }");
}

}  // namespace

QString GoToDateRangeMessage() {
  return QString("Date must be between %1 and %2.")
      .arg(ShortLimit(kFirstListYear, 1, 1), ShortLimit(kLastListYear, 12, 31));
}

QString PrintRangeDateMessage() {
  return QString("Date must be between %1 and %2.")
      .arg(ShortLimit(kFirstListYear, 1, 1), ShortLimit(kLastListYear, 12, 30));
}

void FillMonthList(QComboBox& list) {
  PrepareList(list);
  for (int month = 1; month <= 12; ++month) {
    list.addItem(QString::fromStdString(ProgramDateNames().StandaloneMonthName(month)));
  }
}

void FillDayList(QComboBox& list) {
  PrepareList(list);
  for (int day = 1; day <= 31; ++day) list.addItem(QString::number(day));
}

void FillYearList(QComboBox& list) {
  PrepareList(list);
  for (int year = kFirstListYear; year <= kLastListYear; ++year) list.addItem(QString::number(year));
}

YearMonthDay ListDate(const QComboBox& month, const QComboBox& day, const QComboBox& year) {
  return {year.currentIndex() + kFirstListYear, month.currentIndex() + 1, day.currentIndex() + 1};
}

void SelectListDate(QComboBox& month, QComboBox& day, QComboBox& year, const YearMonthDay& date) {
  month.setCurrentIndex(date.month - 1);
  day.setCurrentIndex(date.day - 1);
  year.setCurrentIndex(date.year - kFirstListYear);
}

bool IsValidListDate(const YearMonthDay& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  switch (date.month) {
    case 2: return date.day <= (IsLeapYear(static_cast<std::uint16_t>(date.year)) ? 29 : 28);
    case 4:
    case 6:
    case 9:
    case 11: return date.day <= 30;
    default: return date.day <= 31;
  }
}

bool YearInLists(int year) { return year >= kFirstListYear && year <= kLastListYear; }

YearMonthDay ActiveListDate(const SelectedDay& day, CalendarMode mode) {
  if (mode == CalendarMode::Old) return {day.OldYear - OldCalendarRange::kShift, day.OldMonth, day.OldDay};
  return {day.NewYear, day.NewMonth, day.NewDay};
}

DayNumber GridDateOf(const YearMonthDay& date, CalendarMode mode) {
  const int shift = mode == CalendarMode::Old ? OldCalendarRange::kShift : 0;
  return EncodeDate(date.year + shift, date.month, date.day);
}

void AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
  auto* ok = new QPushButton("OK", &dialog);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", &dialog);
  cancel->setObjectName("CancelBtn");
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);  // Esc as well, by QDialog
  layout.addWidget(ok);
  layout.addWidget(cancel);
}

}  // namespace kal
