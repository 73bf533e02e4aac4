// The day's Bible readings page as plain text, from the lectionary.
#pragma once

#include <QString>

#include "calendar/selected_day.h"

namespace kal {

class BibleReader;

// The page for the selected day, its line breaks made plain; reader is the
// program's one Bible reader (left on NewTstmt.dat).
QString DailyReadingsText(BibleReader& reader, const SelectedDay& day, CalendarMode mode, bool verseNumbers);

}  // namespace kal
