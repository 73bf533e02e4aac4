#include "readings_page.h"

#include "daily_readings.h"
#include "locale_date_names.h"
#include "windows_1252.h"

namespace kal {

QString DailyReadingsText(BibleReader& reader, const SelectedDay& day, CalendarMode mode, bool verseNumbers) {
  ReadingsOptions options;
  options.Mode = mode;
  options.VerseNumbers = verseNumbers;
  options.ProgramFolder = reader.ProgramDirectory();
  options.Names = &ProgramDateNames();
  // The page comes in the Bible files' code page with CR LF line breaks.
  QString page = QString::fromStdString(Utf8FromWindows1252(GetDailyReadings(reader, day, options)));
  page.replace("\r\n", "\n");
  return page;
}

}  // namespace kal
