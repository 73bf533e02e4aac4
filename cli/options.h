// kalday's command-line options. Every option is one row of the table in
// options.cpp: its name, its argument, its help text and how it is stored in
// Options. To add an option, add a field here and a row there.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/selected_day.h"

namespace kalday {

struct Options {
  std::optional<std::string> date;        // --date, as typed
  kal::CalendarMode mode = kal::CalendarMode::New;
  std::optional<std::string> modeOption;  // "--old" or "--new" once given
  bool json = false;
  std::optional<std::string> easterYear;  // --easter, as typed
  std::optional<std::vector<std::string>> passage;  // --passage FILE BOOK START END
  bool headings = false;                            // --headings
  bool verseNumbers = false;                        // --verse-numbers
  bool help = false;
  bool hymns = false;                     // --hymns
  std::optional<std::string> findSaint;   // --find-saint TEXT
  std::optional<std::string> reading;     // --reading KEY
  bool icon = false;                      // --icon
  bool readings = false;                  // --readings
  std::optional<std::string> iconOut;     // --icon-out FILE
  std::optional<std::vector<std::string>> ical;  // --ical FROM TO
  std::optional<std::string> output;      // --output FILE
  std::optional<std::string> from;        // --from YYYY-MM-DD
  std::optional<std::string> to;          // --to YYYY-MM-DD
};

struct OptionEntry {
  std::string_view name;      // "--date"
  std::string_view argument;  // "YYYY-MM-DD"; empty for a flag
  std::string_view help;
  // Stores the option; returns an error text, empty when all is well.
  std::string (*apply)(Options& options, const std::string& value);
  // How many words the argument takes; apply gets them one per line.
  int words = 1;
};

std::span<const OptionEntry> OptionTable();

struct ParsedOptions {
  Options options;
  std::string error;  // one line, empty on success
};

// Accepts "--name value" and "--name=value".
ParsedOptions ParseOptions(const std::vector<std::string>& args);

void PrintHelp(std::ostream& out);

}  // namespace kalday
