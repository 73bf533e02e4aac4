// Reading a lectionary Reference ("Mark 15:22-25, 33-41") the way the verse
// ranges are cut from it, for checking the tables.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kal {

struct VersePart {
  std::string StartChapter, StartVerse, EndChapter, EndVerse;
  bool operator==(const VersePart&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const VersePart& p) {
  return out << p.StartChapter << ":" << p.StartVerse << "-" << p.EndChapter << ":" << p.EndVerse;
}

// The book named at the start of a Reference: everything before the first
// chapter number ("1 Timothy" in "1 Timothy 4:9-15").
std::string ReferenceBook(const std::string& reference);

// The parts of a Reference: each range between "," or ";" is one part; a
// bare verse or verse-verse stays in the chapter last named; "c:v-c:v"
// crosses chapters. False when the text is not of that form.
bool ParseReferenceParts(const std::string& reference, std::vector<VersePart>& parts);

}  // namespace kal
