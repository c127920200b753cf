// The runtime error box: its text, caption and icon, the end of the program with -1,
// no events while it is up, the exit routine not run, and the error hook.
#include <gtest/gtest.h>

#include "runtime/core/RuntimeError.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000300, kWinUnit = 0x06000301, kProbe = 0x16000302, kMenu = 0x26000303;

void ExitRoutine() { Log().trail.push_back("exit routine"); }

TestProgram& Started(TestProgram& p) {
  rt::UnitTemplate w = WindowUnit(kWinUnit, "错");
  Bind(w, 0, 0);
  Bind(w, 1, 1);
  rt::UnitTemplate probe = Probe(kProbe, 0, 0, 20, 20);
  Bind(probe, 0, 2);
  p.templates.windows = {Window(kWin, {w, MenuItem(kMenu, 0, "菜单", 3), probe})};
  p.Boot();
  p.Host().RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitRoutine));
  p.Host().LoadStartWindow(kWin);
  Log().calls.clear();
  return p;
}

TEST(ErrorBox, TextHasTheHeadingThenTheCodeAndMessageLinesWhenGiven) {
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p, [] { rt::ReportRuntimeError("坏了", 0); }),
              "运行时出错!\r\n\r\n错误信息：坏了\r\n");
  }
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p, [] { rt::ReportRuntimeError("", 9); }),
              "运行时出错!\r\n\r\n错误代码：9\r\n\r\n");
  }
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p, [&] { p.Host().RaiseRuntimeError(5); }),
              "运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：数据或数组类型不匹配\r\n");
  }
}

TEST(ErrorBox, EndsThroughTheShutDownWithoutTheExitRoutine) {
  TestProgram p;
  Started(p);
  size_t mark = Log().trail.size();
  ExpectErrorBox(p, [] { rt::RaiseRuntimeError(1); });
  std::vector<std::string> after(Log().trail.begin() + long(mark), Log().trail.end());
  EXPECT_EQ(after, (std::vector<std::string>{"lib1 code 6 value 101", "lib2 code 6 value 102",
                                             "lib4 code 6 value 104", "lib5 code 6 value 105"}));
  EXPECT_EQ(p.Host().RegisteredExitRoutine(), nullptr);
}

TEST(ErrorBox, NoEventReachesAHandlerWhileTheBoxIsUp) {
  TestProgram p;
  Started(p);
  std::shared_ptr<rt::win::LiveWindow> w = p.Host().FindLoadedWindow(kWin);
  HWND hwnd = w->hwnd;
  p.prompts.answer = [&](const ShownBox&) {
    p.Host().RaiseEvent(rt::UnitRef{kWin, kProbe}, 0);
    SendMessageW(hwnd, WM_COMMAND, 20000, 0);  // the menu item
    SendMessageW(hwnd, WM_CLOSE, 0, 0);        // closes without asking event 1
    rt::EventRecord record{kWin, kProbe, 0};
    p.Host().Callback(rt::win::hostcall::kRaiseEvent, reinterpret_cast<intptr_t>(&record), 0);
    EXPECT_EQ(record.hasResult, 0);
    return IDOK;
  };
  ExpectErrorBox(p, [] { rt::ReportRuntimeError("停", 0); });
  EXPECT_TRUE(Log().calls.empty());
  EXPECT_FALSE(IsWindow(hwnd));
}

int g_hookCalls = 0;
int SuppressingHook(int, const char*) { return ++g_hookCalls, 1; }
int FailingHook(int, const char*) {
  ++g_hookCalls;
  rt::ReportRuntimeError("钩子出错", 0);
}

TEST(ErrorBox, AHookCanSuppressTheBoxButTheProgramStillEndsWithMinusOne) {
  TestProgram p;
  Started(p);
  g_hookCalls = 0;
  rt::win::RuntimeErrorHook old = rt::win::SetRuntimeErrorHook(&SuppressingHook);
  try {
    rt::RaiseRuntimeError(2);
    ADD_FAILURE() << "the program did not end";
  } catch (const ProgramEnded& e) {
    EXPECT_EQ(e.code, -1);
  }
  rt::win::SetRuntimeErrorHook(old);
  EXPECT_EQ(g_hookCalls, 1);
  EXPECT_TRUE(p.prompts.boxes.empty());
}

TEST(ErrorBox, AnErrorInsideTheHookGoesStraightToTheBox) {
  TestProgram p;
  Started(p);
  g_hookCalls = 0;
  rt::win::RuntimeErrorHook old = rt::win::SetRuntimeErrorHook(&FailingHook);
  std::string text = ExpectErrorBox(p, [] { rt::RaiseRuntimeError(2); });
  rt::win::SetRuntimeErrorHook(old);
  EXPECT_EQ(g_hookCalls, 1);
  EXPECT_EQ(text, "运行时出错!\r\n\r\n错误信息：钩子出错\r\n");
}

}  // namespace
}  // namespace host_test
