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
    // A day's line "< id | heading | name" stands for a shared hymn until
    // resolveSharedHymns() fills heading, tone and text from it.
    std::string ref;
    std::string refHeading;
    std::string refName;
    int line = 0;         // where it was written, for messages
};

// A hymn written once ("$ id" blocks, kept in data/shared/) and used on every
// day that refers to it, so a recurring hymn cannot drift between days. Its
// heading and text may hold "{name}", filled in by each reference.
struct SharedHymn {
    std::string id;
    Hymn hymn;
    std::string file;
    int line = 0;
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

struct SourceFile {
    std::vector<Day> days;
    std::vector<SharedHymn> shared;
};

// Parses one source file: month days and/or shared hymns. Syntax errors go to
// `errors`; what was read so far is returned either way.
SourceFile parseHymnFile(const std::string& path, std::vector<Diagnostic>& errors);

// The days of one month file (shared hymns it defines are ignored).
std::vector<Day> parseHymnSource(const std::string& path, std::vector<Diagnostic>& errors);

// Replaces every reference in `days` by the shared hymn it names. Unknown or
// twice-defined ids, and a "{name}" left unfilled, are errors.
void resolveSharedHymns(std::vector<Day>& days, const std::vector<SharedHymn>& shared,
                        std::vector<Diagnostic>& errors);

// Converts UTF-8 text to Windows-1252; false when a character has no
// Windows-1252 form.
bool utf8ToCp1252(const std::string& in, std::string& out);

bool isAllowedHeading(const std::string& heading);

// "Troparion" or "Kontakion" alone: a heading that does not say whose hymn it is.
bool isBareHeading(const std::string& heading);

// Days 13-19 July, 22-28 September, 11-17 October and 11-24 December carry
// the extra Sunday/Saturday section.
bool dayHasExtraSection(int month, int day);

int daysInMonth(int month);  // February counts 29

}  // namespace hymnpak
