// Unit properties by index: common ones from the live control or the template record,
// menu items' state bits, kind properties, and the runtime errors of bad access.
#include <gtest/gtest.h>

#include "runtime/core/RuntimeError.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000400, kWinUnit = 0x06000401, kProbe = 0x16000402, kMenuTop = 0x26000403,
                   kMenuItem = 0x26000404, kOther = 0x52000410, kOtherUnit = 0x06000411,
                   kOtherProbe = 0x16000412;

uint64_t Text64(const char* s) {
  rt::DataValue v = Text(s);
  return rt::Bits64(v);
}

TestProgram& Prepared(TestProgram& p) {
  rt::UnitTemplate probe = Probe(kProbe, 11, 12, 50, 30);
  probe.tagText = "旧";
  p.templates.windows = {Window(kWin, {WindowUnit(kWinUnit, "属性"), MenuItem(kMenuTop, 0, "工具", -1),
                                       MenuItem(kMenuItem, 1, "月历", 0), probe}),
                         Window(kOther, {WindowUnit(kOtherUnit, "另"), Probe(kOtherProbe, 1, 2, 3, 4)})};
  p.Boot();
  return p;
}

TEST(UnitProperties, CommonPropertiesOfAWindowNotLoadedComeFromAndGoToTheTemplate) {
  TestProgram p;
  rt::win::RuntimeHost& h = Prepared(p).Host();
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 0, -1), 11u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 1, -1), 12u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 2, -1), 50u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 3, -1), 30u);
  EXPECT_EQ(ReadText(h.GetUnitProperty(kWin, kProbe, 4, -1)), "旧");
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 5, -1), 1u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 6, -1), 0u);

  // The tag and the visible bit written now apply to the next build.
  uint64_t t = Text64("已设置");
  h.SetUnitProperty(kWin, 0, 4, -1, uint32_t(t), uint32_t(t >> 32));
  h.SetUnitProperty(kWin, kProbe, 5, -1, 0, 0);
  EXPECT_EQ(h.Templates().Find(kWin)->units[0].tagText, "已设置");
  EXPECT_EQ(ReadText(h.GetUnitProperty(kWin, kWinUnit, 4, -1)), "已设置");
  h.LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = h.FindLoadedWindow(kWin);
  EXPECT_FALSE(GetWindowLongPtrW(w->FindUnit(kProbe)->hwnd, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 5, -1), 0u);
}

TEST(UnitProperties, LiveControlsAnswerFromTheirWindowAndKindProperties) {
  TestProgram p;
  rt::win::RuntimeHost& h = Prepared(p).Host();
  h.LoadStartWindow(kWin);
  h.SetUnitProperty(kWin, kProbe, 2, -1, 77, 0);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 2, -1), 77u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 0, -1), 11u);
  EXPECT_EQ(h.Templates().Find(kWin)->FindUnit(kProbe)->width, 50);  // the record keeps its value
  h.SetUnitProperty(kWin, kProbe, 6, -1, 1, 0);
  EXPECT_EQ(h.GetUnitProperty(kWin, kProbe, 6, -1), 1u);

  h.SetUnitProperty(kWin, kProbe, 8, -1, uint32_t(-5), 0);
  EXPECT_EQ(int32_t(h.GetUnitProperty(kWin, kProbe, 8, -1)), -5);
  std::string text = "复制";
  uint64_t t = Text64(text.c_str());
  h.SetUnitProperty(kWin, kProbe, 9, -1, uint32_t(t), uint32_t(t >> 32));
  text = "改了";  // the unit keeps its own copy
  EXPECT_EQ(ReadText(h.GetUnitProperty(kWin, kProbe, 9, -1)), "复制");
  h.SetUnitProperty(kWin, kProbe, 9, -1, 0, 0);  // null text is the empty text
  EXPECT_EQ(ReadText(h.GetUnitProperty(kWin, kProbe, 9, -1)), "");
}

