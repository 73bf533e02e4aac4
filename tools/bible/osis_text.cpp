#include "osis_text.h"

#include <stdexcept>

namespace biblemake {
namespace {

// Elements whose whole content is dropped.
bool IsDroppedElement(std::string_view name) {
  return name == "note" || name == "title" || name == "speaker";
}

// Elements that only mark up words inside running text: removing their tags
// never separates two words.
bool IsInlineElement(std::string_view name) {
  return name == "w" || name == "transChange" || name == "q" || name == "seg" ||
         name == "foreign" || name == "name" || name == "hi" || name == "divineName" ||
         name == "reference" || name == "rdg";
}

struct Tag {
  std::string_view name;
  std::string_view attributes;
  bool closing = false;
  bool selfClosing = false;
  size_t end = 0;  // position just after '>'
};

Tag ReadTag(std::string_view text, size_t open) {
  const size_t close = text.find('>', open);
  if (close == std::string_view::npos) throw std::runtime_error("unterminated markup tag");
  Tag tag;
  tag.end = close + 1;
  std::string_view inner = text.substr(open + 1, close - open - 1);
  if (!inner.empty() && inner.front() == '/') {
    tag.closing = true;
    inner.remove_prefix(1);
  }
  if (!inner.empty() && inner.back() == '/') {
    tag.selfClosing = true;
    inner.remove_suffix(1);
  }
  const size_t nameEnd = inner.find_first_of(" \t\r\n");
  tag.name = inner.substr(0, nameEnd);
  if (nameEnd != std::string_view::npos) tag.attributes = inner.substr(nameEnd);
  if (tag.name.empty()) throw std::runtime_error("markup tag without a name");
  return tag;
}

// The start of another book or of the glossary inside a verse entry.
bool StartsOtherDivision(const Tag& tag) {
  if (tag.name != "div" || tag.closing) return false;
  const bool starts = tag.attributes.find("sID=") != std::string_view::npos;
  return starts && (tag.attributes.find("type=\"book\"") != std::string_view::npos ||
                    tag.attributes.find("type=\"glossary\"") != std::string_view::npos);
}

char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    cp = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    cp = lead & 0x07;
    extra = 3;
  } else {
    throw std::runtime_error("invalid UTF-8 in module text");
  }
  for (int i = 1; i <= extra; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80)
      throw std::runtime_error("invalid UTF-8 in module text");
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  pos += 1 + extra;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }

// Marks after which no space is put back ...
bool OpensText(char32_t c) {
  return c == U'\u201C' || c == U'\u2018' || c == '(' || c == '[' || c == U'\u2014';
}
// ... and marks before which none is.
bool ClosesText(char32_t c) {
  return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == ')' ||
         c == ']' || c == U'\u2019' || c == U'\u201D' || c == U'\u2014';
}

class PlainText {
 public:
  void Space() { space_ = true; }
  void Break() { break_ = true; }
  void Put(char32_t c, bool capitals) {
    if (c == U'\u00B6') {  // pilcrow: a paragraph sign of the printed page, not a word
      break_ = true;
      return;
    }
    if (IsSpace(c)) {
      space_ = true;
      return;
    }
    if (!out_.empty() && (space_ || (break_ && !OpensText(last_) && !ClosesText(c)))) out_ += ' ';
    space_ = break_ = false;
    if (capitals && c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    AppendUtf8(out_, c);
    last_ = c;
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
  bool space_ = false;
  bool break_ = false;
  char32_t last_ = 0;
};

}  // namespace

std::string OsisToPlainText(std::string_view osis) {
  PlainText text;
  int capitals = 0;  // depth of divine-name spans
  size_t pos = 0;
  while (pos < osis.size()) {
    const char c = osis[pos];
    if (c == '<') {
      const Tag tag = ReadTag(osis, pos);
      pos = tag.end;
      if (StartsOtherDivision(tag)) break;
      if (IsDroppedElement(tag.name)) {
        if (!tag.closing && !tag.selfClosing) {
          // Skip to the matching end tag, counting nested ones of the same name.
          int depth = 1;
          while (depth > 0) {
            const size_t next = osis.find('<', pos);
            if (next == std::string_view::npos)
              throw std::runtime_error("unclosed <" + std::string(tag.name) + "> element");
            const Tag inner = ReadTag(osis, next);
            pos = inner.end;
            if (inner.name == tag.name && !inner.selfClosing) depth += inner.closing ? -1 : 1;
          }
        }
        text.Break();
        continue;
      }
      if (tag.name == "divineName" && !tag.selfClosing) {
        if (!tag.closing) {
          ++capitals;
        } else if (capitals > 0) {
          --capitals;
        }
      }
      if (!IsInlineElement(tag.name)) text.Break();
      continue;
    }
    if (c == '&') {
      static constexpr std::pair<std::string_view, char> kEntities[] = {
          {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
      bool known = false;
      for (const auto& [name, ch] : kEntities) {
        if (osis.substr(pos, name.size()) == name) {
          text.Put(static_cast<unsigned char>(ch), capitals > 0);
          pos += name.size();
          known = true;
          break;
        }
      }
      if (!known) throw std::runtime_error("unknown character entity in module text");
      continue;
    }
    if (c == '\\') {
      // A divine-name start tag that the module carries as a stray "\nd "
      // escape in a few verses; its end tag is still there.
      if (osis.substr(pos, 4) == "\\nd ") {
        ++capitals;
        pos += 4;
        continue;
      }
      throw std::runtime_error("stray backslash escape in module text");
    }
    text.Put(DecodeUtf8(osis, pos), capitals > 0);
  }
  return text.Take();
}

}  // namespace biblemake
