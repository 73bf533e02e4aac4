// Reader for the plain-text hymn sources (see data/FORMAT.md): one file per
// month, each day with its title block, hymns and, on a few days, the extra
// section for a Sunday or Saturday that falls in a run of seven days.
#pragma once

#include <string>
#include <vector>

namespace hymnpak {

struct Hymn {
    std::string heading;  // "Troparion of the Feast"
    int tone = 0;         // 1..8
    std::string text;     // phrases separated by " / ", Windows-1252 bytes
};

struct ExtraSection {
    std::string run;                  // "11-17", "13 - 19"
    std::vector<std::string> title;   // upper-case lines
    std::vector<Hymn> hymns;
};

struct Day {
    int month = 0;
    int day = 0;
    std::vector<std::string> title;   // the title block, principal commemoration first
    std::vector<Hymn> hymns;
    bool hasSection = false;
    ExtraSection section;
    std::string file;                 // where it was read, for messages
    int line = 0;

    int key() const { return month * 100 + day; }
    std::string commemorations() const;  // title lines joined by single spaces
};

struct Diagnostic {
    std::string file;
    int line = 0;
    std::string message;
};

// Parses one month file. Syntax errors go to `errors`; the days read so far
// are returned either way.
std::vector<Day> parseHymnSource(const std::string& path, std::vector<Diagnostic>& errors);

// Converts UTF-8 text to Windows-1252; false when a character has no
// Windows-1252 form.
bool utf8ToCp1252(const std::string& in, std::string& out);

bool isAllowedHeading(const std::string& heading);

// Days 13-19 July, 22-28 September, 11-17 October and 11-24 December carry
// the extra Sunday/Saturday section.
bool dayHasExtraSection(int month, int day);

int daysInMonth(int month);  // February counts 29

}  // namespace hymnpak
