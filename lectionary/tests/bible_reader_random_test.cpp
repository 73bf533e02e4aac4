// Randomised checks of the Bible reader: the marker search against a plain
// substring search, passages of generated books against the verses they
// were generated from, and arbitrary bytes that must never crash or yield
// a partial passage.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bible_reader.h"

namespace kal {
namespace {

std::string RandomText(std::mt19937& rng, std::string_view alphabet, size_t maxLength) {
  std::string s(std::uniform_int_distribution<size_t>(0, maxLength)(rng), ' ');
  for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
  return s;
}

TEST(BibleReaderRandom, MarkerSearchMatchesSubstringSearch) {
  std::mt19937 rng(20240601);
  BibleReader reader;
  for (int round = 0; round < 20000; ++round) {
    const std::string text = RandomText(rng, "ab:0", 60);
    const std::string marker = RandomText(rng, "ab:0", 5);
    const size_t offset = std::uniform_int_distribution<size_t>(0, 64)(rng);
    reader.AttachBibleText(text, false);
    size_t expected = marker.empty() || marker.size() >= text.size() ? std::string::npos : text.find(marker, offset);
    if (expected == std::string::npos) expected = BibleReader::kNotFound;
    ASSERT_EQ(reader.FindMarker(marker, offset), expected) << text << " / " << marker << " @" << offset;
  }
}

// A generated book: chapters from `first`, each with its verse texts.
struct Model {
  int first = 1;
  std::vector<std::vector<std::string>> chapters;
};

std::string Clean(const std::string& raw) {
  std::string out;
  for (char c : raw) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The passage as a reader of the printed page would lay it out: one
// paragraph per chapter, headings before each when asked and the range
// spans chapters.
std::string Expected(const Model& m, int sc, int sv, int ec, int ev, bool numbers, bool headings) {
  std::string out;
  for (int c = sc; c <= ec; ++c) {
    const auto& verses = m.chapters[c - m.first];
    const int from = c == sc ? sv : 1;
    const int to = c == ec ? ev : static_cast<int>(verses.size());
    if (c != sc) out += "\r\n\r\n";
    if (headings && sc != ec) out += "Chapter " + std::to_string(c) + "\r\n\r\n";
    out += "     ";
    for (int v = from; v <= to; ++v) {
      if (v != from) out += ' ';
      if (numbers) out += std::to_string(v) + " ";
      out += Clean(verses[v - 1]);
    }
  }
  return out;
}

TEST(BibleReaderRandom, PassagesOfGeneratedBooks) {
  std::mt19937 rng(7);
  BibleReader reader;
  for (int round = 0; round < 300; ++round) {
    const bool apocrypha = round % 2 == 1;
    const int target = std::uniform_int_distribution<int>(0, 3)(rng);
    std::string file;
    Model model;
    for (int b = 0; b < 4; ++b) {
      file += BibleReader::BookMarker(b) + "\r\n";
      Model m;
      m.first = std::uniform_int_distribution<int>(0, 1)(rng);
      const int chapters = std::uniform_int_distribution<int>(1, 4)(rng);
      reader.SetApocryphaForm(apocrypha);
      for (int c = m.first; c < m.first + chapters; ++c) {
        m.chapters.emplace_back();
        const int verses = std::uniform_int_distribution<int>(1, 12)(rng);
        for (int v = 1; v <= verses; ++v) {
          std::string text = RandomText(rng, "abc  \r\n", 20);
          m.chapters.back().push_back(text);
          file += reader.VerseMarker(b, c, v) + " " + text + "\r\n";
        }
      }
      file += reader.VerseMarker(b, m.first + chapters - 1, static_cast<long>(m.chapters.back().size()) + 1) + " \r\n";
      if (b == target) model = m;
    }
    file += BibleReader::BookMarker(4) + "\r\n";
    reader.AttachBibleText(file, apocrypha);

    const int last = model.first + static_cast<int>(model.chapters.size()) - 1;
    for (int probe = 0; probe < 40; ++probe) {
      const int sc = std::uniform_int_distribution<int>(model.first, last + 1)(rng);
      const int ec = std::uniform_int_distribution<int>(model.first, last + 1)(rng);
      const int sv = std::uniform_int_distribution<int>(1, 13)(rng);
      const int ev = std::uniform_int_distribution<int>(1, 13)(rng);
      const bool numbers = probe % 2, headings = probe % 3 == 0;
      const bool valid = sc <= last && ec <= last && (sc < ec || (sc == ec && sv <= ev)) &&
                         sv <= static_cast<int>(model.chapters[sc - model.first].size()) &&
                         ev <= static_cast<int>(model.chapters[ec - model.first].size());
      const std::string got = reader.ReadPassage(target, std::to_string(sc), std::to_string(sv), std::to_string(ec),
                                                 std::to_string(ev), numbers, headings);
      ASSERT_EQ(got, valid ? Expected(model, sc, sv, ec, ev, numbers, headings) : "")
          << "book " << target << " " << sc << ":" << sv << "-" << ec << ":" << ev;
    }
  }
}

TEST(BibleReaderRandom, ArbitraryBytesNeverGivePartialPassages) {
  std::mt19937 rng(99);
  BibleReader reader;
  const std::string_view alphabet = "Book 0123:\r\nTob PrAzar x";
  for (int round = 0; round < 20000; ++round) {
    const std::string file = RandomText(rng, alphabet, 200);
    reader.AttachBibleText(file, round % 2 == 0);
    const auto number = [&] { return RandomText(rng, "0123", 2); };
    const std::string got = reader.ReadPassage(std::uniform_int_distribution<int>(-1, 13)(rng), number(), number(),
                                               number(), number(), round % 3 == 0, round % 5 == 0);
    if (!got.empty()) {
      ASSERT_TRUE(got.rfind("     ", 0) == 0 || got.rfind("Chapter ", 0) == 0) << got;
    }
  }
}

}  // namespace
}  // namespace kal
