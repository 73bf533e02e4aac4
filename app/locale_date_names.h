// Long month and weekday names of the user's locale, for the date texts.
#pragma once

#include <QLocale>
#include <optional>

#include "calendar/date_names.h"

namespace kal {

// The names in UTF-8, as the locale writes them inside a date (Russian
// "ноября", not the heading "ноябрь"); the standalone month is the heading
// form. Without a locale of its own it follows QLocale() at each call.
class LocaleDateNames : public DateNames {
 public:
  LocaleDateNames() = default;
  explicit LocaleDateNames(const QLocale& locale) : locale_(locale) {}
  std::string MonthName(int month) const override;
  std::string WeekdayName(int weekday) const override;
  std::string StandaloneMonthName(int month) const override;

 private:
  QLocale Locale() const { return locale_.value_or(QLocale()); }
  std::optional<QLocale> locale_;
};

// The same names as Windows-1252 bytes, for the readings page, which is
// built in the Bible files' code page. A name the code page cannot write
// stays English rather than turning into wrong letters.
class PageDateNames : public DateNames {
 public:
  explicit PageDateNames(const DateNames& names) : names_(names) {}
  std::string MonthName(int month) const override;
  std::string WeekdayName(int weekday) const override;
  std::string StandaloneMonthName(int month) const override;

 private:
  const DateNames& names_;
};

const DateNames& ProgramDateNames();
const DateNames& ProgramPageDateNames();

}  // namespace kal
