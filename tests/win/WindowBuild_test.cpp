// Building windows from templates: the window class, menu bar, containment, stacking
// order, the events of creation and the closing sequence.
#include <gtest/gtest.h>

#include "runtime/win/Gbk.h"
#include "runtime/win/WindowUnit.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000200, kWinUnit = 0x06000201;
constexpr uint32_t kFirst = 0x16000202, kSecond = 0x16000203, kInner = 0x16000204, kLast = 0x16000205;
constexpr uint32_t kMenuFile = 0x26000210, kMenuOpen = 0x26000211, kMenuLine = 0x26000212,
                   kMenuHidden = 0x26000213, kMenuRecent = 0x26000214, kMenuRecentOne = 0x26000215,
                   kMenuHelp = 0x26000216;

std::string MenuText(HMENU menu, UINT pos) {
  wchar_t buf[128] = {};
  GetMenuStringW(menu, pos, buf, 128, MF_BYPOSITION);
  return rt::win::WideToGbk(buf);
}

TestProgram& Build(TestProgram& p) {
  rt::UnitTemplate w = WindowUnit(kWinUnit, "构建");
  w.left = 30;
  w.top = 40;
  w.width = 300;
  w.height = 200;
  Bind(w, 0, 0);
  Bind(w, 1, 1);
  Bind(w, 2, 2);
  Bind(w, 3, 3);
  Bind(w, 4, 4);
  rt::UnitTemplate open = MenuItem(kMenuOpen, 1, "打开", 5);
  open.shortcut = 19;  // Ctrl+S
  rt::UnitTemplate hidden = MenuItem(kMenuHidden, 1, "隐藏", 6);
  hidden.menuState = 1;
  rt::UnitTemplate recentOne = MenuItem(kMenuRecentOne, 2, "一", 7);
  recentOne.menuState = 4 | 2;  // checked and disabled
  rt::UnitTemplate first = Probe(kFirst, 10, 10, 100, 80);
  first.containedIds = {kInner};
  rt::UnitTemplate inner = Probe(kInner, 5, 6, 30, 20);
  inner.containerId = kFirst;
  rt::UnitTemplate raising = Probe(kLast, 150, 10, 40, 20, probeflag::kRaiseOnComplete);
  Bind(raising, 0, 8);
  p.templates.windows = {
      Window(kWin, {w, MenuItem(kMenuFile, 0, "文件", -1), open, MenuItem(kMenuLine, 1, "-", 9), hidden,
                    MenuItem(kMenuRecent, 1, "最近", -1), recentOne, MenuItem(kMenuHelp, 0, "帮助", -1),
                    first, Probe(kSecond, 120, 10, 20, 20), inner, raising})};
  p.Boot();
  return p;
}

TEST(WindowBuild, WindowOfTheRegisteredClassAtItsStoredOuterRectangle) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  ASSERT_TRUE(w && w->Alive());
  wchar_t cls[64];
  GetClassNameW(w->hwnd, cls, 64);
  EXPECT_STREQ(cls, L"KXWindow");
  EXPECT_EQ(GetClassLongPtrW(w->hwnd, GCL_STYLE), ULONG_PTR(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(GetClassLongPtrW(w->hwnd, GCLP_HBRBACKGROUND), 0u);
  RECT r;
  GetWindowRect(w->hwnd, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_EQ(rt::win::WindowTextGbk(w->hwnd), "构建");
  EXPECT_FALSE(IsWindowVisible(w->hwnd));  // state bit 0 clear: built but not shown
  EXPECT_EQ(p.Host().Templates().Find(kWin)->liveWindow, w.get());
}

TEST(WindowBuild, ControlsGetIdsInCreationOrderContainersAndTableStacking) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  ASSERT_TRUE(w);
  HWND first = w->FindUnit(kFirst)->hwnd, second = w->FindUnit(kSecond)->hwnd;
  HWND inner = w->FindUnit(kInner)->hwnd, last = w->FindUnit(kLast)->hwnd;
  // Last of the table first: 100, 110, 120, 130.
  EXPECT_EQ(GetDlgCtrlID(last), 100);
  EXPECT_EQ(GetDlgCtrlID(inner), 110);
  EXPECT_EQ(GetDlgCtrlID(second), 120);
  EXPECT_EQ(GetDlgCtrlID(first), 130);
  // The inner unit lives in its container, at its stored place there.
  EXPECT_EQ(GetParent(inner), first);
  RECT r;
  GetWindowRect(inner, &r);
  MapWindowPoints(HWND_DESKTOP, first, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 6);
  // Stacking follows the table among the window's own children.
  EXPECT_EQ(GetWindow(w->hwnd, GW_CHILD), first);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), last);
  // Shown per state bit 0.
  EXPECT_TRUE(GetWindowLongPtrW(first, GWL_STYLE) & WS_VISIBLE);
}

