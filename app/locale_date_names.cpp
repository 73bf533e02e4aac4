#include "locale_date_names.h"

#include "windows_1252.h"

namespace kal {
namespace {

// Qt counts Monday as 1 and Sunday as 7; the calendar counts Sunday as 1.
int QtWeekday(int weekday) { return weekday == 1 ? 7 : weekday - 1; }

std::string InCodePage(const std::string& name, const std::string& english) {
  return Windows1252FromUtf8(name).value_or(english);
}

}  // namespace

std::string LocaleDateNames::MonthName(int month) const {
  return Locale().monthName(month, QLocale::LongFormat).toStdString();
}

std::string LocaleDateNames::WeekdayName(int weekday) const {
  return Locale().dayName(QtWeekday(weekday), QLocale::LongFormat).toStdString();
}

std::string LocaleDateNames::StandaloneMonthName(int month) const {
  return Locale().standaloneMonthName(month, QLocale::LongFormat).toStdString();
}

std::string PageDateNames::MonthName(int month) const {
  return InCodePage(names_.MonthName(month), EnglishDateNames().MonthName(month));
}

std::string PageDateNames::WeekdayName(int weekday) const {
  return InCodePage(names_.WeekdayName(weekday), EnglishDateNames().WeekdayName(weekday));
}

std::string PageDateNames::StandaloneMonthName(int month) const {
  return InCodePage(names_.StandaloneMonthName(month), EnglishDateNames().StandaloneMonthName(month));
}

const DateNames& ProgramDateNames() {
  static const LocaleDateNames names;
  return names;
}

const DateNames& ProgramPageDateNames() {
  static const PageDateNames names(ProgramDateNames());
  return names;
}

}  // namespace kal
