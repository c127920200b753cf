#include "tools/qgd/GridJson.h"

#include <gtest/gtest.h>

#include "grid/core/GridFileFormat.h"
#include "tests/qgd/QgdTestSupport.h"

namespace qgd {
namespace {

using test::FeatureFile;

std::string Dump(const std::vector<uint8_t>& bytes) {
  std::string json, error;
  EXPECT_TRUE(DumpGridJson(bytes.data(), bytes.size(), &json, &error)) << error;
  return json;
}

std::vector<uint8_t> Build(const std::string& json) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(BuildGridFromJson(json, &bytes, &error)) << error;
  return bytes;
}

std::string BuildError(const std::string& json) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_FALSE(BuildGridFromJson(json, &bytes, &error)) << json;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  return error;
}

bool Has(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }

//--- Round trips --------------------------------------------------------------------

TEST(GridJson, SavedFileComesBackByteForByte) {
  std::vector<uint8_t> saved = FeatureFile();
  std::string json = Dump(saved);
  std::vector<uint8_t> rebuilt = Build(json);
  EXPECT_EQ(rebuilt, saved);
  EXPECT_EQ(Dump(rebuilt), json);
}

TEST(GridJson, DumpIsReadable) {
  std::string json = Dump(FeatureFile());
  // Texts in UTF-8, with JSON escapes for control characters.
  EXPECT_TRUE(Has(json, u8"{\"row\": 0, \"col\": 0, \"text\": \"销售单号：001\", \"check\": 0}")) << json;
  EXPECT_TRUE(Has(json, "\"text\": \"line1\\r\\nline2\\t\\\"q\\\" \\u0001\""));
  // Bytes that are no GBK text, or a user-defined code, keep their bytes.
  EXPECT_TRUE(Has(json, "\"text\": {\"hex\": \"FFFE20626164\"}"));
  EXPECT_TRUE(Has(json, "\"text\": {\"hex\": \"AAA1\"}"));
  // A check value without text, and a picture in base64.
  EXPECT_TRUE(Has(json, "{\"row\": 3, \"col\": 5, \"text\": \"\", \"check\": 1}"));
  EXPECT_TRUE(
      Has(json, "{\"row\": 4, \"col\": 6, \"text\": \"\", \"check\": 0, \"picture\": \"Qk0AAQL/gAc=\"}"));
  EXPECT_TRUE(Has(json, u8"\"items\": [\"平方米\", \"立方米\", \"套\"]"));
  EXPECT_TRUE(Has(json,
                  "{\"column\": 7, \"kind\": 104, \"currencySymbol\": \"\", \"dateFormat\": \"\", "
                  "\"pictureMode\": 0, \"decimalPlaces\": 0, \"items\": []}"));
  EXPECT_TRUE(Has(json, u8"\"currencySymbol\": \"￥\""));
  EXPECT_TRUE(Has(json, u8"\"weight\": 700, \"italic\": 1"));
  EXPECT_TRUE(Has(json, u8"\"face\": \"黑体\"}"));
  EXPECT_TRUE(Has(json, "\"spareFlags\": [\n    {\"row\": 5, \"col\": 4, \"value\": 1}\n  ]"));
  EXPECT_TRUE(Has(json, "\"states\": [\n    {\"row\": 0, \"col\": 2, \"value\": 64}"));
  EXPECT_TRUE(Has(json, "{\"row\": 6, \"col\": 1, \"value\": 264}"));
  EXPECT_TRUE(Has(json,
                  "\"rowFormulas\": [\n    {\"firstCol\": 1, \"secondCol\": 2, \"operation\": 503, "
                  "\"resultCol\": 2}\n  ]"));
  EXPECT_TRUE(Has(json, "{\"column\": 2, \"firstRow\": 2, \"lastRow\": 7, \"resultRow\": 8}"));
  EXPECT_TRUE(Has(json,
                  u8"\"printTitle\": {\"text\": \"送货单\", \"face\": \"楷体\", \"size\": 24, \"bold\": 0, "
                  u8"\"alignment\": 1}"));
  EXPECT_TRUE(Has(json,
                  "\"printLayout\": {\"headerBand\": 70, \"footerBand\": 50, \"leftMargin\": 30, "
                  "\"rightMargin\": 30, \"topMargin\": 25, \"bottomMargin\": 25, \"titleGap\": 15}"));
  EXPECT_TRUE(Has(json, "\"colWidths\": [30, 30, 80, 2, 30, 30, 30, 30, 30]"));
}

