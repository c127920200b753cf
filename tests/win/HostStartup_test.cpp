// Start-up and shut-down of the runtime host with a test application.
#include <gtest/gtest.h>

#include "runtime/core/RuntimeError.h"
#include "runtime/win/Gbk.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000100, kWinUnit = 0x06000101;
constexpr uint32_t kProbeA = 0x16000102, kProbeB = 0x16000103;

void ExitRoutine() { Log().trail.push_back("exit routine"); }

std::vector<std::string> TrailFrom(size_t first) {
  const auto& t = Log().trail;
  return std::vector<std::string>(t.begin() + long(first), t.end());
}

TestProgram& WithOneWindow(TestProgram& p) {
  rt::UnitTemplate w = WindowUnit(kWinUnit, "甲");
  Bind(w, 0, 0);
  Bind(w, 3, 1);
  Bind(w, 4, 2);
  p.templates.windows = {Window(kWin, {w, Probe(kProbeA, 8, 8, 40, 20), Probe(kProbeB, 8, 40, 40, 20)})};
  return p;
}

TEST(HostStartup, InitialisesLibrariesTemplatesAndRunsToTheEndOnce) {
  TestProgram p;
  WithOneWindow(p).Boot();
  rt::win::RuntimeHost& host = p.Host();

  // Directory, hidden window, id serial, libraries (in table order, the one without a
  // notification function skipped), templates bound to the handler table.
  wchar_t dir[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, dir);
  EXPECT_EQ(rt::win::WideToGbk(dir), host.ProgramDirectory());
  EXPECT_FALSE(host.ProgramFileName().empty());
  EXPECT_TRUE(IsWindow(host.HiddenWindow()));
  EXPECT_FALSE(IsWindowVisible(host.HiddenWindow()));
  EXPECT_EQ(host.NextIdSerial(), 0x100EFu);
  EXPECT_EQ(Log().trail, (std::vector<std::string>{"lib1 code 1 callback", "lib2 code 1 callback",
                                                   "lib4 code 1 callback", "lib5 code 1 callback"}));
  ASSERT_EQ(host.Templates().windows.size(), 1u);
  EXPECT_EQ(host.Templates().windows[0].units[0].events[0].handler, RecordingHandlers().entries[0]);

  host.RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitRoutine));
  size_t mark = Log().trail.size();
  host.LoadStartWindow(kWin);
  // Events 0, 3 and 4 in this order; units made last first with ids 100, 110; told
  // complete last first, then shown last first.
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(TrailFrom(mark),
            (std::vector<std::string>{"create 16000103 id 100", "create 16000102 id 110", "complete 16000103",
                                      "complete 16000102", "shown 16000103", "shown 16000102"}));

  // Closing the last window after the loop started ends the loop.
  std::shared_ptr<rt::win::LiveWindow> w = host.FindLoadedWindow(kWin);
  ASSERT_TRUE(w);
  PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  host.RunMessageLoop();
  EXPECT_TRUE(host.LoopStarted());
  EXPECT_FALSE(host.FindLoadedWindow(kWin));

  mark = Log().trail.size();
  HWND hidden = host.HiddenWindow();
  host.RunShutdownSequence();
  host.RunShutdownSequence();  // entered twice: the exit routine still runs once
  EXPECT_EQ(TrailFrom(mark),
            (std::vector<std::string>{"exit routine", "lib1 code 6 value 101", "lib2 code 6 value 102",
                                      "lib4 code 6 value 104", "lib5 code 6 value 105"}));
  EXPECT_FALSE(IsWindow(hidden));
  EXPECT_TRUE(host.ShuttingDown());
  EXPECT_GE(host.ErrorDepth(), 1);
}

TEST(HostStartup, EndProgramRunsTheShutDownThenEndsWithItsCode) {
  TestProgram p;
  WithOneWindow(p).Boot();
  p.Host().RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitRoutine));
  p.Host().LoadStartWindow(kWin);
  size_t mark = Log().trail.size();
  try {
    p.Host().EndProgram(0);
    FAIL() << "EndProgram returned";
  } catch (const ProgramEnded& e) {
    EXPECT_EQ(e.code, 0);
  }
  std::vector<std::string> trail = TrailFrom(mark);
  ASSERT_FALSE(trail.empty());
  EXPECT_EQ(trail.front(), "exit routine");
  EXPECT_EQ(trail.back(), "lib5 code 6 value 105");
  EXPECT_TRUE(p.prompts.boxes.empty());
}

TEST(HostStartup, BrokenTemplateBlockShowsTheTemplateErrorAndNoWindows) {
  TestProgram p;
  WithOneWindow(p);
  std::vector<uint8_t> block = rt::WriteWindowTemplates(p.templates);
  block.resize(block.size() - 7);  // ends in the middle of a record
  p.blockOverride = block;
  std::string text = ExpectErrorBox(p, [&] { p.Boot(); });
  EXPECT_EQ(text, "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
  EXPECT_TRUE(p.Host().Templates().windows.empty());
}

TEST(HostStartup, MissingStartWindowShowsTheBoxBeforeAnyLoopAndSkipsTheExitRoutine) {
  TestProgram p;
  WithOneWindow(p).Boot();
  p.Host().RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitRoutine));
  std::string text = ExpectErrorBox(p, [&] { p.Host().LoadStartWindow(0x52999999); });
  EXPECT_EQ(text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_FALSE(p.Host().LoopStarted());
  for (const std::string& line : Log().trail) EXPECT_NE(line, "exit routine");
}

TEST(HostStartup, AUnitThatCannotBeMadeFailsTheStartWindowAndLeavesNothingBehind) {
  TestProgram p;
  WithOneWindow(p);
  p.templates.windows[0].units.push_back(Probe(0x16000104, 0, 0, 10, 10, probeflag::kFailCreate));
  p.Boot();
  std::string text = ExpectErrorBox(p, [&] { p.Host().LoadStartWindow(kWin); });
  EXPECT_NE(text.find("载入启动窗口失败"), std::string::npos);
  EXPECT_FALSE(p.Host().FindLoadedWindow(kWin));
  for (const rt::UnitTemplate& u : p.Host().Templates().windows[0].units) EXPECT_EQ(u.unitObject, nullptr);
  EXPECT_EQ(p.Host().Templates().windows[0].liveWindow, nullptr);
}

TEST(HostStartup, AWindowGoneBeforeTheLoopStartsPostsNoQuit) {
  TestProgram p;
  WithOneWindow(p);
  p.Boot();
  // The start-up handler (event 0) closes its own window at once.
  Log().behaviour[0] = [&](const rt::EventArgs&) {
    p.Host().CloseLiveWindow(p.Host().FindLoadedWindow(kWin), true);
    return rt::HandlerResult::None();
  };
  p.Host().LoadStartWindow(kWin);
  EXPECT_EQ(Log().Handlers(), std::vector<int>{0});  // neither event 3 nor event 4
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  p.Host().RunMessageLoop();  // no live window: returns at once
  EXPECT_TRUE(p.Host().LoopStarted());
}

}  // namespace
}  // namespace host_test
