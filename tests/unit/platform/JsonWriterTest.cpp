#include "platform/ui/JsonWriter.h"

#include <gtest/gtest.h>

namespace {

using platform::ui::JsonWriter;

TEST(JsonWriterTest, NestsContainersWithCommasInCallOrder) {
  JsonWriter json;
  json.BeginObject();
  json.IntField("a", -1);
  json.Key("list");
  json.BeginArray();
  json.Bool(true);
  json.Null();
  json.Rect(RECT{1, 2, 3, 4});
  json.EndArray();
  json.StringField("s", u"x");
  json.EndObject();
  EXPECT_EQ(json.Text(), R"({"a":-1,"list":[true,null,[1,2,3,4]],"s":"x"})");
}

// Texts from contacts and themes may hold anything; none of it may break the output.
TEST(JsonWriterTest, EscapesEveryCharacterThatCouldBreakTheOutput) {
  struct Case {
    std::u16string text;
    std::string quoted;
  } cases[] = {
      {u"plain", R"("plain")"},
      {u"say \"hi\"\\", R"("say \"hi\"\\")"},
      {u"a\nb\rc\td", R"("a\nb\rc\u0009d")"},
      {std::u16string(u"\x01\x1f\x7f", 3), R"("\u0001\u001f\u007f")"},
      {u"é€😀", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonWriter::Quoted(c.text), c.quoted);
  // Invalid UTF-8 becomes U+FFFD instead of passing through.
  EXPECT_EQ(JsonWriter::Quoted(std::string_view("a\xFF\x62")), "\"a\xEF\xBF\xBD\x62\"");
}

}  // namespace
