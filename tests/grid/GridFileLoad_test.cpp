// Loading hand-built files of versions 1 to 5, refusing damaged files with the grid
// left as it was, and saving that never leaves a half-written file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "GridTestSupport.h"
#include "grid/core/GridFile.h"

#ifdef _WIN32
#include <direct.h>
#define MakeDirectory(path) _mkdir(path)
#define RemoveDirectory(path) _rmdir(path)
#else
#include <unistd.h>
#define MakeDirectory(path) mkdir(path, 0700)
#define RemoveDirectory(path) rmdir(path)
#endif

namespace grid {
namespace {

using test::Bytes;

// A file of the given version written by hand from the format's tables: 4 rows of
// 2 columns, a number column 1 with 2 places, a list column 0 with one item, one
// merged block, three cells, a font, one record in every value list, a formula and a
// sum where the version has them, and the print settings from version 5.
std::vector<uint8_t> HandBuiltFile(int version) {
  Bytes f;
  f.Raw("QGRD", 4).I32(version).U16(0).U16(0);
  f.I32(4).I32(2).I32(1).I32(0).I32(22).I32(55);              // counts, default sizes
  f.I32(0x808080).I32(0xEEEEEE).I32(0x111111).I32(0x0000FF);  // colours
  f.I32(2).I32(0).I32(1).I32(1).I32(0).I32(1).I32(0);         // line type .. print button
  f.I32(1).I32(0).I32(0xABCDEF).I32(0x123456);                // alternate colours
  f.I32(2).I32(1).I32(3).I32(1);                              // kinds, merges, cells, fonts
  for (int list = 0; list < 6; ++list) f.I32(1);              // back colour .. spare flag
  if (version >= 2) f.I32(1);                                 // states
  if (version >= 3) f.I32(1);                                 // formulas
  if (version >= 4) f.I32(1);                                 // sums
  if (version >= 5) {
    f.Field("旧标题", 256).Field("楷体", 32).I32(24).I32(0).I32(1);
    for (int v : {61, 62, 43, 44, 25, 26, 27}) f.I32(v);
  }
  for (int h : {30, 2, 22, 22}) f.I32(h);  // row heights
  for (int w : {70, 80}) f.I32(w);         // column widths
  f.I32(0).I32(kind::kList).Field("", 8).Field("", 12).I32(0).I32(0).I32(1).Field("立方米", 100);
  f.I32(1).I32(kind::kNumber).Field("", 8).Field("", 12).I32(0).I32(2).I32(0);
  f.I32(2).I32(0).I32(2).I32(0).I32(3).I32(0);  // merged rows 2..3 of column 0
  auto cell = [&](int r, int c, const std::string& text, int check) {
    f.I32(r).I32(c);
    if (version >= 6)
      f.I32(int32_t(text.size() + 1)).Field(text, text.size() + 1);
    else
      f.Field(text, 256);
    f.I32(check).I32(0);
  };
  cell(0, 0, "表头", 0);
  cell(1, 1, "7", 0);
  cell(1, 0, "立方米", 1);
  LogFont font = DefaultGridFont();
  font.SetFace("Courier");
  font.weight = 700;
  f.I32(1).I32(1).Raw(&font, sizeof font);
  f.I32(1).I32(0).I32(0x00FF00);                            // back colour
  f.I32(1).I32(1).I32(0x0000FF);                            // text colour
  f.I32(1).I32(1).I32(0x826);                               // format
  f.I32(3).I32(1).I32(1);                                   // diagonal
  f.I32(3).I32(1).I32(15);                                  // margin
  f.I32(0).I32(1).I32(1);                                   // spare flag
  if (version >= 2) f.I32(1).I32(1).I32(state::kReadOnly);  // state
  if (version >= 3) f.I32(1).I32(1).I32(op::kAdd).I32(1);   // formula
  if (version >= 4) f.I32(1).I32(1).I32(2).I32(3);          // sum
  return f.data;
}

class LoadTest : public ::testing::Test {
 protected:
  LoadTest() : pictures_(&service_) {
    grid_.SetRowCount(2);
    grid_.SetColCount(2);
    grid_.SetCellText(1, 1, "before");
    grid_.Title() = PrintTitle{"keep", "keep", 30, 1, 1};
    grid_.Layout() = PrintLayout{1, 2, 3, 4, 5, 6, 7};
    grid_.AddRowFormula({0, 0, op::kAdd, 1});
    grid_.AddColumnSum({0, 0, 0, 1});
  }
  // Loads and, on failure, checks the grid is exactly as it was.
  bool Load(const std::vector<uint8_t>& file, std::string* error = nullptr) {
    std::vector<uint8_t> before = SaveGridToBuffer(grid_);
    bool loaded = LoadGridFromBuffer(grid_, file.data(), file.size(), error);
    if (!loaded) {
      EXPECT_EQ(SaveGridToBuffer(grid_), before) << "a refused file changed the grid";
    }
    return loaded;
  }

