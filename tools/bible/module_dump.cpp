#include "module_dump.h"

#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace biblemake {

const std::string* ModuleDump::Entry(const std::string& book, int chapter, int verse) const {
  const auto b = books_.find(book);
  if (b == books_.end()) return nullptr;
  const auto c = b->second.find(chapter);
  if (c == b->second.end()) return nullptr;
  const auto v = c->second.find(verse);
  return v == c->second.end() ? nullptr : &v->second;
}

const std::map<int, std::map<int, std::string>>& ModuleDump::Book(const std::string& book) const {
  const auto b = books_.find(book);
  if (b == books_.end()) throw std::runtime_error("the module has no book \"" + book + "\"");
  return b->second;
}

const std::string* ModuleDump::FindEntryContaining(std::string_view needle) const {
  for (const auto& [name, chapters] : books_)
    for (const auto& [c, verses] : chapters)
      for (const auto& [v, osis] : verses)
        if (osis.find(needle) != std::string::npos) return &osis;
  return nullptr;
}

void ModuleDump::Add(std::string book, int chapter, int verse, std::string osis) {
  books_[std::move(book)][chapter][verse] = std::move(osis);
}

namespace {

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

ModuleDump ParseModuleDump(std::string_view dump) {
  ModuleDump result;
  std::string book;
  int chapter = -1, verse = -1;
  std::string osis;
  bool inEntry = false;
  const auto flush = [&] {
    if (inEntry) result.Add(book, chapter, verse, std::move(osis));
    osis.clear();
    inEntry = false;
  };
  size_t pos = 0;
  while (pos < dump.size()) {
    size_t end = dump.find('\n', pos);
    if (end == std::string_view::npos) end = dump.size();
    std::string_view line = dump.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, 3) == "$$$") {
      flush();
      const std::string_view key = line.substr(3);
      // "Book name C:V"; headings such as "[ Module Heading ]" are skipped.
      const size_t space = key.rfind(' ');
      const size_t colon = key.rfind(':');
      if (space == std::string_view::npos || colon == std::string_view::npos || colon < space) continue;
      if (!ParseNumber(key.substr(space + 1, colon - space - 1), chapter) ||
          !ParseNumber(key.substr(colon + 1), verse))
        continue;
      book = std::string(key.substr(0, space));
      inEntry = true;
      continue;
    }
    if (inEntry) {
      if (!osis.empty()) osis += '\n';
      osis += line;
    }
  }
  flush();
  return result;
}

std::string DumpModule(const std::string& mod2imp, const std::string& module) {
  for (const char c : module + mod2imp)
    if (c == '\'') throw std::runtime_error("quote in module or program name");
  const std::string command = "'" + mod2imp + "' '" + module + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int status = pclose(pipe);
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.find("$$$") == std::string::npos)
    throw std::runtime_error(command + " failed: is the SWORD module \"" + module +
                             "\" installed (packages libsword-utils, sword-text-kjv, sword-text-web)?");
  return out;
}

}  // namespace biblemake
