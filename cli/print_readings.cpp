#include "print_readings.h"

#include "bible_reader.h"
#include "daily_readings.h"
#include "windows_1252.h"

namespace kalday {

std::string ReadingsText(const DayContext& context, const std::filesystem::path& programFolder,
                         bool* missingFile) {
  kal::BibleReader reader(programFolder);
  reader.OpenBibleFile("NewTstmt.dat");  // where the desktop program's reader rests between pages
  kal::ReadingsOptions options;
  options.Mode = context.mode;
  options.VerseNumbers = context.options.verseNumbers;
  options.ProgramFolder = programFolder;
  const std::string page = kal::GetDailyReadings(reader, context.day, options);
  if (missingFile)
    *missingFile = page == kal::kNewTestamentMissing || page == kal::kOldTestamentMissing ||
                   page == kal::kApocryphaMissing;
  std::string text;
  text.reserve(page.size());
  for (char c : kal::Utf8FromWindows1252(page))
    if (c != '\r') text += c;
  return text;
}

int PrintReadingsText(const DayContext& context, const std::filesystem::path& programFolder, std::ostream& out) {
  bool missing = false;
  out << ReadingsText(context, programFolder, &missing) << "\n";
  return missing ? 1 : 0;
}

int WriteReadingsJson(const DayContext& context, const std::filesystem::path& programFolder, JsonWriter& json) {
  bool missing = false;
  json.Field("readings", ReadingsText(context, programFolder, &missing));
  return missing ? 1 : 0;
}

}  // namespace kalday
