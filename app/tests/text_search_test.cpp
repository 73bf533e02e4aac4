// The page search's scan against a plain reference: every candidate
// position tried in order and checked directly.
#include <QString>
#include <gtest/gtest.h>
#include <random>

#include "text_search.h"

namespace kal {
namespace {

bool AsciiWordChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
}

// Candidates going down run from the end of the selection to the last
// place the text fits; going up from where a match would end at the
// selection's start back to the buffer's start. A whole word begins a word,
// is followed by a delimiter or the end, and going down lies beyond the
// search's starting position (the word there is passed over).
std::optional<int> ReferenceScan(const QString& buffer, int selStart, int selLength, const QString& text,
                                 SearchOptions options) {
  const int n = buffer.size();
  const int m = text.size();
  if (n == 0 || m == 0) return std::nullopt;
  const auto delimiter = [&](int at) { return at < 0 || at >= n || !AsciiWordChar(buffer[at]); };
  const auto matches = [&](int at) {
    if (at < 0 || at + m > n) return false;
    if (buffer.mid(at, m).compare(text, options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) != 0)
      return false;
    return !options.wholeWord || (!delimiter(at) && delimiter(at - 1) && delimiter(at + m));
  };
  if (options.down) {
    const int start = selStart + selLength;
    if (start < 0 || start > n - m) return std::nullopt;
    for (int at = options.wholeWord ? start + 1 : start; at <= n - m; ++at) {
      if (matches(at)) return at;
    }
  } else {
    const int start = selStart - m;
    if (start < 0 || start > n) return std::nullopt;
    for (int at = start; at >= 0; --at) {
      if (matches(at)) return at;
    }
  }
  return std::nullopt;
}

TEST(SearchBufferTest, AgreesWithAReferenceScanOnRandomTexts) {
  std::mt19937 random(20260);
  // Letters in both cases (accented ones are delimiters), digits, spaces
  // and punctuation.
  const QString alphabet = QString::fromUtf8("aabAB  9.-\xC3\xA9\xC3\x89\n");
  const auto pick = [&](int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += alphabet[std::uniform_int_distribution<int>(0, alphabet.size() - 1)(random)];
    return text;
  };
  int hits = 0;
  for (int round = 0; round < 60000; ++round) {
    const QString buffer = pick(std::uniform_int_distribution<int>(0, 24)(random));
    // Often a piece of the buffer, so that there is something to find.
    QString text = pick(std::uniform_int_distribution<int>(1, 3)(random));
    if (buffer.size() > 2 && round % 2 == 0) {
      const int from = std::uniform_int_distribution<int>(0, buffer.size() - 1)(random);
      text = buffer.mid(from, std::uniform_int_distribution<int>(1, 3)(random));
    }
    const int n = buffer.size();
    const int selStart = std::uniform_int_distribution<int>(-2, n + 2)(random);
    const int selLength = std::uniform_int_distribution<int>(0, 3)(random);
    const SearchOptions options{random() % 2 == 0, random() % 2 == 0, random() % 2 == 0};
    const std::optional<int> expected = ReferenceScan(buffer, selStart, selLength, text, options);
    ASSERT_EQ(SearchBuffer(buffer, selStart, selLength, text, options), expected)
        << "buffer \"" << buffer.toStdString() << "\" text \"" << text.toStdString() << "\" start " << selStart
        << " length " << selLength << " down " << options.down << " case " << options.matchCase << " word "
        << options.wholeWord;
    if (expected) ++hits;
  }
  EXPECT_GT(hits, 5000);  // the comparison saw plenty of finds, not only misses
}

TEST(SearchBufferTest, CasesPeopleMeet) {
  const QString page = "Saint Basil and the saints of Cappadocia. Basil";
  const SearchOptions down{true, false, false}, up{false, false, false};
  const SearchOptions downWord{true, false, true}, upWord{false, false, true};
  const SearchOptions downCase{true, true, false};
  const int end = page.size();
  const struct {
    const char* what;
    int selStart, selLength;
    const char* text;
    SearchOptions options;
    std::optional<int> found;
  } cases[] = {
      {"down from the caret", 0, 0, "basil", down, 6},
      {"down past the selection", 6, 5, "basil", down, 42},
      {"down from the end finds nothing earlier", end, 0, "Basil", down, std::nullopt},
      {"up from the end", end, 0, "Basil", up, 42},
      {"up from inside the last word", 44, 0, "Basil", up, 6},
      {"match case", 0, 0, "saint", downCase, 20},
      {"ignoring case", 0, 0, "SAINT", down, 0},
      {"a whole word is not the start of a longer one", 1, 0, "saint", downWord, std::nullopt},
      {"the word at the caret is passed over going down", 0, 0, "Saint", downWord, std::nullopt},
      {"a whole word at the very end", 20, 0, "basil", downWord, 42},
      {"a whole word at the very start, going up", 10, 0, "saint", upWord, 0},
      {"up from inside a word goes back to its start", 20, 0, "the", upWord, 16},
      {"a delimiter-led text is never a whole word", 0, 0, " Basil", downWord, std::nullopt},
      {"a selection start past the end reads nothing beyond it", end + 3, 0, "Basil", up, 42},
      {"a start past the end going down", end + 1, 0, "B", down, std::nullopt},
      {"a negative start", -5, 0, "Saint", down, std::nullopt},
      {"an empty text", 0, 0, "", down, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SearchBuffer(page, c.selStart, c.selLength, QString::fromLatin1(c.text), c.options), c.found) << c.what;
  }
  EXPECT_EQ(SearchBuffer(QString(), 0, 0, QString("a"), down), std::nullopt);
}

TEST(SearchBufferTest, DelimitersAreEverythingButAsciiLettersAndDigits) {
  for (const char16_t c : {u'a', u'Z', u'0', u'9'}) EXPECT_FALSE(IsWordDelimiter(QChar(c)));
  for (const char16_t c : {u' ', u'-', u'\'', u'_', u'\n', u'\u00E9', u'\u2019'}) EXPECT_TRUE(IsWordDelimiter(QChar(c)));
}

}  // namespace
}  // namespace kal
