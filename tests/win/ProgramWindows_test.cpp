// The program's own five windows built by the host from the real template block, with
// recording handlers in place of the application's.
#include <gtest/gtest.h>

#include "app/core/HandlerIds.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/core/ValueConversions.h"
#include "runtime/win/Gbk.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

using app::HandlerId;

int H(HandlerId id) { return int(id); }
static_assert(app::kHandlerCount <= size_t(kHandlerCount), "the recording table must hold every handler");

class ProgramWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    p.blockOverride = app::ProgramTemplateBlock();
    p.Boot();
  }
  rt::win::RuntimeHost& Host() { return p.Host(); }
  std::string Content(uint32_t window, uint32_t unit) {
    return ReadText(Host().GetUnitProperty(window, unit, 8, -1));
  }
  uint64_t Checked(uint32_t window, uint32_t unit) { return Host().GetUnitProperty(window, unit, 18, -1); }
  HWND Hwnd(uint32_t window, uint32_t unit) { return Host().FindLoadedWindow(window)->FindUnit(unit)->hwnd; }

  TestProgram p;
};

TEST_F(ProgramWindows, MainWindowBuildsWithItsUnitsAndRunsItsStartUpHandlers) {
  Host().LoadStartWindow(app::kMainWindowId);
  EXPECT_EQ(Log().Handlers(),
            (std::vector<int>{H(HandlerId::OnMainWindowCreated), H(HandlerId::FitGridToWindow)}));
  std::shared_ptr<rt::win::LiveWindow> w = Host().FindLoadedWindow(app::kMainWindowId);
  ASSERT_TRUE(w && w->Alive());
  EXPECT_EQ(rt::win::WindowTextGbk(w->hwnd), "青禾简易表格生成器");
  EXPECT_EQ(GetMenuItemCount(GetMenu(w->hwnd)), 5);
  RECT r;
  GetWindowRect(w->hwnd, &r);
  EXPECT_EQ(r.right - r.left, 691);
  EXPECT_EQ(r.bottom - r.top, 587);
  EXPECT_TRUE(SendMessageW(w->hwnd, WM_GETICON, ICON_BIG, 0));

  EXPECT_EQ(Content(app::kMainWindowId, app::kHeaderTextEditId), "青禾系列软件");
  EXPECT_EQ(Content(app::kMainWindowId, app::kCustomerEditId), "");
  // The grid stand-in sits where the template puts it; the dialogs have no window.
  EXPECT_EQ(Host().GetUnitProperty(app::kMainWindowId, app::kGridUnitId, 0, -1), 16u);
  EXPECT_EQ(Host().GetUnitProperty(app::kMainWindowId, app::kGridUnitId, 2, -1), 632u);
  EXPECT_EQ(Hwnd(app::kMainWindowId, app::kOpenDialogId), nullptr);
  EXPECT_NE(Host().Callback(rt::win::hostcall::kResolveUnit, app::kMainWindowId, app::kSaveDialogId), 0);
  // The note date starts as today.
  uint64_t date = Host().GetUnitProperty(app::kMainWindowId, app::kDateBoxId, 10, -1);
  rt::DataValue d{uint32_t(date), uint32_t(date >> 32), rt::tag::kDateTime};
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_NE(rt::ToTextValue(d).find(std::to_string(now.wYear) + "年"), std::string::npos);
}

TEST_F(ProgramWindows, WritingAnEditBoxsContentRaisesItsEventOnce) {
  Host().LoadStartWindow(app::kMainWindowId);
  Log().calls.clear();
  rt::DataValue t = Text("张三");
  Host().SetUnitProperty(app::kMainWindowId, app::kCustomerEditId, 8, -1, t.low, t.high);
  EXPECT_EQ(Log().Handlers(), std::vector<int>{H(HandlerId::OnCustomerChanged)});
  EXPECT_EQ(Content(app::kMainWindowId, app::kCustomerEditId), "张三");
}

TEST_F(ProgramWindows, MenuAndButtonReachTheirHandlers) {
  Host().LoadStartWindow(app::kMainWindowId);
  Log().calls.clear();
  auto window = Host().FindLoadedWindow(app::kMainWindowId);
  HWND main = window->hwnd;
  size_t about = 0;  // "关于", the last item of the menu
  while (about < window->menuItems.size() && window->menuItems[about]->id != app::kMenuAboutId) ++about;
  ASSERT_EQ(about + 1, window->menuItems.size());
  SendMessageW(main, WM_COMMAND, 20000 + about, 0);
  HWND button = Hwnd(app::kMainWindowId, app::kHelpButtonId);
  SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{H(HandlerId::OnAbout), H(HandlerId::OnUsageHelp)}));
  EXPECT_EQ(Log().calls[0].source.unit, app::kMenuAboutId);
  EXPECT_EQ(Log().calls[1].source.unit, app::kHelpButtonId);
}

