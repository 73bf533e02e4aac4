// The converter's text handling on markup as the SWORD modules write it.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "bible_books.h"
#include "dat_writer.h"
#include "module_dump.h"
#include "osis_text.h"
#include "windows_1252.h"

namespace biblemake {
namespace {

TEST(OsisText, KeepsTheWordsOfTheVerse) {
  struct {
    const char* osis;
    const char* plain;
  } const cases[] = {
      {"<w lemma=\"strong:H7225\">beginning</w> <w lemma=\"x\">God</w>", "beginning God"},
      {"the <divineName><w lemma=\"x\">Lord</w></divineName> said", "the LORD said"},
      // A divine-name start tag left in the module as an escape.
      {"the \\nd <w lemma=\"x\">Lord</w></divineName> your God", "the LORD your God"},
      {"<transChange type=\"added\">it was</transChange> good", "it was good"},
      {"<q marker=\"\" who=\"Jesus\">Follow me.</q>", "Follow me."},
      // Notes and headings go; where a note stood between words a space returns.
      {"God<note placement=\"foot\"><reference>1:1</reference>Or, <rdg>gods</rdg></note>created", "God created"},
      {"Yahweh\u2019s<note placement=\"foot\">name</note>word", "Yahweh\u2019s word"},
      {"end<note>x</note>. \u201C<note>y</note>Go", "end. \u201CGo"},
      {"<title canonical=\"true\" type=\"psalm\">A Psalm of <w>David</w>.</title> <l level=\"1\"/>LORD, how",
       "LORD, how"},
      {"\u00B6 And it came to pass", "And it came to pass"},
      {"line one<l eID=\"a\"/><l sID=\"b\"/>line two", "line one line two"},
      {"  spaced\n\tout  ", "spaced out"},
      {"salt &amp; light", "salt & light"},
      // Text of the next book or the glossary run into the last verse.
      {"Amen. <div canonical=\"true\" eID=\"g\" osisID=\"Rev\" type=\"book\"/> <div sID=\"h\" type=\"glossary\"/>Abba",
       "Amen."},
  };
  for (const auto& c : cases) EXPECT_EQ(OsisToPlainText(c.osis), c.plain) << c.osis;
}

TEST(OsisText, RejectsWhatItCannotRead) {
  for (const char* bad : {"word <w lemma", "<note>never closed", "a \\x b", "&nbsp;", "\xff"})
    EXPECT_THROW(OsisToPlainText(bad), std::runtime_error) << bad;
}

TEST(Windows1252, TypographicCharacters) {
  EXPECT_EQ(Utf8ToWindows1252("\u2019\u201C\u201D\u2014\u00E6\u00C6 plain"), "\x92\x93\x94\x97\xE6\xC6 plain");
  EXPECT_THROW(Utf8ToWindows1252("\u05D0"), std::runtime_error);  // Hebrew letter
  EXPECT_THROW(Utf8ToWindows1252("\xE2\x80"), std::runtime_error);  // cut short
}

TEST(ModuleDump, EntriesByBookChapterAndVerse) {
  const ModuleDump dump = ParseModuleDump(
      "$$$[ Module Heading ]\n\n$$$I Samuel 1:0\n<chapter/>\n$$$I Samuel 1:1\nNow there was\n$$$I Samuel 1:2\nAnd he\n");
  ASSERT_NE(dump.Entry("I Samuel", 1, 1), nullptr);
  EXPECT_EQ(*dump.Entry("I Samuel", 1, 1), "Now there was");
  EXPECT_EQ(*dump.Entry("I Samuel", 1, 2), "And he");
  EXPECT_EQ(dump.Entry("I Samuel", 1, 3), nullptr);
  EXPECT_THROW(dump.Book("Genesis"), std::runtime_error);
}

TEST(BibleFile, WrittenAndCheckedInTheFormat) {
  BibleFile file{"Apoc.dat", true, {}};
  file.books.push_back(Book{"1 Esdras", "1Esdr ", {Chapter{1, {"One.", "", "Three."}}}});
  file.books.push_back(Book{"2 Esdras", "2Esdr ", {}});
  const std::string bytes = FormatBibleFile(file);
  EXPECT_EQ(bytes,
            "Book 00 1 Esdras\r\n1Esdr 1:1 One.\r\n1Esdr 1:2 \r\n1Esdr 1:3 Three.\r\n1Esdr 1:4 \r\n"
            "Book 01 2 Esdras\r\nBook 02\r\n");
  EXPECT_NO_THROW(CheckBibleFile(bytes, file));

  // Each fault of a written file is caught.
  for (const std::string& broken :
       {bytes.substr(0, bytes.size() - 9),                                       // final marker missing
        std::string(bytes).replace(bytes.find("1:4 "), 4, "1:5 "),              // wrong closing marker
        std::string(bytes).replace(bytes.find("1:3 "), 4, "2:1 "),              // verse out of sequence
        std::string(bytes).replace(bytes.find("Three."), 6, "See 3:1"),         // text like a marker
        std::string(bytes).replace(bytes.find("One."), 4, "On\ne."),            // bare line break
        std::string(bytes).replace(bytes.find("Book 01"), 7, "Book 02")})       // book out of order
    EXPECT_THROW(CheckBibleFile(broken, file), std::runtime_error) << broken;
}

TEST(SongOfTheThree, FailsLoudlyWhenTheTextChanges) {
  // The verse table is checked against the real module by the whole-file
  // tests; here, a text it does not fit must stop the build.
  EXPECT_THROW(SplitSongOfTheThree("These men fell down bound. Then Nebuchadnezzar the king was astonished."),
               std::runtime_error);
  EXPECT_THROW(SplitSongOfTheThree(""), std::runtime_error);
}

}  // namespace
}  // namespace biblemake
