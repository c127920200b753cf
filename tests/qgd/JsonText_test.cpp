#include <gtest/gtest.h>

#include "tools/qgd/JsonReader.h"
#include "tools/qgd/JsonWriter.h"

namespace qgd {
namespace {

// Skips one value and requires the end of the input after it.
bool Valid(std::string_view text, std::string* error = nullptr, JsonLimits limits = JsonLimits()) {
  JsonReader r(text, limits);
  bool ok = r.Skip() && r.Finish();
  if (error) *error = r.Error();
  return ok;
}

TEST(JsonReader, AcceptsTheGrammar) {
  for (const char* text :
       {"null", "true", "false", "0", "-0", "12", "-3.25", "1e9", "2.5E-3", "\"\"",
        "\"a\\\"b\\\\c\\/\\b\\f\\n\\r\\t\"", "\"\\u00e9\\uD83D\\uDE00\"", "[]", "{}", " [ 1 , [ 2 , {} ] ] ",
        "{\"a\": {\"b\": [true, null]}, \"c\": \"d\"}", "\"\xE4\xB8\xAD\""})
    EXPECT_TRUE(Valid(text)) << text;
}

TEST(JsonReader, RefusesWhatIsNotJson) {
  for (const char* text : {"",
                           " ",
                           "nul",
                           "tru",
                           "True",
                           "01",
                           "1.",
                           ".5",
                           "-",
                           "+1",
                           "1e",
                           "0x10",
                           "[1,]",
                           "[,1]",
                           "[1 2]",
                           "{\"a\":1,}",
                           "{\"a\" 1}",
                           "{a:1}",
                           "{\"a\":}",
                           "[",
                           "{",
                           "]",
                           "\"abc",
                           "\"\\x\"",
                           "\"\\u12\"",
                           "\"\\uD800\"",
                           "\"\\uDC00\"",
                           "\"\\uD800\\u0041\"",
                           "\"tab\there\"",
                           "\"\xC0\xAF\"",
                           "\"\xE4\xB8\"",
                           "\"\xED\xA0\x80\"",
                           "\"\xF5\x80\x80\x80\"",
                           "1 2",
                           "[] x",
                           "NaN",
                           "'a'"})
    EXPECT_FALSE(Valid(text)) << text;
}

TEST(JsonReader, ErrorsSayWhere) {
  std::string error;
  EXPECT_FALSE(Valid("{\n  \"a\": [1,\n  2,,\n]}", &error));
  EXPECT_EQ(error, "line 3, column 5: expected a value");
  EXPECT_FALSE(Valid("[\"\xE4\xB8\xAD\xE4\xB8\xAD\", x]", &error));
  EXPECT_EQ(error, "line 1, column 8: expected a value");  // columns count characters
}

TEST(JsonReader, LimitsDepthAndSize) {
  std::string deep(64, '[');
  deep += std::string(64, ']');
  EXPECT_TRUE(Valid(deep));
  std::string deeper(65, '[');
  deeper += std::string(65, ']');
  std::string error;
  EXPECT_FALSE(Valid(deeper, &error));
  EXPECT_NE(error.find("nesting deeper than 64"), std::string::npos) << error;
  // Far deeper input ends at the limit too, without recursing through it.
  EXPECT_FALSE(Valid(std::string(1000000, '[')));

  JsonLimits small;
  small.maxBytes = 8;
  EXPECT_TRUE(Valid("[1,2,3]", nullptr, small));
  EXPECT_FALSE(Valid("[1,2,3,4]", &error, small));
  EXPECT_NE(error.find("larger than 8 bytes"), std::string::npos) << error;
}

TEST(JsonReader, IntegersAreExactAndBounded) {
  auto read = [](std::string_view text, int64_t* v) {
    JsonReader r(text);
    return r.Integer(v) && r.Finish();
  };
  int64_t v = 0;
  EXPECT_TRUE(read("9223372036854775807", &v));
  EXPECT_EQ(v, INT64_MAX);
  EXPECT_TRUE(read("-9223372036854775808", &v));
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_FALSE(read("9223372036854775808", &v));
  EXPECT_FALSE(read("-9223372036854775809", &v));
  EXPECT_FALSE(read("1.0", &v));
  EXPECT_FALSE(read("1e3", &v));
  EXPECT_FALSE(read("\"1\"", &v));
}

TEST(JsonReader, WalksObjectsAndArrays) {
  JsonReader r(R"({"name": "x\u4e2dy", "list": [1, -2], "flag": true, "none": null})");
  ASSERT_TRUE(r.BeginObject());
  std::string key, text;
  std::vector<int64_t> numbers;
  bool flag = false;
  int members = 0;
  while (r.NextMember(&key)) {
    ++members;
    if (key == "name") {
      ASSERT_TRUE(r.String(&text));
    } else if (key == "list") {
      ASSERT_TRUE(r.BeginArray());
      while (r.NextItem()) {
        int64_t v;
        ASSERT_TRUE(r.Integer(&v));
        numbers.push_back(v);
      }
    } else if (key == "flag") {
      ASSERT_TRUE(r.Bool(&flag));
    } else {
      ASSERT_TRUE(r.Null());
    }
  }
  EXPECT_TRUE(r.Finish()) << r.Error();
  EXPECT_EQ(members, 4);
  EXPECT_EQ(text, u8"x中y");
  EXPECT_EQ(numbers, (std::vector<int64_t>{1, -2}));
  EXPECT_TRUE(flag);
}

TEST(JsonReader, ErrorsAreSticky) {
  JsonReader r("[1, x, 3]");
  ASSERT_TRUE(r.BeginArray());
  int64_t v;
  ASSERT_TRUE(r.NextItem());
  ASSERT_TRUE(r.Integer(&v));
  ASSERT_TRUE(r.NextItem());
  EXPECT_FALSE(r.Integer(&v));
  EXPECT_FALSE(r.NextItem());
  EXPECT_FALSE(r.Skip());
  EXPECT_FALSE(r.Finish());
  EXPECT_EQ(r.Error(), "line 1, column 5: expected an integer");
}

TEST(JsonWriter, LaysOutAndEscapes) {
  JsonWriter w;
  w.BeginObject();
  w.Key("a");
  w.Integer(-5);
  w.Key("list");
  w.BeginArray();
  w.BeginObject(true);
  w.Key("t");
  w.String(
      "q\"\\\n\x01\x1F"
      "\xE4\xB8\xAD");
  w.Key("inner");
  w.BeginArray();
  w.Bool(true);
  w.Integer(2);
  w.EndArray();
  w.EndObject();
  w.EndArray();
  w.Key("empty");
  w.BeginArray();
  w.EndArray();
  w.EndObject();
  EXPECT_EQ(w.Text(),
            "{\n"
            "  \"a\": -5,\n"
            "  \"list\": [\n"
            "    {\"t\": \"q\\\"\\\\\\n\\u0001\\u001f\xE4\xB8\xAD\", \"inner\": [true, 2]}\n"
            "  ],\n"
            "  \"empty\": []\n"
            "}\n");
  // What the writer makes, the reader takes back unchanged.
  JsonReader r(w.Text());
  EXPECT_TRUE(r.Skip() && r.Finish()) << r.Error();
}

}  // namespace
}  // namespace qgd