TEST(GridJson, OlderVersionsRoundTripWithTheirSections) {
  grid::GridFileImage image;
  std::vector<uint8_t> saved = FeatureFile();
  ASSERT_TRUE(grid::ParseGridFile(saved.data(), saved.size(), &image));
  for (int version = 1; version <= 5; ++version) {
    SCOPED_TRACE(version);
    image.version = version;
    std::vector<uint8_t> file = grid::EncodeGridFile(image);
    std::string json = Dump(file);
    EXPECT_TRUE(Has(json, "\"version\": " + std::to_string(version)));
    EXPECT_EQ(Has(json, "\"states\""), version >= 2);
    EXPECT_EQ(Has(json, "\"rowFormulas\""), version >= 3);
    EXPECT_EQ(Has(json, "\"columnSums\""), version >= 4);
    EXPECT_EQ(Has(json, "\"printTitle\""), version >= 5);
    EXPECT_EQ(Has(json, "\"printLayout\""), version >= 5);
    EXPECT_EQ(Build(json), file);
  }
}

// A version 1 file laid out here byte by byte, apart from the grid's own writer.
TEST(GridJson, HandMadeVersionOneFile) {
  std::vector<uint8_t> f;
  auto i32 = [&](int32_t v) {
    for (int k = 0; k < 4; ++k) f.push_back(uint8_t(uint32_t(v) >> (8 * k)));
  };
  auto field = [&](const std::string& s, size_t n) {
    f.insert(f.end(), s.begin(), s.end());
    f.insert(f.end(), n - s.size(), 0);
  };
  field("QGRD", 4);
  i32(1);
  f.push_back(7), f.push_back(0), f.push_back(0), f.push_back(1);  // reserved words 7 and 256
  // rows, cols, fixed rows, fixed cols, default height, default width
  for (int32_t v : {2, 2, 1, 0, 18, 64}) i32(v);
  // line, back, text, light colours; line type; five switches; alternate colours
  for (int32_t v : {0x808080, 0xFFFFFF, 0x000000, 0x0000FF, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0x111111, 0x222222})
    i32(v);
  // K, M, C, fonts, then six value lists (no state list in version 1)
  for (int32_t v : {1, 0, 1, 0, 1, 0, 0, 0, 0, 0}) i32(v);
  ASSERT_EQ(f.size(), 12u + 124u);
  for (int32_t v : {20, 21, 60, 61}) i32(v);  // row heights, column widths
  i32(1), i32(104), field("", 8), field("", 12), i32(0), i32(0), i32(1), field("块", 100);
  i32(1), i32(1), field("一块", 256), i32(0), i32(0);  // the cell record
  i32(1), i32(0), i32(0xC0FFEE);                       // one back colour
  ASSERT_GT(f.size(), grid::kGridFileMinimumRefused);

  std::string json = Dump(f);
  EXPECT_TRUE(Has(json, "\"reserved\": [7, 256]"));
  EXPECT_TRUE(Has(
      json, "\"alternateColours\": {\"applied\": 1, \"byRows\": 0, \"odd\": 1118481, \"even\": 2236962}"));
  EXPECT_TRUE(Has(json, "\"rowHeights\": [20, 21]"));
  EXPECT_TRUE(Has(json, u8"\"items\": [\"块\"]"));
  EXPECT_TRUE(Has(json, u8"{\"row\": 1, \"col\": 1, \"text\": \"一块\", \"check\": 0}"));
  EXPECT_TRUE(Has(json, "\"backColours\": [\n    {\"row\": 1, \"col\": 0, \"value\": 12648430}\n  ]"));
  EXPECT_FALSE(Has(json, "\"states\""));
  EXPECT_EQ(Build(json), f);
}

