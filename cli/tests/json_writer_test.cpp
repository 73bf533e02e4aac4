#include "json_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kalday {
namespace {

TEST(JsonWriterTest, NestingCommasAndIndentation) {
  std::ostringstream out;
  {
    JsonWriter json(out);
    json.BeginObject().Field("a", 1).Key("list").BeginArray().Number(-2).Bool(false).Null();
    json.BeginObject().EndObject().EndArray().Key("empty").BeginArray().EndArray().EndObject();
  }
  EXPECT_EQ(out.str(),
            "{\n"
            "  \"a\": 1,\n"
            "  \"list\": [\n"
            "    -2,\n"
            "    false,\n"
            "    null,\n"
            "    {}\n"
            "  ],\n"
            "  \"empty\": []\n"
            "}\n");
}

TEST(JsonWriterTest, EscapesStrings) {
  std::ostringstream out;
  {
    JsonWriter json(out);
    json.String("say \"Amen\"\\\n\t\x01 Ἀμήν");
  }
  EXPECT_EQ(out.str(), "\"say \\\"Amen\\\"\\\\\\n\\t\\u0001 Ἀμήν\"\n");
}

}  // namespace
}  // namespace kalday
