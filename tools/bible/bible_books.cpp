#include "bible_books.h"

#include <stdexcept>

#include "osis_text.h"
#include "windows_1252.h"

namespace biblemake {
namespace {

struct Source {
  const char* name;    // our name
  const char* module;  // the module's book, nullptr when it has none usable
};

constexpr Source kOldTestament[39] = {
    {"Genesis", "Genesis"}, {"Exodus", "Exodus"}, {"Leviticus", "Leviticus"},
    {"Numbers", "Numbers"}, {"Deuteronomy", "Deuteronomy"}, {"Joshua", "Joshua"},
    {"Judges", "Judges"}, {"Ruth", "Ruth"}, {"1 Kings (1 Samuel)", "I Samuel"},
    {"2 Kings (2 Samuel)", "II Samuel"}, {"3 Kings (1 Kings)", "I Kings"},
    {"4 Kings (2 Kings)", "II Kings"}, {"1 Chronicles", "I Chronicles"},
    {"2 Chronicles", "II Chronicles"}, {"Ezra", "Ezra"}, {"Nehemiah", "Nehemiah"},
    {"Esther", "Esther"}, {"Job", "Job"}, {"Psalms", "Psalms"}, {"Proverbs", "Proverbs"},
    {"Ecclesiastes", "Ecclesiastes"}, {"Song of Solomon", "Song of Solomon"},
    {"Isaiah", "Isaiah"}, {"Jeremiah", "Jeremiah"}, {"Lamentations", "Lamentations"},
    {"Ezekiel", "Ezekiel"}, {"Daniel", "Daniel"}, {"Hosea", "Hosea"}, {"Joel", "Joel"},
    {"Amos", "Amos"}, {"Obadiah", "Obadiah"}, {"Jonah", "Jonah"}, {"Micah", "Micah"},
    {"Nahum", "Nahum"}, {"Habakkuk", "Habakkuk"}, {"Zephaniah", "Zephaniah"},
    {"Haggai", "Haggai"}, {"Zechariah", "Zechariah"}, {"Malachi", "Malachi"},
};

constexpr Source kNewTestament[27] = {
    {"St Matthew", "Matthew"}, {"St Mark", "Mark"}, {"St Luke", "Luke"}, {"St John", "John"},
    {"Acts of the Apostles", "Acts"}, {"Romans", "Romans"},
    {"1 Corinthians", "I Corinthians"}, {"2 Corinthians", "II Corinthians"},
    {"Galatians", "Galatians"}, {"Ephesians", "Ephesians"}, {"Philippians", "Philippians"},
    {"Colossians", "Colossians"}, {"1 Thessalonians", "I Thessalonians"},
    {"2 Thessalonians", "II Thessalonians"}, {"1 Timothy", "I Timothy"},
    {"2 Timothy", "II Timothy"}, {"Titus", "Titus"}, {"Philemon", "Philemon"},
    {"Hebrews", "Hebrews"}, {"James", "James"}, {"1 Peter", "I Peter"}, {"2 Peter", "II Peter"},
    {"1 John", "I John"}, {"2 John", "II John"}, {"3 John", "III John"}, {"Jude", "Jude"},
    {"Revelation", "Revelation of John"},
};

std::string VerseText(const std::string& osis) { return Utf8ToWindows1252(OsisToPlainText(osis)); }

// One chapter of a module book. Trailing verses without text belong to the
// versification, not to this translation, and are left out; gaps inside the
// chapter keep their (empty) verses.
Chapter ModuleChapter(const std::map<int, std::string>& entries, int number, const std::string& where) {
  Chapter chapter;
  chapter.number = number;
  for (const auto& [v, osis] : entries) {
    if (v < 1) continue;
    std::string text;
    try {
      text = VerseText(osis);
    } catch (const std::exception& e) {
      throw std::runtime_error(where + ":" + std::to_string(v) + ": " + e.what());
    }
    if (text.empty()) continue;
    chapter.verses.resize(v);
    chapter.verses[v - 1] = std::move(text);
  }
  if (chapter.verses.empty()) throw std::runtime_error(where + " has no verses");
  return chapter;
}

// Chapters first..last of a module book, renumbered from `firstNumber`.
std::vector<Chapter> ModuleChapters(const ModuleDump& dump, const std::string& book, int first, int last,
                                    int firstNumber) {
  const auto& chapters = dump.Book(book);
  std::vector<Chapter> out;
  for (int c = first; c <= last; ++c) {
    const auto found = chapters.find(c);
    const std::string where = book + " " + std::to_string(c);
    if (found == chapters.end()) throw std::runtime_error(where + " is missing from the module");
    out.push_back(ModuleChapter(found->second, firstNumber + (c - first), where));
  }
  return out;
}

int LastChapter(const ModuleDump& dump, const std::string& book) {
  const auto& chapters = dump.Book(book);
  return chapters.rbegin()->first;
}

Book WholeBook(const ModuleDump& dump, const Source& source) {
  Book book{source.name, "", {}};
  book.chapters = ModuleChapters(dump, source.module, 1, LastChapter(dump, source.module), 1);
  return book;
}

BibleFile Testament(const ModuleDump& kjv, const char* fileName, const Source* sources, int count) {
  BibleFile file{fileName, false, {}};
  for (int i = 0; i < count; ++i) file.books.push_back(WholeBook(kjv, sources[i]));
  return file;
}

// The prologue of Sirach, which the module keeps in the book's introduction
// after the translator's own preface; it becomes chapter 0, verse 1.
Chapter SirachPrologue(const ModuleDump& web) {
  const std::string* intro = web.Entry("Sirach", 0, 0);
  if (!intro) throw std::runtime_error("Sirach has no introduction");
  const size_t heading = intro->find("type=\"x-introduction\"");
  const size_t start = heading == std::string::npos ? heading : intro->find("</title>", heading);
  const size_t end = start == std::string::npos ? start : intro->find("type=\"introduction\"", start);
  if (end == std::string::npos) throw std::runtime_error("the prologue of Sirach was not found");
  std::string text = VerseText(intro->substr(start + 8, intro->rfind('<', end) - start - 8));
  if (text.find("WHEREAS many and great things") != 0)
    throw std::runtime_error("the prologue of Sirach does not begin as expected");
  return Chapter{0, {std::move(text)}};
}

// The Greek Daniel sits unnumbered in the text before Hosea 1:1; chapter 3
// of it carries the Song of the Three Holy Children.
Chapter SongOfTheThree(const ModuleDump& web) {
  const std::string* greekDaniel = web.FindEntryContaining("osisID=\"DanGr\"");
  if (!greekDaniel) throw std::runtime_error("the Greek Daniel was not found in the module");
  const size_t start = greekDaniel->find("sID=\"DanGr.3\"");
  const size_t end = greekDaniel->find("sID=\"DanGr.4\"");
  if (start == std::string::npos || end == std::string::npos)
    throw std::runtime_error("chapter 3 of the Greek Daniel was not found");
  const size_t textStart = greekDaniel->find('>', start) + 1;
  const size_t textEnd = greekDaniel->rfind('<', end);
  const std::string chapter = OsisToPlainText(greekDaniel->substr(textStart, textEnd - textStart));
  Chapter song{1, {}};
  for (const std::string& verse : SplitSongOfTheThree(chapter))
    song.verses.push_back(Utf8ToWindows1252(verse));
  return song;
}

// A module book whose entries may all be empty: its chapters if it has text.
std::vector<Chapter> TextIfAny(const ModuleDump& dump, const std::string& book) {
  for (const auto& [c, verses] : dump.Book(book))
    for (const auto& [v, osis] : verses)
      if (v > 0 && c > 0 && !OsisToPlainText(osis).empty())
        return ModuleChapters(dump, book, 1, LastChapter(dump, book), 1);
  return {};
}

}  // namespace

BibleFile BuildOldTestament(const ModuleDump& kjv) { return Testament(kjv, "OldTstmt.dat", kOldTestament, 39); }

BibleFile BuildNewTestament(const ModuleDump& kjv) { return Testament(kjv, "NewTstmt.dat", kNewTestament, 27); }

BibleFile BuildApocrypha(const ModuleDump& web) {
  BibleFile file{"Apoc.dat", true, {}};
  const auto add = [&](const char* name, const char* prefix, std::vector<Chapter> chapters) {
    file.books.push_back(Book{name, prefix, std::move(chapters)});
  };
  const auto whole = [&](const char* book) { return ModuleChapters(web, book, 1, LastChapter(web, book), 1); };

  add("1 Esdras", "1Esdr ", whole("I Esdras"));
  add("2 Esdras", "2Esdr ", whole("II Esdras"));
  // The module's Greek Esther runs the additions into the Hebrew chapters.
  add("Additions to Esther", "AddEsth ", {});
  add("1 Maccabees", "1Mac ", whole("I Maccabees"));
  add("2 Maccabees", "2Mac ", whole("II Maccabees"));
  add("Tobit", "Tob ", whole("Tobit"));
  add("Judith", "Jdt ", whole("Judith"));
  add("The Book of Wisdom", "Wis ", whole("Wisdom"));
  std::vector<Chapter> sirach{SirachPrologue(web)};
  for (Chapter& c : whole("Sirach")) sirach.push_back(std::move(c));
  add("Ecclesiasticus", "Sir ", std::move(sirach));
  // Baruch 6 of the module is the Letter of Jeremiah.
  add("Baruch", "Bar ", ModuleChapters(web, "Baruch", 1, 5, 1));
  if (LastChapter(web, "Baruch") != 6) throw std::runtime_error("Baruch does not end with chapter 6");
  add("Epistle of Jeremiah", "EpJer ", ModuleChapters(web, "Baruch", 6, 6, 1));
  // The module's Greek Daniel stops before Susanna (chapter 13) and its
  // book of Susanna has no text; likewise for Bel and the Dragon.
  add("Susanna", "Sus ", TextIfAny(web, "Susanna"));
  add("Prayer of Azariah", "PrAzar ", {SongOfTheThree(web)});
  add("Prayer of Manasseh", "PrMan ", whole("Prayer of Manasses"));
  add("Bel and the Dragon", "Bel ", TextIfAny(web, "Bel and the Dragon"));
  return file;
}

}  // namespace biblemake
