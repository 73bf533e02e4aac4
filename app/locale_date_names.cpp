#include "locale_date_names.h"

#include <QLocale>

namespace kal {

std::string LocaleDateNames::MonthName(int month) const {
  return QLocale().standaloneMonthName(month, QLocale::LongFormat).toStdString();
}

std::string LocaleDateNames::WeekdayName(int weekday) const {
  // Qt counts Monday as 1 and Sunday as 7; the calendar counts Sunday as 1.
  const int qtDay = weekday == 1 ? 7 : weekday - 1;
  return QLocale().standaloneDayName(qtDay, QLocale::LongFormat).toStdString();
}

const DateNames& ProgramDateNames() {
  static const LocaleDateNames names;
  return names;
}

}  // namespace kal
