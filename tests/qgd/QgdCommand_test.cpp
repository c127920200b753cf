#include "tools/qgd/QgdCommand.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "grid/core/PlatformFile.h"
#include "tests/qgd/QgdTestSupport.h"
#include "text/Csv.h"
#include "tools/qgd/GridCsv.h"

namespace qgd {
namespace {

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "qgd_" + name; }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string AsString(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Qgd(std::vector<std::string> args, InputReader input = nullptr) {
  Outcome r;
  r.status = RunQgd(args, &r.out, &r.err, input);
  return r;
}

// A failure is one line on the error stream, naming the file, and nothing on the output.
void ExpectOneLineFailure(const Outcome& r, const std::string& path, const std::string& reason) {
  EXPECT_EQ(r.status, kExitFailure);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.err.rfind("qgd: " + path + ": ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

TEST(QgdCommand, DumpBuildDumpThroughFiles) {
  std::string original = TempPath("original.qgd"), json = TempPath("dump.json"), copy = TempPath("copy.qgd");
  std::remove(copy.c_str());
  WriteFile(original, AsString(test::FeatureFile()));

  Outcome dump = Qgd({"dump", original});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_TRUE(dump.err.empty());
  WriteFile(json, dump.out);
  Outcome build = Qgd({"build", json, copy});
  ASSERT_EQ(build.status, 0) << build.err;
  EXPECT_TRUE(build.out.empty());
  EXPECT_EQ(ReadFile(copy), ReadFile(original));
  EXPECT_EQ(Qgd({"dump", copy}).out, dump.out);

  // The JSON may come from the standard input.
  static std::string input;
  input = dump.out;
  std::remove(copy.c_str());
  Outcome piped = Qgd({"build", "-", copy}, [](size_t, std::string* text) {
    *text = input;
    return true;
  });
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(ReadFile(copy), ReadFile(original));
}

TEST(QgdCommand, BadInputGivesOneLineAndAStatus) {
  std::string missing = TempPath("no-such-file.qgd");
  std::remove(missing.c_str());
  ExpectOneLineFailure(Qgd({"dump", missing}), missing, "cannot read the file");
  ExpectOneLineFailure(Qgd({"csv", missing}), missing, "cannot read the file");

  std::string junk = TempPath("junk.qgd");
  WriteFile(junk, std::string(600, 'x'));
  ExpectOneLineFailure(Qgd({"dump", junk}), junk, "bad magic");
  ExpectOneLineFailure(Qgd({"csv", junk}), junk, "bad magic");

  std::string cut = TempPath("cut.qgd");
  std::string saved = AsString(test::FeatureFile());
  WriteFile(cut, saved.substr(0, saved.size() - 3));
  ExpectOneLineFailure(Qgd({"dump", cut}), cut, "cut short");

  // A grid file handed to build is bad JSON; the target is left alone.
  std::string target = TempPath("target.qgd");
  WriteFile(target, "old contents");
  ExpectOneLineFailure(Qgd({"build", junk, target}), junk, "line 1, column 1: expected an object");
  std::string json = TempPath("bad.json");
  WriteFile(json,
            "{\"rowCount\": 30,\n \"colCount\": 2, \"cells\": [{\"row\": 0, \"col\": 0, \"text\": 7}]}");
  ExpectOneLineFailure(Qgd({"build", json, target}), json, "line 2, column 56: expected a string");
  EXPECT_EQ(ReadFile(target), "old contents");
  ExpectOneLineFailure(Qgd({"build", "-", target}), "standard input", "cannot read the JSON");

  // A target that cannot be written.
  std::string noDirectory = TempPath("no-such-dir/x.qgd");
  WriteFile(TempPath("original.qgd"), saved);
  WriteFile(json, Qgd({"dump", TempPath("original.qgd")}).out);
  ExpectOneLineFailure(Qgd({"build", json, noDirectory}), noDirectory, "cannot write the file");
}

TEST(QgdCommand, UsageForAnythingElse) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"dump"}, {"dump", "a", "b"}, {"build", "a"}, {"csv"}, {"print", "a"}}) {
    Outcome r = Qgd(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.rfind("usage: qgd dump FILE", 0), 0u) << r.err;
  }
}

TEST(QgdCsv, TextsAsTheGridShowsThem) {
  grid::GridModel g;
  g.SetRowCount(30);
  g.SetColCount(3);
  g.SetHeadRowCount(1);
  g.SetColumnKind(1, 2);
  g.SetDecimalPlaces(1, 2);
  g.SetCellText(0, 0, "名称");
  g.SetCellText(0, 1, "数量");
  g.SetCellText(1, 0, "a,b");
  g.SetCellText(1, 1, "5");
  g.SetCellText(1, 2, "say \"hi\"");
  g.SetCellText(2, 0, "two\nlines");
  g.SetCellText(2, 2, "\xFF");
  std::vector<uint8_t> file = grid::SaveGridToBuffer(g);

  std::string csv, error;
  ASSERT_TRUE(GridCsv(file.data(), file.size(), &csv, &error)) << error;
  std::string expected =
      u8"名称,数量,\r\n"
      "\"a,b\",5.00,\"say \"\"hi\"\"\"\r\n"
      "\"two\nlines\",,\xEF\xBF\xBD\r\n";
  for (int r = 3; r < 30; ++r) expected += ",,\r\n";
  EXPECT_EQ(csv, expected);

  std::string out;
  text::AppendCsvField("\r", &out);
  text::AppendCsvField(" plain ", &out);
  EXPECT_EQ(out, "\"\r\" plain ");
}

}  // namespace
}  // namespace qgd
