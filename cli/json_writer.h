// A small writer of JSON text: objects, arrays, strings (UTF-8), numbers and
// booleans, indented two spaces a level, with commas placed for the caller.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace kalday {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  ~JsonWriter();  // ends the last line once the outermost value is closed

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);  // inside an object, before each value
  JsonWriter& String(std::string_view value);
  JsonWriter& Number(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // Key and value in one call.
  JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, long long value) { return Key(key).Number(value); }
  JsonWriter& Field(std::string_view key, int value) { return Key(key).Number(value); }
  JsonWriter& Field(std::string_view key, unsigned value) { return Key(key).Number(value); }
  JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

 private:
  struct Level {
    bool array;
    bool empty = true;
  };
  void BeforeValue();
  void Open(char bracket, bool array);
  void Close(char bracket);
  void Indent();
  void WriteString(std::string_view text);

  std::ostream& out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
  bool wroteSomething_ = false;
};

}  // namespace kalday
