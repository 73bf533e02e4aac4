// Long month and weekday names of the user's locale, for the date texts.
#pragma once

#include "calendar/date_names.h"

namespace kal {

class LocaleDateNames : public DateNames {
 public:
  std::string MonthName(int month) const override;
  std::string WeekdayName(int weekday) const override;
};

const DateNames& ProgramDateNames();

}  // namespace kal
