#include "options.h"

#include <algorithm>
#include <array>

namespace kalday {
namespace {

std::string SetMode(Options& o, kal::CalendarMode mode, const char* name) {
  if (o.modeOption && *o.modeOption != name) return "--old and --new cannot be used together";
  o.mode = mode;
  o.modeOption = name;
  return {};
}

constexpr std::array kOptions = std::to_array<OptionEntry>({
    {"--date", "YYYY-MM-DD",
     "The day to show, on the calendar chosen by --old or --new (default: today).",
     [](Options& o, const std::string& v) { o.date = v; return std::string(); }},
    {"--from", "YYYY-MM-DD",
     "With --to: print the page of every day from this one to --to (on the calendar chosen by --old "
     "or --new), one after another exactly as single runs print them; with --json, one array of "
     "their objects.",
     [](Options& o, const std::string& v) { o.from = v; return std::string(); }},
    {"--to", "YYYY-MM-DD", "The last day of a run begun with --from.",
     [](Options& o, const std::string& v) { o.to = v; return std::string(); }},
    {"--old", "",
     "Old (Julian) calendar: --date is a Julian date, and the day is named and its fasting "
     "rule found by the Julian month and day. Accepted from 1900-03-01 to 2084-02-28.",
     [](Options& o, const std::string&) { return SetMode(o, kal::CalendarMode::Old, "--old"); }},
    {"--new", "",
     "New (civil, Gregorian) calendar; the default. Dates from 1583-01-01 to 9999-12-31.",
     [](Options& o, const std::string&) { return SetMode(o, kal::CalendarMode::New, "--new"); }},
    {"--json", "",
     "Print one JSON object instead of text. Day keys: dateTitle, infoText, fastingText, tone, "
     "zacchaeusId, dateKey, newDate, julianDate, pascha, westernEaster, monthText, yearText, "
     "substituteIconKey. With --easter: westernEaster, pascha.",
     [](Options& o, const std::string&) { o.json = true; return std::string(); }},
    {"--easter", "YEAR",
     "Print the dates of Western Easter and of Pascha (Orthodox Easter) in YEAR, both on the "
     "civil calendar, Western Easter first. YEAR from 1583 to 9999.",
     [](Options& o, const std::string& v) { o.easterYear = v; return std::string(); }},
    {"--passage", "FILE BOOK START_CH:START_V END_CH:END_V",
     "Print Bible verses exactly as the program reads them. FILE is OldTstmt.dat, NewTstmt.dat "
     "or Apoc.dat in the program's folder (or the path of a file in their format), BOOK the "
     "book's index in that file from 0, then the first and the last verse, e.g. 3 3:16 3:16 "
     "for St John 3:16 in NewTstmt.dat. A range that cannot be read is reported and kalday "
     "exits with status 1.",
     [](Options& o, const std::string& v) {
       std::vector<std::string> words;
       for (std::size_t from = 0;;) {
         const auto end = v.find('\n', from);
         words.push_back(v.substr(from, end - from));
         if (end == std::string::npos) break;
         from = end + 1;
       }
       o.passage = std::move(words);
       return std::string();
     },
     4},
    {"--headings", "", "With --passage: a \"Chapter\" line before each chapter of a range that spans chapters.",
     [](Options& o, const std::string&) { o.headings = true; return std::string(); }},
    {"--verse-numbers", "", "With --passage or --readings: each verse begins with its number.",
     [](Options& o, const std::string&) { o.verseNumbers = true; return std::string(); }},
    {"--hymns", "",
     "Print the day's troparia and kontakia (the hymn library's document for the date key of "
     "the calendar in force) as plain text. JSON key: hymns.",
     [](Options& o, const std::string&) { o.hymns = true; return std::string(); }},
    {"--find-saint", "TEXT",
     "Find the next day after the chosen one whose saints match TEXT (case-insensitive, the "
     "match ending at a word boundary), wrapping round the year; print its date key mm/dd and "
     "its date in the same year of the calendar in force. Exit status 1 when no day matches. "
     "JSON key: findSaint (key, date; null when not found).",
     [](Options& o, const std::string& v) { o.findSaint = v; return std::string(); }},
    {"--icon", "",
     "Print the key and caption of the icon shown for the day (from ICONPACK, or from the day "
     "pack XTRAPICS.so when it is in the program's folder) and the keys Show Next Icon steps "
     "through. Exit status 1 when the day pack is there but cannot be loaded. JSON key: icon "
     "(key, caption, pictureBytes, cycle).",
     [](Options& o, const std::string&) { o.icon = true; return std::string(); }},
    {"--icon-out", "FILE", "With --icon: write the icon's JPEG bytes to FILE.",
     [](Options& o, const std::string& v) {
       if (v.empty()) return std::string("--icon-out needs a file name, not an empty one");
       o.iconOut = v;
       return std::string();
     }},
    {"--reading", "KEY",
     "Print one reading of the lectionary by its key, a day and a slot such as 133,V2 (day 133 "
     "of the cycle that starts on Zacchaeus Sunday, second Vespers reading) or 12/24,V5, read "
     "from the Bible file its section opens, with verse numbers. An unknown key is reported and "
     "kalday exits with status 2. JSON keys: key, reference, book, file, text.",
     [](Options& o, const std::string& v) { o.reading = v; return std::string(); }},
    {"--readings", "",
     "Print the day's Bible-readings page: the name of the day and, service by service, the "
     "heading and text of every reading appointed for it, as the Bible readings view shows it, "
     "read from the Bible files of the program's folder. Exit status 1 when one of them is "
     "missing, empty or unreadable (the page is then the message that says so). JSON key: readings.",
     [](Options& o, const std::string&) { o.readings = true; return std::string(); }},
    {"--ical", "FROM TO",
     "Write the days from FROM to TO (YYYY-MM-DD, both on the calendar chosen by --old or "
     "--new) as an iCalendar file for a calendar program: one all-day event a day on its civil "
     "date, named for the chief commemoration or the day's name in the church year, with the "
     "day's name, tone, fasting and commemorations in its description and its great feast and "
     "fasting in its categories. With --readings the description also lists the references of "
     "the day's readings, service by service. Re-importing updates the same events.",
     [](Options& o, const std::string& v) {
       const auto cut = v.find('\n');
       o.ical = std::vector<std::string>{v.substr(0, cut), v.substr(cut + 1)};
       return std::string();
     },
     2},
    {"--output", "FILE", "With --ical: write the calendar to FILE instead of the standard output.",
     [](Options& o, const std::string& v) { o.output = v; return std::string(); }},
    {"--help", "", "Print this help and exit.",
     [](Options& o, const std::string&) { o.help = true; return std::string(); }},
});

const OptionEntry* Find(std::string_view name) {
  const auto it = std::find_if(kOptions.begin(), kOptions.end(),
                               [&](const OptionEntry& entry) { return entry.name == name; });
  return it == kOptions.end() ? nullptr : &*it;
}

// Checks between options, once all are read.
std::string CheckCombination(const Options& o) {
  if (o.iconOut && !o.icon) return "--icon-out needs --icon";
  if (o.easterYear && o.date) return "--easter and --date cannot be used together";
  if (o.passage && (o.date || o.easterYear)) return "--passage cannot be used with --date or --easter";
  if (o.reading && (o.date || o.easterYear || o.passage))
    return "--reading cannot be used with --date, --easter or --passage";
  // The parts of a day's page would be dropped without a word by the
  // commands that show no day.
  if ((o.easterYear || o.passage || o.reading) && (o.hymns || o.findSaint || o.icon || o.readings))
    return "--hymns, --find-saint, --icon and --readings show a day and cannot be used with --easter, "
           "--passage or --reading";
  if (o.from.has_value() != o.to.has_value()) return "--from and --to are used together";
  if (o.from && (o.date || o.easterYear || o.passage || o.reading || o.ical))
    return "--from and --to cannot be used with --date, --easter, --passage, --reading or --ical";
  if (o.output && !o.ical) return "--output needs --ical";
  if (o.output && o.output->empty()) return "--output needs a file name";
  if (o.ical && (o.date || o.easterYear || o.passage || o.reading || o.hymns || o.findSaint || o.icon || o.json ||
                 o.verseNumbers))
    return "--ical takes its own dates and can be used only with --old, --new, --readings and --output";
  if (o.headings && !o.passage) return "--headings needs --passage";
  if (o.verseNumbers && !o.passage && !o.readings) return "--verse-numbers needs --passage or --readings";
  return {};
}

}  // namespace

std::span<const OptionEntry> OptionTable() { return kOptions; }

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  std::vector<const OptionEntry*> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    const OptionEntry* entry = Find(name);
    if (entry == nullptr) {
      parsed.error = name.rfind("-", 0) == 0 ? "unknown option " + name + " (see kalday --help)"
                                              : "unexpected argument \"" + name + "\" (see kalday --help)";
      return parsed;
    }
    // A second value would silently replace the first.
    if (!entry->argument.empty() && std::find(given.begin(), given.end(), entry) != given.end()) {
      parsed.error = name + " cannot be given twice";
      return parsed;
    }
    given.push_back(entry);
    if (entry->argument.empty()) {
      if (value) {
        parsed.error = name + " takes no value";
        return parsed;
      }
    } else if (!value || entry->words > 1) {
      // The argument's words follow the name (the first may follow "=").
      const std::size_t wanted = static_cast<std::size_t>(entry->words) - (value ? 1 : 0);
      if (i + wanted >= args.size()) {
        parsed.error = name + " needs a value: " + std::string(entry->argument);
        return parsed;
      }
      for (std::size_t w = 0; w < wanted; ++w) value = value ? *value + "\n" + args[++i] : args[++i];
    }
    if (std::string error = entry->apply(parsed.options, value.value_or("")); !error.empty()) {
      parsed.error = std::move(error);
      return parsed;
    }
  }
  parsed.error = CheckCombination(parsed.options);
  return parsed;
}

