#pragma once
// The books of the three Bible files, assembled from the SWORD modules.

#include <string>
#include <vector>

#include "module_dump.h"

namespace biblemake {

struct Chapter {
  int number = 0;
  // Windows-1252 text of verses 1, 2, ...; an empty text is a verse the
  // module leaves out (its marker is still written so ranges read across it).
  std::vector<std::string> verses;
};

struct Book {
  std::string name;    // as the Bible search lists it
  std::string prefix;  // Apocrypha verse-marker prefix, ending in a space
  std::vector<Chapter> chapters;  // empty for a book the modules cannot supply
};

struct BibleFile {
  std::string fileName;
  bool apocryphaForm = false;
  std::vector<Book> books;
};

BibleFile BuildOldTestament(const ModuleDump& kjv);
BibleFile BuildNewTestament(const ModuleDump& kjv);
BibleFile BuildApocrypha(const ModuleDump& web);

// The Song of the Three Holy Children cut into verses 1..68 from the plain
// (UTF-8) text of the Greek Daniel's third chapter. Entry v-1 holds verse v;
// an empty entry is a verse of the usual division that this text lacks.
std::vector<std::string> SplitSongOfTheThree(const std::string& danielChapter3);

}  // namespace biblemake
