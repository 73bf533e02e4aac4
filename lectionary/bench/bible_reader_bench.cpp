// Speed of the Bible reader on the generated files: a one-chapter passage
// near the end of the Old Testament, and every verse of each file read as a
// passage of its own. The files are searched in place; nothing is indexed.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bible_reader.h"
#include "program_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Verse {
  int book;
  std::string chapter, verse;
};

// Verse markers of a file, one per line as the converter writes them
// (closing markers included: they read as nothing, at the same cost).
std::vector<Verse> Verses(const std::filesystem::path& path, bool apocrypha) {
  std::ifstream in(path, std::ios::binary);
  std::vector<Verse> out;
  std::string line;
  int book = -1;
  while (std::getline(in, line)) {
    if (line.rfind("Book ", 0) == 0) {
      book = std::atoi(line.c_str() + 5);
      continue;
    }
    const size_t start = apocrypha ? line.find(' ') + 1 : 0;
    const size_t colon = line.find(':', start);
    const size_t space = line.find(' ', colon);
    out.push_back({book, line.substr(start, colon - start), line.substr(colon + 1, space - colon - 1)});
  }
  return out;
}

}  // namespace

int main() {
  const char* env = std::getenv("KAL_BIN_DIR");
  const std::filesystem::path dir = env ? std::filesystem::path(env) : kal::ExecutableDirectory().parent_path() / "bin";
  kal::BibleReader reader(dir);
  if (!reader.OpenBibleFile("OldTstmt.dat")) {
    std::printf("OldTstmt.dat not found in %s\n", dir.c_str());
    return 0;
  }

  // Zechariah 14, the last long chapter before Malachi.
  const int rounds = 200;
  size_t bytes = 0;
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) bytes += reader.ReadPassage(37, "14", "1", "14", "21", true, true).size();
  std::printf("Zechariah 14:1-21 (%zu bytes): %.3f ms per passage\n", bytes / rounds,
              Milliseconds(Clock::now() - start) / rounds);

  for (const auto& [file, apocrypha] : {std::pair{"OldTstmt.dat", false}, {"NewTstmt.dat", false}, {"Apoc.dat", true}}) {
    reader.OpenBibleFile(file);
    const std::vector<Verse> verses = Verses(dir / file, apocrypha);
    size_t read = 0;
    const auto sweep = Clock::now();
    for (const Verse& v : verses)
      read += !reader.ReadPassage(v.book, v.chapter, v.verse, v.chapter, v.verse, false, false).empty();
    const double ms = Milliseconds(Clock::now() - sweep);
    std::printf("%s: %zu verse markers, %zu read, %.0f ms in all, %.3f ms per verse (%zu bytes)\n", file,
                verses.size(), read, ms, ms / static_cast<double>(verses.size()), reader.FileSize());
  }
  return 0;
}
