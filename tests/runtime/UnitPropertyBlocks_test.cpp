#include "runtime/core/UnitPropertyBlocks.h"

#include <gtest/gtest.h>

#include <functional>

#include "runtime/core/ByteArchive.h"

namespace rt {
namespace {

// A reader as the tests drive it: the block in, success out.
using Reader = std::function<bool(const std::vector<uint8_t>&)>;

template <typename Props>
Reader Using(bool (*read)(const uint8_t*, size_t, Props*)) {
  return [read](const std::vector<uint8_t>& b) {
    Props p;
    return read(b.data(), b.size(), &p);
  };
}

void SetVersion(std::vector<uint8_t>* block, uint32_t version) {
  for (int i = 0; i < 4; ++i) block->at(kReservedPropertyBytes + i) = uint8_t(version >> (8 * i));
}

//--- The layouts the templates rely on ----------------------------------------------

TEST(UnitPropertyBlocks, EditBoxBlockIsTheStoredOneOf114Bytes) {
  EditBoxProps p;
  p.content = "青禾系列软件";
  ByteWriter expected;
  expected.Zeros(20).Word(2);
  for (uint32_t w : {1u, 0u, 0x00FFFFFFu, 1u, 0u, 0u, 0u, 0u, 0u}) expected.Word(w);
  expected.Half(42);
  for (uint32_t w : {0u, 0u, 0u, 100u, 0u, 0u}) expected.Word(w);
  expected.Word(0).CountedText("青禾系列软件").Word(0).Word(0);
  ASSERT_EQ(expected.Size(), 114u);
  EXPECT_EQ(WriteEditBoxProps(p), expected.Data());

  EditBoxProps back;
  ASSERT_TRUE(ReadEditBoxProps(expected.Data().data(), expected.Size(), &back));
  EXPECT_EQ(back.content, "青禾系列软件");
  EXPECT_EQ(back.backColor, 0x00FFFFFFu);
  EXPECT_EQ(back.passwordChar, 42);
  EXPECT_EQ(back.spinMaximum, 100);
  EXPECT_TRUE(back.font.empty());
}

TEST(UnitPropertyBlocks, StoredColoursAndStatesSitWhereTheTemplatesPutThem) {
  CheckProps check;
  check.checked = true;
  const std::vector<uint8_t> c = WriteCheckBoxProps(check);
  auto wordAt = [](const std::vector<uint8_t>& b, size_t i) {
    size_t p = kReservedPropertyBytes + 4 + 4 * i;
    return uint32_t(b[p] | b[p + 1] << 8 | b[p + 2] << 16 | uint32_t(b[p + 3]) << 24);
  };
  EXPECT_EQ(wordAt(c, 6), kDefaultColor);  // the seventh word: the text colour
  EXPECT_EQ(wordAt(c, 7), 1u);             // the eighth: checked

  const std::vector<uint8_t> g = WriteGroupBoxProps(GroupBoxProps{});
  EXPECT_EQ(wordAt(g, 2), kDefaultColor);  // the third word of a group box

  LabelProps label;
  label.caption = "标签";
  const std::vector<uint8_t> l = WriteLabelProps(label);
  EXPECT_EQ(l.size(), 20 + 4 + 16 * 4 + 4 + 4 + 4 + 4 + 4 + 4u);  // 16 words, B, B, T, T, T
}

// Writing what was read gives the same bytes, and the values a template sets survive.
template <typename Props>
Props RoundTrip(std::vector<uint8_t> (*write)(const Props&), bool (*read)(const uint8_t*, size_t, Props*),
                const Props& p) {
  const std::vector<uint8_t> b = write(p);
  Props back;
  EXPECT_TRUE(read(b.data(), b.size(), &back));
  EXPECT_EQ(write(back), b);
  return back;
}

TEST(UnitPropertyBlocks, EveryKindReadsBackWhatWasWritten) {
  WindowProps w;
  w.minButton = false;
  w.topMost = true;
  w.icon = {0, 0, 1, 0, 9, 9};
  w.caption = "窗口";
  w.font = MakeFontBytes(-12, 700, 134, "黑体");
  const WindowProps wBack = RoundTrip(WriteWindowProps, ReadWindowProps, w);
  EXPECT_EQ(wBack.caption, "窗口");
  EXPECT_EQ(wBack.icon, w.icon);
  EXPECT_FALSE(wBack.minButton);
  EXPECT_TRUE(wBack.topMost);

  LabelProps l;
  l.spare[8] = 77;
  l.caption = "第一行\r\n第二行";
  EXPECT_EQ(RoundTrip(WriteLabelProps, ReadLabelProps, l).spare[8], 77u);

  ButtonProps bt;
  bt.isDefault = true;
  bt.caption = "确定";
  EXPECT_TRUE(RoundTrip(WriteButtonProps, ReadButtonProps, bt).isDefault);

  CheckProps radio;
  radio.version = 1;
  radio.checked = true;
  EXPECT_TRUE(RoundTrip(WriteRadioBoxProps, ReadRadioBoxProps, radio).checked);

  GroupBoxProps g;
  g.caption = "页边距";
  EXPECT_EQ(RoundTrip(WriteGroupBoxProps, ReadGroupBoxProps, g).caption, "页边距");

  CommonDialogProps d;
  d.kind = 1;
  d.defaultExt = "qgd";
  const CommonDialogProps dBack = RoundTrip(WriteCommonDialogProps, ReadCommonDialogProps, d);
  EXPECT_EQ(dBack.kind, 1u);
  EXPECT_EQ(dBack.defaultExt, "qgd");

  const std::vector<uint8_t> date = WriteDateBoxProps();
  EXPECT_TRUE(ReadDateBoxProps(date.data(), date.size()));
  EXPECT_FALSE(ReadDateBoxProps(date.data(), date.size() - 1));
  EXPECT_FALSE(ReadDateBoxProps(date.data(), 0));
}

TEST(UnitPropertyBlocks, OlderVersionsLackTheirLaterFields) {
  WindowProps w;
  w.version = 5;
  w.caption = "关于";
  w.font = MakeFontBytes(-12, 400, 134, "宋体");  // not stored before version 6
  std::vector<uint8_t> b = WriteWindowProps(w);
  // Reserved, version, 7 words, the icon block, the caption (4 bytes), the class name.
  EXPECT_EQ(b.size(), 20 + 4 + 7 * 4 + 4 + (4 + 4) + 4u);
  WindowProps back;
  ASSERT_TRUE(ReadWindowProps(b.data(), b.size(), &back));
  EXPECT_EQ(back.version, 5u);
  EXPECT_EQ(back.caption, "关于");
  EXPECT_TRUE(back.font.empty());

  EditBoxProps e;
  e.version = 1;
  e.dataSource = "不存";
  b = WriteEditBoxProps(e);
  EXPECT_EQ(b.size(), 114u - 12 - 8);  // no content, no two trailing texts
  EditBoxProps eBack;
  ASSERT_TRUE(ReadEditBoxProps(b.data(), b.size(), &eBack));
  EXPECT_EQ(eBack.dataSource, "");
}

//--- Refused blocks -----------------------------------------------------------------

struct Kind {
  const char* name;
  std::vector<uint8_t> block;
  uint32_t highest;
  Reader read;
};

std::vector<Kind> AllKinds() {
  LabelProps label;
  label.caption = "标签";
  label.font = MakeFontBytes(-14, 400, 134, "宋体");
  CheckProps radio;
  radio.version = 1;
  return {
      {"window", WriteWindowProps(WindowProps{}), 6, Using(ReadWindowProps)},
      {"label", WriteLabelProps(label), 2, Using(ReadLabelProps)},
      {"edit box", WriteEditBoxProps(EditBoxProps{}), 2, Using(ReadEditBoxProps)},
      {"button", WriteButtonProps(ButtonProps{}), 1, Using(ReadButtonProps)},
      {"check box", WriteCheckBoxProps(CheckProps{}), 2, Using(ReadCheckBoxProps)},
      {"radio box", WriteRadioBoxProps(radio), 1, Using(ReadRadioBoxProps)},
      {"group box", WriteGroupBoxProps(GroupBoxProps{}), 1, Using(ReadGroupBoxProps)},
      {"common dialog", WriteCommonDialogProps(CommonDialogProps{}), 1, Using(ReadCommonDialogProps)},
  };
}

TEST(UnitPropertyBlocks, AVersionAboveTheKindsHighestIsNotRead) {
  for (Kind& k : AllKinds()) {
    ASSERT_TRUE(k.read(k.block)) << k.name;
    SetVersion(&k.block, k.highest + 1);
    EXPECT_FALSE(k.read(k.block)) << k.name;
    SetVersion(&k.block, 0xFFFFFFFF);
    EXPECT_FALSE(k.read(k.block)) << k.name;
  }
}

TEST(UnitPropertyBlocks, ShortOrOverlongBlocksAreRefused) {
  for (const Kind& k : AllKinds()) {
    for (size_t n = 0; n < k.block.size(); ++n)
      ASSERT_FALSE(k.read(std::vector<uint8_t>(k.block.begin(), k.block.begin() + n)))
          << k.name << " cut at " << n;
    std::vector<uint8_t> longer = k.block;
    longer.push_back(0);
    EXPECT_FALSE(k.read(longer)) << k.name << " with a byte too many";
  }
}

TEST(UnitPropertyBlocks, FontsAreDefaultOrALogFont) {
  GroupBoxProps g;
  g.font = FontBytes(59, 1);
  std::vector<uint8_t> b = WriteGroupBoxProps(g);
  GroupBoxProps back;
  EXPECT_FALSE(ReadGroupBoxProps(b.data(), b.size(), &back));
  g.font = FontBytes(60, 1);
  b = WriteGroupBoxProps(g);
  EXPECT_TRUE(ReadGroupBoxProps(b.data(), b.size(), &back));
  EXPECT_EQ(back.font, g.font);
}

TEST(UnitPropertyBlocks, LogFontBytesFollowTheRecordLayout) {
  const FontBytes f = MakeFontBytes(-14, 400, 134, "宋体");
  ASSERT_EQ(f.size(), kLogFontBytes);
  ByteArchive a(f.data(), f.size());
  int32_t height = 0, weight = 0;
  a.ReadInt(&height);
  a.Skip(12);
  a.ReadInt(&weight);
  EXPECT_EQ(height, -14);
  EXPECT_EQ(weight, 400);
  EXPECT_EQ(f[23], 134);  // character set
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[28])), "宋体");

  // A face longer than the record's 31 bytes is cut and still terminated.
  const FontBytes longFace = MakeFontBytes(0, 0, 0, std::string(40, 'f'));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&longFace[28])), std::string(31, 'f'));
  EXPECT_EQ(longFace[59], 0);
}

}  // namespace
}  // namespace rt