TEST(WindowBuild, EventsRaisedWhileBuildingReachNoHandler) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  EXPECT_EQ(Log().Count(8), 0);  // the probe raised its event while told "complete"
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{0, 3, 4}));
  // Once built, the same event reaches its handler, with the probe as the source.
  p.Host().RaiseEvent(rt::UnitRef{kWin, kLast}, 0);
  ASSERT_EQ(Log().Count(8), 1);
  EXPECT_EQ(Log().calls.back().source.unit, kLast);
}

TEST(WindowBuild, MenuBarFollowsLevelsStatesSeparatorsAndShortcuts) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  HMENU bar = GetMenu(w->hwnd);
  ASSERT_TRUE(bar);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), "文件");
  EXPECT_EQ(MenuText(bar, 1), "帮助");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);  // the hidden item is left out
  EXPECT_EQ(MenuText(file, 0), "打开\tCtrl+S");
  EXPECT_EQ(GetMenuItemID(file, 0), 20001u);
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
  HMENU recent = GetSubMenu(file, 2);
  ASSERT_TRUE(recent);
  EXPECT_EQ(MenuText(recent, 0), "一");
  EXPECT_EQ(GetMenuItemID(recent, 0), 20005u);
  UINT state = GetMenuState(recent, 0, MF_BYPOSITION);
  EXPECT_TRUE(state & MF_CHECKED);
  EXPECT_TRUE(state & MF_GRAYED);
  EXPECT_TRUE(w->accel);

  // A chosen item runs its single handler with the item as the event source.
  SendMessageW(w->hwnd, WM_COMMAND, 20001, 0);
  ASSERT_EQ(Log().Count(5), 1);
  EXPECT_EQ(Log().calls.back().source.unit, kMenuOpen);
  // The shortcut's accelerator ends up as the same command.
  MSG key{};
  key.hwnd = w->hwnd;
  key.message = WM_KEYDOWN;
  key.wParam = 'S';
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE saved = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  bool translated = p.Host().PreTranslate(&key);
  keys[VK_CONTROL] = saved;
  SetKeyboardState(keys);
  EXPECT_TRUE(translated);
  EXPECT_EQ(Log().Count(5), 2);
}

TEST(WindowBuild, LoadingALoadedWindowBringsItBack) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  HWND before = p.Host().FindLoadedWindow(kWin)->hwnd;
  bool newly = true;
  EXPECT_TRUE(p.Host().LoadWindowFromTemplate(kWin, nullptr, false, &newly));
  EXPECT_FALSE(newly);
  EXPECT_EQ(p.Host().FindLoadedWindow(kWin)->hwnd, before);
  EXPECT_EQ(Log().Count(0), 1);           // not built a second time
  EXPECT_FALSE(IsWindowVisible(before));  // a hidden window stays hidden
}

TEST(WindowClose, FalseFromEventOneKeepsTheWindowAnythingElseCloses) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  HWND hwnd = w->hwnd;

  Log().behaviour[1] = [](const rt::EventArgs&) { return rt::HandlerResult::Of(0); };
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(Log().Count(2), 0);

  Log().behaviour[1] = [](const rt::EventArgs&) { return rt::HandlerResult::Of(1); };
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(Log().Count(2), 1);  // the window heard it was being destroyed
  EXPECT_FALSE(p.Host().FindLoadedWindow(kWin));
  // The run-time records are reset, so loading again starts afresh.
  const rt::WindowTemplate* t = p.Host().Templates().Find(kWin);
  EXPECT_EQ(t->liveWindow, nullptr);
  for (const rt::UnitTemplate& u : t->units) EXPECT_EQ(u.unitObject, nullptr);
  bool newly = false;
  EXPECT_TRUE(p.Host().LoadWindowFromTemplate(kWin, nullptr, false, &newly));
  EXPECT_TRUE(newly);
  EXPECT_EQ(Log().Count(0), 2);
}

TEST(WindowClose, NoHandlerResultClosesAndAPostedRequestClosesWhenTheLoopRuns) {
  TestProgram p;
  Build(p).Host().LoadStartWindow(kWin);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  p.Host().CloseLiveWindow(w, false);
  EXPECT_TRUE(w->Alive());  // only asked for
  EXPECT_TRUE(PumpFor(p.Host(), [&] { return !w->Alive(); }));
  EXPECT_EQ(Log().Count(1), 1);
  EXPECT_EQ(Log().Count(2), 1);
}

TEST(WindowClose, AHandlerClosingItsWindowFromEventZeroGetsNeitherThreeNorFour) {
  TestProgram p;
  Build(p);
  Log().behaviour[0] = [&](const rt::EventArgs&) {
    p.Host().CloseLiveWindow(p.Host().FindLoadedWindow(kWin), true);
    return rt::HandlerResult::None();
  };
  p.Host().LoadStartWindow(kWin);
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{0, 2}));  // created, destroyed
  EXPECT_FALSE(p.Host().FindLoadedWindow(kWin));
}

}  // namespace
}  // namespace host_test