// Found by fuzzing: the reader stops after the last section, so bytes beyond it are not
// part of the dump and the rebuilt file is the file without them.
TEST(GridJson, BytesAfterTheLastSectionAreNotKept) {
  std::vector<uint8_t> saved = FeatureFile();
  std::vector<uint8_t> padded = saved;
  padded.insert(padded.end(), {'t', 'a', 'i', 'l'});
  std::string json = Dump(padded);
  EXPECT_EQ(json, Dump(saved));
  EXPECT_EQ(Build(json), saved);
}

TEST(GridJson, DumpRefusesWhatTheGridRefuses) {
  std::vector<uint8_t> saved = FeatureFile();
  std::string json, error;
  for (size_t cut : {size_t(0), size_t(539), size_t(600), saved.size() / 2, saved.size() - 1}) {
    EXPECT_FALSE(DumpGridJson(saved.data(), cut, &json, &error)) << cut;
    EXPECT_FALSE(error.empty());
  }
  saved[0] = 'X';
  EXPECT_FALSE(DumpGridJson(saved.data(), saved.size(), &json, &error));
  EXPECT_NE(error.find("magic"), std::string::npos) << error;
}

//--- Building from hand-written JSON --------------------------------------------------

TEST(GridJson, MissingMembersTakeANewGridsValues) {
  std::vector<uint8_t> bytes =
      Build(u8R"({"rowCount": 30, "colCount": 2, "cells": [{"row": 1, "col": 1, "text": "合计"}]})");
  grid::GridModel fresh, loaded;
  std::string error;
  ASSERT_TRUE(grid::LoadGridFromBuffer(loaded, bytes.data(), bytes.size(), &error)) << error;
  EXPECT_EQ(loaded.RowCount(), 30);
  EXPECT_EQ(loaded.ColCount(), 2);
  EXPECT_EQ(loaded.RowHeight(29), fresh.DefaultRowHeight());
  EXPECT_EQ(loaded.ColWidth(1), fresh.DefaultColWidth());
  EXPECT_EQ(loaded.CellText(1, 1), "合计");
  EXPECT_EQ(loaded.Settings().lineColor, fresh.Settings().lineColor);
  EXPECT_EQ(loaded.Settings().isEdit, fresh.Settings().isEdit);
  EXPECT_EQ(loaded.Title().size, fresh.Title().size);
  EXPECT_TRUE(loaded.Layout() == fresh.Layout());
}

TEST(GridJson, HexTextsAndEscapesAreAccepted) {
  std::vector<uint8_t> bytes =
      Build(R"({"rowCount": 30, "colCount": 2, "cells": [{"row": 0, "col": 0, "text": {"hex": "b0a1ff"}},)"
            R"( {"row": 0, "col": 1, "text": "\u4e2d\t"}]})");
  grid::GridFileImage image;
  ASSERT_TRUE(grid::ParseGridFile(bytes.data(), bytes.size(), &image));
  ASSERT_EQ(image.cells.size(), 2u);
  EXPECT_EQ(image.CellText(image.cells[0]), "\xB0\xA1\xFF");
  EXPECT_EQ(image.CellText(image.cells[1]), "中\t");
}

