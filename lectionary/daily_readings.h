// The daily Bible-readings page: the one entry point of the lectionary.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bible_reader.h"
#include "calendar/date_names.h"
#include "calendar/selected_day.h"
#include "day_values.h"

namespace kal {

inline constexpr const char* kNewTestamentMissing =
    "The file containing the New Testament readings, < NewTstmt.dat >, is damaged or missing from the "
    "application directory. Please replace the file or reinstall the Kalendra program.";
inline constexpr const char* kOldTestamentMissing =
    "The file containing the Old Testament readings, < OldTstmt.dat >, is damaged or missing from the "
    "application directory. Please replace the file or reinstall the Kalendra program.";
inline constexpr const char* kApocryphaMissing =
    "The file containing the Apocrypha readings, < Apoc.dat >, is damaged or missing from the application "
    "directory. Please replace the file or reinstall the Kalendra program.";

struct ReadingsOptions {
  CalendarMode Mode = CalendarMode::New;
  bool VerseNumbers = false;
  // Where the three Bible files lie; empty for the reader's own folder.
  std::filesystem::path ProgramFolder;
  const DateNames* Names = &EnglishDateNames();
  // Diagnostics: every reading looked up, with the file open at the time.
  std::vector<ReadingLookup>* Trace = nullptr;
};

// The page of the selected day (fully computed for the calendar in force):
// the day's name and, service by service, the heading and text of every
// reading, with CR LF line breaks, in the Bible files' code page. When a
// Bible file is missing from the program folder, empty or unreadable, the
// page is only the message for the first such file (New Testament, Old Testament, Apocrypha). Never
// throws; lookup failures stand in the page as error texts. The reader is
// left on NewTstmt.dat.
std::string GetDailyReadings(BibleReader& reader, const SelectedDay& day, const ReadingsOptions& options);

}  // namespace kal