  MemoryPictureService service_;
  ScopedPictureService pictures_;
  GridModel grid_;
};

TEST_F(LoadTest, HandBuiltFilesOfEveryVersionLoad) {
  for (int version = 1; version <= 6; ++version) {
    SCOPED_TRACE(testing::Message() << "version " << version);
    std::vector<uint8_t> file = HandBuiltFile(version);
    ASSERT_GT(file.size(), 539u);
    std::string error;
    ASSERT_TRUE(Load(file, &error)) << error;
    GridModel& g = grid_;
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.HeadRowCount(), 1);
    EXPECT_EQ(g.DefaultColWidth(), 55);
    EXPECT_EQ(g.RowHeight(0), 30);
    EXPECT_EQ(g.RowHeight(1), 6);  // 2 raised to LineWidth + 6
    EXPECT_EQ(g.ColWidth(1), 80);
    EXPECT_EQ(g.Settings().lineColor, 0x808080u);
    EXPECT_EQ(g.Settings().lineType, 2);
    EXPECT_EQ(g.Settings().isShowDiglog, 0);
    EXPECT_EQ(g.Alternate().applied, 1);
    EXPECT_EQ(g.Alternate().even, 0x123456u);
    EXPECT_EQ(g.CellText(0, 0), "表头");
    EXPECT_EQ(g.CellText(1, 1), "7.00");
    EXPECT_EQ(g.CellText(1, 0), "立方米");
    EXPECT_EQ(g.Cell(1, 0)->GetCheck(), 1);
    EXPECT_EQ(*g.FindColumnKind(0)->list, std::vector<std::string>{"立方米"});
    EXPECT_EQ(g.DecimalPlaces(1), 2);
    EXPECT_EQ(g.Cell(2, 0)->GetMergeMaster(), 1);
    EXPECT_EQ(g.Cell(3, 0)->GetState() & state::kCovered, state::kCovered);
    EXPECT_EQ(std::string(g.Cell(1, 1)->GetFont()->Face()), "Courier");
    EXPECT_EQ(g.Cell(1, 0)->GetBkColor(), 0x00FF00u);
    EXPECT_EQ(g.Cell(1, 1)->GetTextColor(), 0x0000FFu);
    EXPECT_EQ(g.Cell(1, 1)->GetFormat(), 0x826u);
    EXPECT_EQ(g.Cell(3, 1)->GetDiagonal(), 1);
    EXPECT_EQ(g.Cell(3, 1)->GetMargin(), 15);
    EXPECT_EQ(g.Cell(0, 1)->GetSpareFlag(), 1);
    EXPECT_EQ(g.Cell(1, 1)->GetState(), version >= 2 ? state::kReadOnly : 0u);
    EXPECT_EQ(g.RowFormulas().size(), version >= 3 ? 1u : 0u);
    EXPECT_EQ(g.ColumnSums().size(), version >= 4 ? 1u : 0u);
    if (version >= 5) {
      EXPECT_EQ(g.Title().text, "旧标题");
      EXPECT_EQ(g.Title().face, "楷体");
      EXPECT_EQ(g.Title().size, 24);
      EXPECT_EQ(g.Layout(), (PrintLayout{61, 62, 43, 44, 25, 26, 27}));
    } else {
      EXPECT_EQ(g.Title().text, "keep");
      EXPECT_EQ(g.Layout(), (PrintLayout{1, 2, 3, 4, 5, 6, 7}));
    }
  }
}

TEST_F(LoadTest, RefusesWrongMagicUnknownVersionsAndShortFiles) {
  std::vector<uint8_t> file = HandBuiltFile(6);
  std::string error;
  std::vector<uint8_t> bad = file;
  bad[0] = 'q';
  EXPECT_FALSE(Load(bad, &error));
  EXPECT_EQ(error, "not a grid file (bad magic)");
  for (int version : {0, 7, -1}) {
    bad = file;
    bad[4] = uint8_t(version);
    bad[5] = bad[6] = bad[7] = version < 0 ? 0xFF : 0;
    EXPECT_FALSE(Load(bad, &error));
    EXPECT_EQ(error, "unsupported grid file version");
  }
  EXPECT_FALSE(Load({}));
  std::vector<uint8_t> padded = HandBuiltFile(6);
  padded.resize(539);
  EXPECT_FALSE(Load(padded, &error));
  EXPECT_EQ(error, "file too short");
}

TEST_F(LoadTest, EveryCutShortFileIsRefused) {
  for (int version : {1, 5, 6}) {
    std::vector<uint8_t> file = HandBuiltFile(version);
    for (size_t size = 0; size < file.size(); ++size) {
      std::vector<uint8_t> cut(file.begin(), file.begin() + ptrdiff_t(size));
      ASSERT_FALSE(Load(cut)) << "version " << version << " cut at " << size;
    }
  }
}

// Offsets in the version 6 hand-built file.
constexpr size_t kBlock = 12;
constexpr size_t kSizes = kBlock + 464;
constexpr size_t kKinds = kSizes + 6 * 4;
constexpr size_t kMerged = kKinds + 140 + 40;
constexpr size_t kCells = kMerged + 24;

TEST_F(LoadTest, RefusesNegativeAndHugeCountsAndSizes) {
  const std::vector<uint8_t> file = HandBuiltFile(6);
  auto with = [&](size_t offset, int32_t value) {
    std::vector<uint8_t> f = file;
    for (int i = 0; i < 4; ++i) f[offset + i] = uint8_t(uint32_t(value) >> (8 * i));
    return f;
  };
  // Every count of the block, negative and huge.
  for (size_t offset = kBlock + 84; offset <= kBlock + 132; offset += 4) {
    EXPECT_FALSE(Load(with(offset, -1))) << offset;
    EXPECT_FALSE(Load(with(offset, 0x7FFFFFFF))) << offset;
  }
  for (size_t offset : {kBlock + 0, kBlock + 4, kBlock + 8, kBlock + 12})
    EXPECT_FALSE(Load(with(offset, -2)));
  EXPECT_FALSE(Load(with(kBlock + 0, kMaxRows + 1)));
  EXPECT_FALSE(Load(with(kBlock + 16, -1)));       // default row height
  EXPECT_FALSE(Load(with(kBlock + 20, 1 << 20)));  // default column width
  EXPECT_FALSE(Load(with(kSizes, -5)));            // a row height
  EXPECT_FALSE(Load(with(kSizes + 16, kMaxSize + 1)));
  EXPECT_FALSE(Load(with(kKinds + 36, -1)));  // list item count
  EXPECT_FALSE(Load(with(kKinds + 36, 1 << 30)));
  EXPECT_FALSE(Load(with(kCells + 8, 0)));  // T below 1
  EXPECT_FALSE(Load(with(kCells + 8, -1)));
  EXPECT_FALSE(Load(with(kCells + 8, 0x7FFFFFF0)));
  EXPECT_FALSE(Load(with(kCells + 12 + 5 + 4, -1)));  // picture size
  EXPECT_FALSE(Load(with(kCells + 12 + 5 + 4, 1 << 30)));
  // A sane value in the same places loads.
  EXPECT_TRUE(Load(with(kSizes, 500)));
}

TEST_F(LoadTest, RefusesTextsWithoutTheirTerminatingZero) {
  const std::vector<uint8_t> v6 = HandBuiltFile(6);
  auto filled = [](std::vector<uint8_t> f, size_t offset, size_t length) {
    for (size_t i = 0; i < length; ++i) f[offset + i] = 'A';
    return f;
  };
  EXPECT_FALSE(Load(filled(v6, kCells + 12, 5)));     // the T bytes of "表头" and its zero
  EXPECT_FALSE(Load(filled(v6, kKinds + 8, 8)));      // currency symbol
  EXPECT_FALSE(Load(filled(v6, kKinds + 16, 12)));    // date format
  EXPECT_FALSE(Load(filled(v6, kKinds + 40, 100)));   // list item
  EXPECT_FALSE(Load(filled(v6, kBlock + 136, 256)));  // print title
  EXPECT_FALSE(Load(filled(v6, kBlock + 392, 32)));   // print title face
  size_t fonts = v6.size() - 16 - 16 - 12 * 7 - 68;
  ASSERT_EQ(v6[fonts], 1);
  EXPECT_FALSE(Load(filled(v6, fonts + 8 + 28, 32)));  // font face
  // A zero inside the T bytes ends the text there.
  std::vector<uint8_t> early = v6;
  early[kCells + 12 + 2] = 0;
  ASSERT_TRUE(Load(early));
  EXPECT_EQ(grid_.CellText(0, 0), "表");

  const std::vector<uint8_t> v5 = HandBuiltFile(5);
  size_t oldCells = kCells;  // same layout up to the cells
  EXPECT_FALSE(Load(filled(v5, oldCells + 8, 256)));
  std::vector<uint8_t> full = filled(v5, oldCells + 8, 255);
  EXPECT_TRUE(Load(full));
  EXPECT_EQ(grid_.CellText(0, 0), std::string(255, 'A'));
}

TEST_F(LoadTest, RecordsOutsideTheGridAreSkipped) {
  std::vector<uint8_t> file = HandBuiltFile(6);
  // Move the first cell, the merged block and the font record far outside.
  auto put = [&](size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = uint8_t(uint32_t(value) >> (8 * i));
  };
  put(kCells, 1000);
  put(kMerged + 16, 99);  // last row beyond the grid
  size_t fonts = file.size() - 16 - 16 - 12 * 7 - 68;
  put(fonts, -3);
  ASSERT_TRUE(Load(file));
  EXPECT_EQ(grid_.CellText(0, 0), "");
  EXPECT_TRUE(grid_.MergedBlocks().empty());
  EXPECT_EQ(grid_.Cell(2, 0)->GetMergeMaster(), 0);
  EXPECT_EQ(grid_.CellText(1, 1), "7.00");
}

TEST_F(LoadTest, DuplicateKindRecordsLeaveOneKindPerColumn) {
  GridFileImage image;
  std::vector<uint8_t> file = HandBuiltFile(6);
  ASSERT_TRUE(ParseGridFile(file.data(), file.size(), &image));
  GridFileImage::KindRecord check;
  check.column = 1;
  check.kind = kind::kCheck;
  image.kinds.push_back(check);
  std::vector<uint8_t> doubled = EncodeGridFile(image);
  ASSERT_TRUE(Load(doubled));
  EXPECT_EQ(grid_.ColumnKinds().size(), 2u);
  EXPECT_TRUE(grid_.IsKindColumn(1, kind::kCheck));
  EXPECT_FALSE(grid_.IsNumberColumn(1));
}

//--- Files on disk ---------------------------------------------------------------------

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) { return std::ifstream(path).good(); }

