// Helpers of the readings-page tests that use the Bible files in the
// program's folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bible_reader.h"
#include "calendar/selected_day.h"
#include "daily_readings.h"

namespace kal::testing {

std::filesystem::path BinDir();

// The selected day of a date given on the calendar in force (a Julian date
// in Old Calendar mode).
SelectedDay DayOf(int year, int month, int day, CalendarMode mode);

// True when the reader has NewTstmt.dat of the folder open.
bool OnNewTestament(const BibleReader& reader, const std::filesystem::path& folder);

// The headings of the readings in a page: every line followed by a blank
// line and an indented paragraph of verse text.
std::vector<std::string> ReadingHeadings(std::string_view page);

// The text between the first `from` and the first `to` after it (to the
// end when `to` is empty or absent).
std::string_view Between(std::string_view page, std::string_view from, std::string_view to);

std::size_t Count(std::string_view text, std::string_view what);

}  // namespace kal::testing
