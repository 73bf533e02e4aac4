#pragma once
// The entries of a SWORD module as mod2imp writes them: a "$$$Book C:V"
// line, then the entry's OSIS text.

#include <map>
#include <string>
#include <string_view>

namespace biblemake {

class ModuleDump {
 public:
  // Raw OSIS of one entry, or nullptr when the module has no such entry.
  // Verse 0 of a chapter (and chapter 0) holds the text before its first
  // verse: titles and introductions.
  const std::string* Entry(const std::string& book, int chapter, int verse) const;
  // chapter -> verse -> OSIS of one book; throws when the module lacks it.
  const std::map<int, std::map<int, std::string>>& Book(const std::string& book) const;
  // The first entry whose text contains the needle, with its key.
  const std::string* FindEntryContaining(std::string_view needle) const;

  void Add(std::string book, int chapter, int verse, std::string osis);

 private:
  std::map<std::string, std::map<int, std::map<int, std::string>>> books_;
};

ModuleDump ParseModuleDump(std::string_view dump);

// Runs mod2imp for the module and returns what it prints; throws when the
// program fails or prints nothing.
std::string DumpModule(const std::string& mod2imp, const std::string& module);

}  // namespace biblemake