void PrintHelp(std::ostream& out) {
  out << "Usage: kalday [--date YYYY-MM-DD] [--old|--new] [--json]\n"
         "       kalday [--date YYYY-MM-DD] [--old|--new] [--hymns] [--find-saint TEXT]\n"
         "              [--icon [--icon-out FILE]] [--json]\n"
         "       kalday --easter YEAR [--json]\n"
         "       kalday --passage FILE BOOK START_CH:START_V END_CH:END_V [--headings]\n"
         "              [--verse-numbers] [--json]\n"
         "       kalday --reading KEY [--json]\n"
         "       kalday [--date YYYY-MM-DD] [--old|--new] --readings [--verse-numbers] [--json]\n"
         "\n"
         "Prints the page summary of a day of the Orthodox church calendar: the date title, the\n"
         "name of the day in the church year with its tone and fasting rule, its place in the\n"
         "movable cycle (days since Zacchaeus Sunday), the date key, the day on both calendars,\n"
         "Pascha and Western Easter of its church year, and the key of the icon that stands\n"
         "for the day.\n"
         "\n"
         "Options:\n";
  for (const OptionEntry& entry : kOptions) {
    std::string head = "  " + std::string(entry.name);
    if (!entry.argument.empty()) head += " " + std::string(entry.argument);
    out << head << "\n";
    // Wrap the help text at 78 columns, indented by six.
    std::string line = "     ";
    std::string_view text = entry.help;
    while (!text.empty()) {
      const auto space = text.find(' ');
      const std::string_view word = text.substr(0, space);
      if (line.size() + 1 + word.size() > 78 && line.size() > 5) {
        out << line << "\n";
        line = "     ";
      }
      line += " ";
      line += word;
      text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    out << line << "\n";
  }
  out << "\n"
         "A date that does not exist, or an Old-calendar date outside the supported range, is\n"
         "reported on one line and kalday exits with status 2, as is an option that takes a\n"
         "value given twice.\n";
}

}  // namespace kalday
