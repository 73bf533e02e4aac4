#include "reference_parts.h"

#include <cctype>

namespace kal {
namespace {

bool IsNumber(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Position of the chapter number that follows the book name: the first
// " digits:" in the text.
std::size_t ChapterStart(const std::string& reference) {
  for (std::size_t i = 0; i + 1 < reference.size(); ++i) {
    if (reference[i] != ' ') continue;
    std::size_t j = i + 1;
    while (j < reference.size() && std::isdigit(static_cast<unsigned char>(reference[j]))) ++j;
    if (j > i + 1 && j < reference.size() && reference[j] == ':') return i + 1;
  }
  return std::string::npos;
}

}  // namespace

std::string ReferenceBook(const std::string& reference) {
  const auto start = ChapterStart(reference);
  return start == std::string::npos ? reference : reference.substr(0, start - 1);
}

bool ParseReferenceParts(const std::string& reference, std::vector<VersePart>& parts) {
  parts.clear();
  const auto start = ChapterStart(reference);
  if (start == std::string::npos) return false;
  std::string chapter;
  std::string rest = reference.substr(start);
  std::size_t pos = 0;
  while (pos <= rest.size()) {
    const auto cut = rest.find_first_of(",;", pos);
    const std::string piece = Trim(rest.substr(pos, cut == std::string::npos ? std::string::npos : cut - pos));
    pos = cut == std::string::npos ? rest.size() + 1 : cut + 1;

    const auto dash = piece.find('-');
    const std::string from = piece.substr(0, dash);
    const std::string to = dash == std::string::npos ? from : piece.substr(dash + 1);
    VersePart part;
    if (const auto colon = from.find(':'); colon != std::string::npos) {
      chapter = from.substr(0, colon);
      part.StartVerse = from.substr(colon + 1);
    } else {
      part.StartVerse = from;
    }
    part.StartChapter = chapter;
    if (const auto colon = to.find(':'); colon != std::string::npos && dash != std::string::npos) {
      chapter = to.substr(0, colon);
      part.EndVerse = to.substr(colon + 1);
    } else {
      part.EndVerse = dash == std::string::npos ? part.StartVerse : to;
    }
    part.EndChapter = chapter;
    if (!IsNumber(part.StartChapter) || !IsNumber(part.StartVerse) || !IsNumber(part.EndChapter) ||
        !IsNumber(part.EndVerse))
      return false;
    parts.push_back(part);
  }
  return !parts.empty();
}

}  // namespace kal
