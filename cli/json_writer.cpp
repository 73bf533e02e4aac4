#include "json_writer.h"

#include <cstdio>

namespace kalday {

JsonWriter::~JsonWriter() {
  if (wroteSomething_ && levels_.empty()) out_ << '\n';
}

void JsonWriter::Indent() {
  out_ << '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::BeforeValue() {
  wroteSomething_ = true;
  if (afterKey_) {  // the key already placed the comma and the indentation
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (!levels_.back().empty) out_ << ',';
  levels_.back().empty = false;
  Indent();
}

void JsonWriter::Open(char bracket, bool array) {
  BeforeValue();
  out_ << bracket;
  levels_.push_back({array});
}

void JsonWriter::Close(char bracket) {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) Indent();
  out_ << bracket;
}

JsonWriter& JsonWriter::BeginObject() { Open('{', false); return *this; }
JsonWriter& JsonWriter::EndObject() { Close('}'); return *this; }
JsonWriter& JsonWriter::BeginArray() { Open('[', true); return *this; }
JsonWriter& JsonWriter::EndArray() { Close(']'); return *this; }

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  WriteString(key);
  out_ << ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  BeforeValue();
  WriteString(value);
  return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
  BeforeValue();
  out_ << value;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ << "null";
  return *this;
}

void JsonWriter::WriteString(std::string_view text) {
  out_ << '"';
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out_ << "\\\""; break;
      case '\\': out_ << "\\\\"; break;
      case '\n': out_ << "\\n"; break;
      case '\r': out_ << "\\r"; break;
      case '\t': out_ << "\\t"; break;
      case '\b': out_ << "\\b"; break;
      case '\f': out_ << "\\f"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ << escaped;
        } else {
          out_ << ch;  // UTF-8 bytes pass through
        }
    }
  }
  out_ << '"';
}

}  // namespace kalday
