// biblemake: writes OldTstmt.dat, NewTstmt.dat (King James Version) and
// Apoc.dat (World English Bible deuterocanon) from the SWORD modules that
// Debian installs, into the program's folder.
//
//   biblemake --out DIR [--kjv MODULE] [--web MODULE] [--mod2imp PROGRAM]

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "bible_books.h"
#include "dat_writer.h"
#include "module_dump.h"

namespace fs = std::filesystem;
using namespace biblemake;

namespace {

// Writes beside the target and renames, so a failed run never leaves a
// half-written file where the program looks for one.
void WriteFile(const fs::path& path, const std::string& bytes) {
  const fs::path temporary = path.string() + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  fs::rename(temporary, path);
}

void Report(const BibleFile& file, size_t bytes) {
  size_t verses = 0, gaps = 0, empty = 0;
  for (const Book& book : file.books) {
    if (book.chapters.empty()) ++empty;
    for (const Chapter& c : book.chapters)
      for (const std::string& v : c.verses) {
        ++verses;
        if (v.empty()) ++gaps;
      }
  }
  std::printf("%s: %zu books (%zu without text), %zu verses (%zu left out by the translation), %zu bytes\n",
              file.fileName.c_str(), file.books.size(), empty, verses, gaps, bytes);
}

size_t VerseCount(const BibleFile& file) {
  size_t n = 0;
  for (const Book& b : file.books)
    for (const Chapter& c : b.chapters) n += c.verses.size();
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, kjvModule = "engKJV2006eb", webModule = "engWEB2015eb", mod2imp = "mod2imp";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) {
      std::cerr << "biblemake: " << arg << " needs a value\n";
      return 2;
    }
    const std::string value = argv[++i];
    if (arg == "--out") out = value;
    else if (arg == "--kjv") kjvModule = value;
    else if (arg == "--web") webModule = value;
    else if (arg == "--mod2imp") mod2imp = value;
    else {
      std::cerr << "biblemake: unknown option " << arg << "\n";
      return 2;
    }
  }
  if (out.empty()) {
    std::cerr << "usage: biblemake --out DIR [--kjv MODULE] [--web MODULE] [--mod2imp PROGRAM]\n";
    return 2;
  }
  try {
    const ModuleDump kjv = ParseModuleDump(DumpModule(mod2imp, kjvModule));
    const ModuleDump web = ParseModuleDump(DumpModule(mod2imp, webModule));
    const BibleFile files[] = {BuildOldTestament(kjv), BuildNewTestament(kjv), BuildApocrypha(web)};
    // The King James Version has 23145 verses in the Old Testament and 7957
    // in the New; anything else means the module or its reading changed.
    if (VerseCount(files[0]) != 23145 || VerseCount(files[1]) != 7957)
      throw std::runtime_error("unexpected verse count in the King James Version: " +
                               std::to_string(VerseCount(files[0])) + " and " + std::to_string(VerseCount(files[1])));
    fs::create_directories(out);
    for (const BibleFile& file : files) {
      const std::string bytes = FormatBibleFile(file);
      CheckBibleFile(bytes, file);
      WriteFile(fs::path(out) / file.fileName, bytes);
      Report(file, bytes.size());
    }
  } catch (const std::exception& e) {
    std::cerr << "biblemake: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
