// The whole-library review printed by `hymnpack --check`: whether each day's
// chief commemoration has hymns of its own, headings that do not say whose
// hymn they are, hymns that recur in more than one wording, and words that
// break the register of the hymns.
#pragma once

#include <string>
#include <vector>

#include "hymn_source.h"

namespace hymnpak {

// The first title line that is not a forefeast, afterfeast, leave-taking or eve.
std::string chiefCommemoration(const Day& day);

// True when a heading names the commemoration of `titleLine` ("Troparion of the
// Prophet Nahum" for "HOLY PROPHET NAHUM"; "of the Feast" for a feast).
bool headingNames(const std::string& heading, const std::string& titleLine);

struct LibraryReport {
    int days = 0;
    std::vector<std::string> chiefWithBoth;        // "mm/dd"
    std::vector<std::string> chiefWithoutTroparion;
    std::vector<std::string> chiefWithoutKontakion;
    std::vector<std::string> daysWithoutTroparion;  // no troparion of anyone
    std::vector<std::string> daysWithoutKontakion;
    std::vector<std::string> bareHeadings;         // "mm/dd: Kontakion"
    std::vector<std::string> twoWordings;          // one line per hymn with its days
    std::vector<std::string> writtenTwice;         // same text written out on several days
    std::vector<std::string> registerSlips;        // "mm/dd heading: has"
};

// `shared` are the shared definitions (each counted once as one wording).
LibraryReport reviewLibrary(const std::vector<Day>& days, const std::vector<SharedHymn>& shared);

// Prints the report; `verbose` lists the days behind every count.
void printReport(const LibraryReport& r, bool verbose);

}  // namespace hymnpak
