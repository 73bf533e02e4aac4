// The verses of the Prayer of Azariah and the Song of the Three Holy
// Children (Daniel 3:24-90 of the Greek), numbered 1 to 68 as in the English
// Apocrypha. The module gives this text without verse numbers; each verse is
// found by its opening words, in order.

#include <stdexcept>

#include "bible_books.h"

namespace biblemake {
namespace {

// Opening words of verses 1..68; nullptr where this translation has no such
// verse. It omits "winter and summer" (45) and puts "cold and heat" where
// the usual text has "ice and cold" (49); it also reads the seas (55) before
// the springs (56). Verses are numbered by their place.
constexpr const char* kOpenings[68] = {
    "They walked in the midst of the fire",                              // 1
    "Then Azarias stood",                                                // 2
    "\u201CBlessed are you, O Lord, you God of our fathers! Your name",  // 3
    "for you are righteous in all the things",                           // 4
    "In all the things that you have brought upon us",                   // 5
    "For we have sinned and committed iniquity",                         // 6
    "In all things we have trespassed",                                  // 7
    "Therefore all that you have brought upon us",                       // 8
    "You delivered us into the hands of lawless enemies",                // 9
    "And now we can\u2019t open our mouth",                              // 10
    "Don\u2019t utterly deliver us up",                                  // 11
    "Don\u2019t cause your mercy to depart from us",                     // 12
    "to whom you promised",                                              // 13
    "For we, O Lord, have become less",                                  // 14
    "There isn\u2019t at this time prince",                              // 15
    "Nevertheless in a contrite heart",                                  // 16
    "like the burnt offerings of rams",                                  // 17
    "And now we follow you with all our heart",                          // 18
    "Put us not to shame",                                               // 19
    "Deliver us also according to your marvelous works",                 // 20
    "Let them be ashamed of all their power",                            // 21
    "Let them know that you are the Lord",                               // 22
    "The king\u2019s servants who put them in",                          // 23
    "so that the flame streamed out",                                    // 24
    "It spread and burned those Chaldeans",                              // 25
    "But the angel of the Lord came down",                               // 26
    "and made the midst of the furnace",                                 // 27
    "Then the three, as out of one mouth",                               // 28
    "\u201CBlessed are you, O Lord, you God of our fathers, to be praised",  // 29
    "Blessed is your glorious and holy name",                            // 30
    "Blessed are you in the temple",                                     // 31
    "Blessed are you who see the depths",                                // 32
    "Blessed are you on the throne",                                     // 33
    "Blessed are you in the firmament",                                  // 34
    "O all you works of the Lord",                                       // 35
    "O you heavens",                                                     // 36
    "O you angels of the Lord",                                          // 37
    "O all you waters",                                                  // 38
    "O all you powers",                                                  // 39
    "O you sun and moon",                                                // 40
    "O you stars of heaven",                                             // 41
    "O every shower and dew",                                            // 42
    "O all you winds",                                                   // 43
    "O you fire and heat",                                               // 44
    nullptr,                                                             // 45
    "O you dews and storms of snow",                                     // 46
    "O you nights and days",                                             // 47
    "O you light and darkness",                                          // 48
    "O you cold and heat",                                               // 49
    "O you frost and snow",                                              // 50
    "O you lightnings and clouds",                                       // 51
    "O let the earth bless the Lord",                                    // 52
    "O you mountains and hills",                                         // 53
    "O all you things that grow",                                        // 54
    "O sea and rivers",                                                  // 55
    "O you springs",                                                     // 56
    "O you whales",                                                      // 57
    "O all you birds of the air",                                        // 58
    "O all you beasts and cattle",                                       // 59
    "O you children of men",                                             // 60
    "O let Israel bless the Lord",                                       // 61
    "O you priests of the Lord",                                         // 62
    "O you servants of the Lord",                                        // 63
    "O you spirits and souls",                                           // 64
    "O you who are holy and humble",                                     // 65
    "O Hananiah, Mishael, and Azariah",                                  // 66
    "O give thanks to the Lord",                                         // 67
    "O all you who worship the Lord",                                    // 68
};

// Daniel 3:91 (3:24 of the Hebrew), where the song ends.
constexpr const char* kAfterSong = "Then Nebuchadnezzar the king was astonished";

std::string Trimmed(std::string text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> SplitSongOfTheThree(const std::string& chapter) {
  std::vector<size_t> starts;
  std::vector<int> numbers;
  size_t from = 0;
  for (int v = 1; v <= 68; ++v) {
    if (!kOpenings[v - 1]) continue;
    const size_t at = chapter.find(kOpenings[v - 1], from);
    if (at == std::string::npos)
      throw std::runtime_error("Song of the Three: verse " + std::to_string(v) + " (\"" +
                               kOpenings[v - 1] + "\") not found in order");
    starts.push_back(at);
    numbers.push_back(v);
    from = at + 1;
  }
  const size_t end = chapter.find(kAfterSong, from);
  if (end == std::string::npos) throw std::runtime_error("Song of the Three: end not found");
  starts.push_back(end);

  std::vector<std::string> verses(68);
  for (size_t i = 0; i + 1 < starts.size(); ++i)
    verses[numbers[i] - 1] = Trimmed(chapter.substr(starts[i], starts[i + 1] - starts[i]));
  return verses;
}

}  // namespace biblemake
