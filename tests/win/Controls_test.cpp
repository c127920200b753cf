// The core control kinds in a real window: property blocks, property round trips, and
// the events they raise.
#include <gtest/gtest.h>

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Gbk.h"
#include "tests/win/ControlTestWindow.h"

namespace {

using controls_test::LogicProperty;
using controls_test::SetTextProperty;
using controls_test::TestWindow;
using controls_test::TextProperty;
using rt::win::Unit;

constexpr int kContent = 0;   // edit box property 8
constexpr int kChecked = 10;  // check and radio box property 18

std::vector<uint8_t> EditBlock(const std::string& content, uint32_t backColor = 0x00FFFFFF) {
  rt::EditBoxProps p;
  p.content = content;
  p.backColor = backColor;
  return rt::WriteEditBoxProps(p);
}

std::vector<uint8_t> GroupBlock(const std::string& caption) {
  rt::GroupBoxProps p;
  p.caption = caption;
  return rt::WriteGroupBoxProps(p);
}

std::vector<uint8_t> RadioBlock(const std::string& caption, bool selected) {
  rt::CheckProps p;
  p.version = 1;
  p.caption = caption;
  p.checked = selected;
  return rt::WriteRadioBoxProps(p);
}

bool Checked(Unit* u) { return SendMessageW(u->Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

//--- Edit box ---------------------------------------------------------------------------

TEST(ControlsEditBox, ContentWriteRaisesExactlyOneEventAndSelectsAll) {
  TestWindow w;
  Unit* edit = w.Add(rt::win::kEditBoxType, 0x1601002a, EditBlock("青禾系列软件"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(TextProperty(edit, kContent), "青禾系列软件");
  EXPECT_TRUE(w.host.events.empty()) << "creation raises nothing";

  ASSERT_TRUE(SetTextProperty(edit, kContent, "客户甲"));
  TestWindow::Pump();
  EXPECT_EQ(w.host.Count(0x1601002a), 1);
  EXPECT_EQ(TextProperty(edit, kContent), "客户甲");
  DWORD start = 9, end = 9;
  SendMessageW(edit->Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);  // three characters

  // The same text again is still a write: one more event, not zero, not two.
  ASSERT_TRUE(SetTextProperty(edit, kContent, "客户甲"));
  SetTextProperty(edit, kContent, "");
  EXPECT_EQ(w.host.Count(0x1601002a), 3);
  EXPECT_EQ(TextProperty(edit, kContent), "");
}

TEST(ControlsEditBox, UserEditsRaiseTheEventAlsoInsideAGroupBox) {
  TestWindow w;
  Unit* group = w.Add(rt::win::kGroupBoxType, 0x16010043, GroupBlock("打印表头"), {8, 8, 320, 152});
  Unit* inside = w.Add(rt::win::kEditBoxType, 0x1601004c, EditBlock("宋体"), {96, 16, 216, 36}, group);
  Unit* outside = w.Add(rt::win::kEditBoxType, 0x16010025, EditBlock(""), {8, 200, 120, 224});
  ASSERT_TRUE(group && inside && outside);
  ASSERT_EQ(GetParent(inside->Hwnd()), group->Hwnd());

  SendMessageW(inside->Hwnd(), WM_CHAR, L'x', 0);
  SendMessageW(outside->Hwnd(), WM_CHAR, L'y', 0);
  SendMessageW(outside->Hwnd(), WM_CHAR, L'z', 0);
  EXPECT_EQ(w.host.Count(0x1601004c), 1);
  EXPECT_EQ(w.host.Count(0x16010025), 2);
  EXPECT_EQ(TextProperty(inside, kContent), "x宋体");  // typed at the caret
  EXPECT_EQ(TextProperty(outside, kContent), "yz");
}

TEST(ControlsEditBox, StoredColoursReachTheControlThroughTheGroupBox) {
  TestWindow w;
  Unit* group = w.Add(rt::win::kGroupBoxType, 1, GroupBlock("页边距"), {8, 8, 200, 152});
  Unit* edit = w.Add(rt::win::kEditBoxType, 2, EditBlock("19.05", 0x0000FFFF), {32, 18, 72, 38}, group);
  ASSERT_TRUE(group && edit);
  HDC dc = GetDC(edit->Hwnd());
  // The edit box asks its parent, the group box, which passes the question on.
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      group->Hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Hwnd())));
  LOGBRUSH lb{};
  ASSERT_TRUE(brush != nullptr && GetObjectW(brush, sizeof(lb), &lb) == sizeof(lb));
  EXPECT_EQ(lb.lbColor, COLORREF(0x0000FFFF));
  EXPECT_EQ(GetBkColor(dc), COLORREF(0x0000FFFF));
  ReleaseDC(edit->Hwnd(), dc);
}

TEST(ControlsEditBox, HandlerThatRemovesTheUnitDuringTheEventIsSafe) {
  TestWindow w;
  Unit* edit = w.Add(rt::win::kEditBoxType, 7, EditBlock("a"));
  ASSERT_NE(edit, nullptr);
  HWND hwnd = edit->Hwnd();
  w.host.onEvent = [&](rt::UnitRef, int) { w.Remove(edit); };
  SetTextProperty(edit, kContent, "b");
  EXPECT_EQ(w.host.Count(7), 1);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(w.units.empty());
}

//--- Buttons, check boxes and radio boxes -------------------------------------------------

TEST(ControlsButton, ClickRaisesEventZero) {
  TestWindow w;
  rt::ButtonProps p;
  p.caption = "使用帮助";
  Unit* button = w.Add(rt::win::kButtonType, 0x160100ea, rt::WriteButtonProps(p));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(TextProperty(button, 0), "使用帮助");
  SendMessageW(button->Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(w.host.Count(0x160100ea), 1);
}

TEST(ControlsCheckBox, CheckedStateRoundTripsAndOnlyClicksRaiseEvents) {
  TestWindow w;
  rt::CheckProps p;
  p.caption = "加粗";
  p.checked = true;
  Unit* box = w.Add(rt::win::kCheckBoxType, 0x1601004d, rt::WriteCheckBoxProps(p));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(LogicProperty(box, kChecked));
  EXPECT_TRUE(Checked(box));

  ASSERT_TRUE(box->SetProperty(kChecked, rt::MakeLogic(false)));
  EXPECT_FALSE(LogicProperty(box, kChecked));
  EXPECT_FALSE(Checked(box));
  ASSERT_TRUE(box->SetProperty(kChecked, rt::MakeLogic(true)));
  EXPECT_TRUE(LogicProperty(box, kChecked));
  EXPECT_EQ(w.host.events.size(), 0u);

  SendMessageW(box->Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(w.host.Count(0x1601004d), 1);
  EXPECT_FALSE(LogicProperty(box, kChecked)) << "a click toggles";
}

TEST(ControlsRadioBox, BoxesOfOneContainerFormAGroup) {
  TestWindow w;
  Unit* group = w.Add(rt::win::kGroupBoxType, 0x16010043, GroupBlock("打印表头"), {8, 8, 320, 152});
  Unit* left =
      w.Add(rt::win::kRadioBoxType, 0x16010046, RadioBlock("左对齐", false), {32, 104, 112, 128}, group);
  Unit* centre =
      w.Add(rt::win::kRadioBoxType, 0x16010045, RadioBlock("居中对齐", true), {128, 104, 208, 128}, group);
  Unit* right =
      w.Add(rt::win::kRadioBoxType, 0x16010044, RadioBlock("右对齐", false), {224, 104, 304, 128}, group);
  // A radio box straight in the window belongs to another group.
  Unit* other = w.Add(rt::win::kRadioBoxType, 0x16010099, RadioBlock("其他", true), {8, 200, 100, 224});
  ASSERT_TRUE(group && left && centre && right && other);
  EXPECT_FALSE(LogicProperty(left, kChecked));
  EXPECT_TRUE(LogicProperty(centre, kChecked));

  SendMessageW(left->Hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(LogicProperty(left, kChecked));
  EXPECT_FALSE(LogicProperty(centre, kChecked));
  EXPECT_FALSE(LogicProperty(right, kChecked));
  EXPECT_TRUE(Checked(left));
  EXPECT_FALSE(Checked(centre));
  EXPECT_TRUE(LogicProperty(other, kChecked)) << "other containers are untouched";
  ASSERT_EQ(w.host.events.size(), 1u) << "only the clicked box reports";
  EXPECT_EQ(w.host.events[0].ref.unit, 0x16010046u);

  // Selecting from code moves the selection and raises nothing.
  ASSERT_TRUE(right->SetProperty(kChecked, rt::MakeLogic(true)));
  EXPECT_FALSE(LogicProperty(left, kChecked));
  EXPECT_TRUE(LogicProperty(right, kChecked));
  EXPECT_TRUE(Checked(right));
  ASSERT_TRUE(right->SetProperty(kChecked, rt::MakeLogic(false)));
  EXPECT_FALSE(LogicProperty(right, kChecked));
  EXPECT_FALSE(LogicProperty(left, kChecked) || LogicProperty(centre, kChecked));
  EXPECT_EQ(w.host.events.size(), 1u);

  // Clicking the selected box again still counts as a click.
  SendMessageW(left->Hwnd(), BM_CLICK, 0, 0);
  SendMessageW(left->Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(w.host.Count(0x16010046), 3);
  EXPECT_TRUE(LogicProperty(left, kChecked));
}

//--- Labels ---------------------------------------------------------------------------------

TEST(ControlsLabel, CaptionAndFontComeFromTheBlockAndPaint) {
  TestWindow w(true);
  rt::LabelProps p;
  p.caption =
      "             ---------使用方法-----------\r\n\r\n    设置表格的 行，列，文字，标题。  设置好之后";
  p.font = rt::MakeFontBytes(-14, 400, 134, "宋体");
  p.verticalAlign = 1;
  Unit* label = w.Add(rt::win::kLabelType, 0x160100ed, rt::WriteLabelProps(p), {8, 8, 360, 288});
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(TextProperty(label, 0), p.caption);

  auto font = reinterpret_cast<HFONT>(SendMessageW(label->Hwnd(), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  ASSERT_TRUE(font && GetObjectW(font, sizeof(lf), &lf));
  EXPECT_EQ(lf.lfHeight, -14);
  EXPECT_EQ(rt::win::WideToGbk(lf.lfFaceName), "宋体");

  ASSERT_TRUE(SetTextProperty(label, 0, "关于"));
  EXPECT_EQ(TextProperty(label, 0), "关于");
  ASSERT_TRUE(label->SetProperty(3, rt::MakeInt(0x00C0FFEE & 0xFFFFFF)));  // back colour
  RedrawWindow(w.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The label filled its client area with the colour it was given.
  HDC dc = GetDC(label->Hwnd());
  EXPECT_EQ(GetPixel(dc, 1, 1), COLORREF(0x00C0FFEE & 0xFFFFFF));
  ReleaseDC(label->Hwnd(), dc);
}

//--- Property blocks and type information ---------------------------------------------------

TEST(ControlsCreation, BadOrNewerBlocksCreateNothing) {
  TestWindow w;
  std::vector<uint8_t> shortBlock(12, 0);
  rt::EditBoxProps newer;
  newer.version = 3;
  for (const rt::win::UnitTypeInfo* type :
       {&rt::win::kEditBoxType, &rt::win::kGroupBoxType, &rt::win::kLabelType, &rt::win::kButtonType,
        &rt::win::kCheckBoxType, &rt::win::kRadioBoxType, &rt::win::kCommonDialogType}) {
    EXPECT_EQ(w.Add(*type, 1, shortBlock), nullptr) << type->englishName;
  }
  EXPECT_EQ(w.Add(rt::win::kEditBoxType, 1, rt::WriteEditBoxProps(newer)), nullptr);
  EXPECT_EQ(w.Add(rt::win::kDateBoxType, 1, std::vector<uint8_t>(24, 0)), nullptr);
  EXPECT_TRUE(w.units.empty());
  EXPECT_EQ(GetWindow(w.hwnd, GW_CHILD), nullptr) << "no half-made control is left behind";
}

TEST(ControlsTypes, FlagsCountsAndTheKindsOfTheUsedProperties) {
  using namespace rt::win;
  struct Expect {
    const UnitTypeInfo* type;
    const char* chinese;
    uint32_t flags;
    int count;
    int usedIndex, usedKind;
  };
  const Expect expects[] = {
      {&kEditBoxType, "编辑框", 0x80000040, 29, 8, propkind::kText},
      {&kGroupBoxType, "分组框", 0x840140C0, 13, 8, propkind::kText},
      {&kLabelType, "标签", 0x84012040, 29, 8, propkind::kText},
      {&kButtonType, "按钮", 0x80000840, 14, 8, propkind::kText},
      {&kCheckBoxType, "选择框", 0x80001040, 21, 18, propkind::kLogic},
      {&kRadioBoxType, "单选框", 0x80000440, 19, 18, propkind::kLogic},
      {&kDateBoxType, "日期框", 0x80000040, 17, 10, propkind::kDateTime},
      {&kCommonDialogType, "通用对话框", 0x80008040, 30, 11, propkind::kText},
  };
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.type->englishName);
    EXPECT_STREQ(e.type->chineseName, e.chinese);
    EXPECT_EQ(e.type->flags, e.flags);
    EXPECT_EQ(e.type->propertyCount, e.count);
    ASSERT_NE(e.type->create, nullptr);
    EXPECT_EQ(e.type->propertyKinds[e.usedIndex], e.usedKind);
    EXPECT_EQ(e.type->propertyKinds[5], propkind::kLogic);
    for (int i = 0; i < e.type->propertyCount; ++i) EXPECT_NE(e.type->propertyKinds[i], 0) << i;
  }
  EXPECT_EQ(kCommonDialogType.propertyKinds[10], propkind::kText);
}

}  // namespace