TEST_F(ProgramWindows, PrintHeaderWindowHasItsDefaultsInsideItsGroups) {
  Host().LoadStartWindow(app::kMainWindowId);
  ASSERT_TRUE(Host().LoadWindowFromTemplate(app::kPrintHeaderWindowId, nullptr, false));
  const uint32_t w = app::kPrintHeaderWindowId;
  EXPECT_EQ(Content(w, app::kTitleEditId), "青禾系列软件");
  EXPECT_EQ(Content(w, app::kFontNameEditId), "宋体");
  EXPECT_EQ(Content(w, app::kFontSizeEditId), "22");
  EXPECT_EQ(Content(w, app::kLeftMarginEditId), "19.05");
  EXPECT_EQ(Content(w, app::kBottomMarginEditId), "19.05");
  EXPECT_EQ(Checked(w, app::kBoldCheckId), 1u);
  EXPECT_EQ(Checked(w, app::kAlignLeftRadioId), 0u);
  EXPECT_EQ(Checked(w, app::kAlignCentreRadioId), 1u);
  EXPECT_EQ(Checked(w, app::kAlignRightRadioId), 0u);
  EXPECT_EQ(Checked(w, app::kShowPrintButtonCheckId), 1u);
  EXPECT_EQ(Checked(w, app::kShowPrintDialogCheckId), 1u);
  EXPECT_EQ(GetParent(Hwnd(w, app::kTitleEditId)), Hwnd(w, app::kTitleGroupId));
  EXPECT_EQ(GetParent(Hwnd(w, app::kTopMarginEditId)), Hwnd(w, app::kMarginGroupId));
  EXPECT_EQ(Host().GetUnitProperty(w, app::kTopMarginEditId, 0, -1), 32u);  // inside its group
  EXPECT_EQ(Host().GetUnitProperty(w, app::kTopMarginEditId, 1, -1), 82u);

  // A click on a radio box inside a group reaches its unit through the group.
  SendMessageW(Hwnd(w, app::kAlignLeftRadioId), BM_CLICK, 0, 0);
  EXPECT_EQ(Checked(w, app::kAlignLeftRadioId), 1u);
  EXPECT_EQ(Checked(w, app::kAlignCentreRadioId), 0u);

  // Tab walks the controls that take the focus in table order; Shift+Tab goes back.
  SetFocus(Hwnd(w, app::kTitleEditId));
  MSG tab{};
  tab.hwnd = Hwnd(w, app::kTitleEditId);
  tab.message = WM_KEYDOWN;
  tab.wParam = VK_TAB;
  EXPECT_TRUE(Host().PreTranslate(&tab));
  EXPECT_EQ(GetFocus(), Hwnd(w, app::kFontNameEditId));

  // The OK button's click, coming through the window, reaches its handler.
  HWND ok = Hwnd(w, app::kSettingsOkButtonId);
  Log().calls.clear();
  SendMessageW(Host().FindLoadedWindow(w)->hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED),
               LPARAM(ok));
  EXPECT_EQ(Log().Handlers(), std::vector<int>{H(HandlerId::OnSettingsOk)});
  // Loading it again brings back the same window.
  HWND before = Host().FindLoadedWindow(w)->hwnd;
  ASSERT_TRUE(Host().LoadWindowFromTemplate(w, nullptr, false));
  EXPECT_EQ(Host().FindLoadedWindow(w)->hwnd, before);
}

TEST_F(ProgramWindows, SideWindowsBuild) {
  struct Side {
    uint32_t window, unit;
    const char* caption;
  };
  for (Side s : {Side{app::kAboutWindowId, app::kAboutLabelId, ""},
                 Side{app::kCalendarWindowId, app::kMonthCalendarId, ""},
                 Side{app::kHelpWindowId, app::kHelpLabelId, "使用帮助"}}) {
    ASSERT_TRUE(Host().LoadWindowFromTemplate(s.window, nullptr, false)) << std::hex << s.window;
    std::shared_ptr<rt::win::LiveWindow> w = Host().FindLoadedWindow(s.window);
    EXPECT_EQ(rt::win::WindowTextGbk(w->hwnd), s.caption);
    EXPECT_TRUE(w->FindUnit(s.unit)->hwnd);
    Host().CloseLiveWindow(w, true);
    EXPECT_FALSE(Host().FindLoadedWindow(s.window));
  }
}

}  // namespace
}  // namespace host_test