TEST(GridJson, BadJsonIsRefusedWithAReason) {
  const std::string grid = R"("rowCount": 30, "colCount": 2)";
  struct Case {
    std::string json;
    std::string reason;
  } cases[] = {
      {"[]", "line 1, column 1: expected an object"},
      {"{" + grid + ", \"bogus\": 1}", "unknown member \"bogus\" in the grid"},
      {"{" + grid + u8", \"\\n名称\": 1}", u8"unknown member \"?名称\" in the grid"},
      {"{" + grid + ", \"" + std::string(60, 'k') + "\": 1}",
       "unknown member \"" + std::string(40, 'k') + "\" in"},
      {"{" + grid + ", \"rowCount\": 31}", "member \"rowCount\" appears twice"},
      {"{" + grid + "} x", "unexpected text after the end"},
      {"{" + grid + ", \"version\": 7}", "version must be 1 to 6"},
      {"{" + grid + ", \"version\": 0}", "version must be 1 to 6"},
      {"{" + grid + ", \"version\": 1, \"states\": []}", "\"states\" needs version 2"},
      {"{" + grid + ", \"version\": 2, \"rowFormulas\": []}", "\"rowFormulas\" needs version 3"},
      {"{" + grid + ", \"version\": 3, \"columnSums\": []}", "\"columnSums\" needs version 4"},
      {"{" + grid + ", \"version\": 4, \"printLayout\": {}}", "need version 5"},
      {"{" + grid + ", \"rowHeights\": [1, 2]}", "\"rowHeights\" must have rowCount entries"},
      {"{" + grid + ", \"colWidths\": [1, 2, 3]}", "\"colWidths\" must have colCount entries"},
      {"{" + grid + ", \"rowHeights\": [70000]}", "value 70000 outside 0..65535"},
      {R"({"rowCount": -1})", "negative row or column count"},
      {R"({"rowCount": 2000000})", "too many rows or columns"},
      {R"({"rowCount": 100000, "colCount": 100})", "too many rows or columns"},
      {R"({"rowCount": 1.5})", "expected an integer, not a fraction"},
      {R"({"rowCount": "3"})", "expected an integer"},
      {"{" + grid + ", \"lineColor\": -1}", "value -1 outside 0..4294967295"},
      {"{" + grid + ", \"headRowCount\": -1}", "the grid would refuse the result: negative"},
      {"{" + grid + ", \"reserved\": [1, 2, 3]}", "\"reserved\" has two entries"},
      {"{" + grid + ", \"reserved\": [1]}", "\"reserved\" has two entries"},
      {"{" + grid + ", \"reserved\": [65536, 0]}", "outside 0..65535"},
      {"{" + grid + ", \"cells\": [{\"row\": 1}]}", "cell without \"row\" and \"col\""},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": 5}]}", "expected a string"},
      {"{" + grid + u8", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": \"\xF0\x9F\x98\x80\"}]}",
       "without a GBK code"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": \"a\\u0000b\"}]}", "zero byte"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": {\"hex\": \"ABC\"}}]}",
       "bad hex digits"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": {\"hex\": \"00\"}}]}", "zero byte"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": {}}]}", "without its \"hex\" member"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"text\": {\"hex\": \"41\", \"b\": 1}}]}",
       "unknown member \"b\" in a hex text"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"picture\": \"QQ\"}]}", "not padded base64"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"picture\": \"QR==\"}]}", "not padded base64"},
      {"{" + grid + ", \"cells\": [{\"row\": 1, \"col\": 0, \"picture\": \"Q!==\"}]}", "not padded base64"},
      {"{" + grid + ", \"version\": 5, \"cells\": [{\"row\": 1, \"col\": 0, \"text\": \"" +
           std::string(256, 'x') + "\"}]}",
       "at most 255 bytes"},
      {"{" + grid +
           u8", \"columnKinds\": [{\"column\": 1, \"kind\": 107, \"currencySymbol\": \"￥￥￥￥\"}]}",
       "longer than 7 bytes"},
      {"{" + grid + ", \"columnKinds\": [{\"column\": 1, \"dateFormat\": \"%Y-%m-%d %H:%M\"}]}",
       "longer than 11 bytes"},
      {"{" + grid + ", \"columnKinds\": [{\"column\": 1, \"items\": [\"" + std::string(100, 'x') + "\"]}]}",
       "longer than 99 bytes"},
      {"{" + grid + ", \"printTitle\": {\"face\": \"" + std::string(32, 'x') + "\"}}",
       "longer than 31 bytes"},
      {"{" + grid + ", \"fonts\": [{\"row\": 1, \"col\": 1, \"italic\": 256}]}", "value 256 outside 0..255"},
      {"{" + grid + ", \"fonts\": [{\"row\": 1, \"col\": 1, \"size\": 9}]}",
       "unknown member \"size\" in a font"},
      {"{" + grid + ", \"margins\": [{\"row\": 1, \"value\": 9}]}",
       "value record without \"row\" and \"col\""},
      {"{" + grid + ", \"mergedBlocks\": [{\"masterRow\": 0, \"lastRow\": 0, \"lastRow\": 1}]}",
       "appears twice"},
      {R"({"colCount": 2})", "too short for the grid to load"},
  };
  for (const Case& c : cases) {
    std::string error = BuildError(c.json);
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.json << "\n -> " << error;
  }
}

}  // namespace
}  // namespace qgd
