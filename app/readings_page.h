// The day's Bible readings page as plain text, from the lectionary.
#pragma once

#include <QString>

#include "calendar/selected_day.h"

namespace kal {

QString DailyReadingsText(const SelectedDay& day, CalendarMode mode, bool verseNumbers);

}  // namespace kal