TEST(UnitProperties, MenuItemBitsChangeOnlyWhenTheValueDiffers) {
  TestProgram p;
  rt::win::RuntimeHost& h = Prepared(p).Host();
  h.LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = h.FindLoadedWindow(kWin);
  EXPECT_EQ(ReadText(h.GetUnitProperty(kWin, kMenuItem, 0, -1)), "月历");
  EXPECT_EQ(h.GetUnitProperty(kWin, kMenuItem, 1, -1), 0u);
  EXPECT_EQ(h.GetUnitProperty(kWin, kMenuItem, 3, -1), 1u);

  HMENU before = GetMenu(w->hwnd);
  h.SetUnitProperty(kWin, kMenuItem, 1, -1, 0, 0);  // unchecked already: nothing rebuilt
  EXPECT_EQ(GetMenu(w->hwnd), before);
  EXPECT_TRUE(IsMenu(before));

  h.SetUnitProperty(kWin, kMenuItem, 1, -1, 1, 0);
  HMENU after = GetMenu(w->hwnd);
  EXPECT_NE(after, before);
  EXPECT_TRUE(GetMenuState(GetSubMenu(after, 0), 20001, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(h.GetUnitProperty(kWin, kMenuItem, 1, -1), 1u);

  h.SetUnitProperty(kWin, kMenuItem, 3, -1, 0, 0);  // hidden: the pop-up loses its item
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(w->hwnd), 0)), 0);
  uint64_t t = Text64("日历");
  h.SetUnitProperty(kWin, kMenuItem, 0, -1, uint32_t(t), uint32_t(t >> 32));
  EXPECT_EQ(h.Templates().Find(kWin)->FindUnit(kMenuItem)->caption, "日历");
}

TEST(UnitProperties, UnknownWindowReachesTheErrorBox) {
  TestProgram p;
  Prepared(p);
  EXPECT_EQ(ExpectErrorBox(p, [&] { p.Host().GetUnitProperty(0x52999999, kProbe, 0, -1); }),
            "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n");
}

TEST(UnitProperties, KindPropertyOfAWindowNotLoadedReachesTheErrorBox) {
  TestProgram p;
  Prepared(p);
  EXPECT_EQ(ExpectErrorBox(p, [&] { p.Host().SetUnitProperty(kOther, kOtherProbe, 8, -1, 1, 0); }),
            "运行时出错!\r\n\r\n错误信息：指定窗口尚未载入\r\n");
}

TEST(UnitProperties, IndexOutsideTheUnitsPropertiesReachesTheErrorBox) {
  for (int index : {10, 99, -2}) {
    TestProgram p;
    Prepared(p).Host().LoadStartWindow(kWin);
    std::string text = ExpectErrorBox(p, [&] { p.Host().GetUnitProperty(kWin, kProbe, index, -1); });
    EXPECT_EQ(text, "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n")
        << index;
  }
  TestProgram p;
  Prepared(p);
  EXPECT_NE(ExpectErrorBox(p, [&] { p.Host().GetUnitProperty(kWin, kMenuItem, 4, -1); }).find("错误代码：1"),
            std::string::npos);
}

TEST(UnitProperties, UnresolvableUnitsGiveNullOrTheErrorBox) {
  TestProgram p;
  Prepared(p).Host().LoadStartWindow(kWin);
  rt::win::RuntimeHost& h = p.Host();
  EXPECT_NE(h.Callback(rt::win::hostcall::kResolveUnit, kWin, kProbe), 0);
  EXPECT_NE(h.Callback(rt::win::hostcall::kResolveUnit, kWin, 0), 0);              // the window's own unit
  EXPECT_EQ(h.Callback(rt::win::hostcall::kResolveUnit, kOther, kOtherProbe), 0);  // not loaded
  EXPECT_EQ(h.Callback(rt::win::hostcall::kResolveUnit, kWin, 0x16000999), 0);
  EXPECT_EQ(
      ExpectErrorBox(p, [&] { h.Callback(rt::win::hostcall::kResolveUnitOrFail, kOther, kOtherProbe); }),
      "运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n");
}

}  // namespace
}  // namespace host_test
