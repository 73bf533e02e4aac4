#include "readings_page.h"

namespace kal {

// The daily readings assembly of the lectionary is not part of this build
// yet; until it is, the page says so plainly instead of showing readings.
QString DailyReadingsText(const SelectedDay&, CalendarMode, bool) {
  return "The daily Bible readings page is not available in this version of Kalendra.";
}

}  // namespace kal