TEST_F(LoadTest, SavingReplacesTheFileOnlyWhenEverythingWasWritten) {
  std::string path = ::testing::TempDir() + "grid_save_test.qgd";
  std::string temporary = path + ".saving~";
  std::remove(path.c_str());
  grid_.SetRowCount(40);
  ASSERT_TRUE(SaveGridFile(grid_, path));
  EXPECT_FALSE(Exists(temporary));
  std::vector<uint8_t> saved = ReadAll(path);
  EXPECT_EQ(saved, SaveGridToBuffer(grid_));

  // The temporary file cannot be made: the old file stays as it was.
  ASSERT_EQ(MakeDirectory(temporary.c_str()), 0);
  grid_.SetCellText(3, 1, "new content");
  std::string error;
  EXPECT_FALSE(SaveGridFile(grid_, path, &error));
  EXPECT_EQ(error, "cannot write the file");
  EXPECT_EQ(ReadAll(path), saved);
  RemoveDirectory(temporary.c_str());

  // The target is a directory: nothing replaces it and no temporary file is left.
  std::string directory = ::testing::TempDir() + "grid_save_dir.qgd";
  MakeDirectory(directory.c_str());
  EXPECT_FALSE(SaveGridFile(grid_, directory));
  EXPECT_FALSE(Exists(directory + ".saving~"));
  RemoveDirectory(directory.c_str());
  EXPECT_FALSE(SaveGridFile(grid_, ::testing::TempDir() + "no-such-dir/x.qgd"));
  EXPECT_FALSE(SaveGridFile(grid_, ""));

  // A successful save over the old file, then loading it back.
  ASSERT_TRUE(SaveGridFile(grid_, path));
  GridModel loaded;
  ASSERT_TRUE(LoadGridFile(loaded, path, &error)) << error;
  EXPECT_EQ(loaded.CellText(3, 1), "new content");
  EXPECT_FALSE(LoadGridFile(loaded, path + ".missing", &error));
  EXPECT_EQ(error, "cannot read the file");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace grid
