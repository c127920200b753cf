// The core window, message-box and program commands through the command-call
// convention.
#include "runtime/win/CoreCommands.h"

#include <gtest/gtest.h>

#include "runtime/core/RuntimeServices.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kMain = 0x52000600, kMainUnit = 0x06000601, kProbe = 0x16000602;
constexpr uint32_t kSide = 0x52000610, kSideUnit = 0x06000611;
constexpr uint32_t kHidden = 0x52000620, kHiddenUnit = 0x06000621;

rt::DataValue Call(rt::CoreCommand c, std::vector<rt::DataValue> args) {
  return rt::CallCore(c, int(args.size()), args.data());
}

TestProgram& Started(TestProgram& p) {
  rt::UnitTemplate side = WindowUnit(kSideUnit, "侧", true);
  Bind(side, 0, 0);
  Bind(side, 2, 2);
  p.templates.windows = {Window(kMain, {WindowUnit(kMainUnit, "主"), Probe(kProbe, 10, 20, 30, 40)}),
                         Window(kSide, {side}), Window(kHidden, {WindowUnit(kHiddenUnit, "隐")})};
  p.Boot();
  p.Host().LoadStartWindow(kMain);
  Log().calls.clear();
  return p;
}

std::function<void()>& PendingAfter() {
  static std::function<void()> pending;
  return pending;
}

// Timer procedures are called by Windows with its own calling convention (stdcall in
// the 32-bit build), which a plain lambda does not have.
void CALLBACK RunPendingAfter(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (PendingAfter()) {
    auto f = std::move(PendingAfter());
    PendingAfter() = nullptr;
    f();
  }
}

void CALLBACK QuitStuckLoop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(99);
}

// Calls `fn` once the loop has run for `ms` milliseconds (a timer on this thread).
void After(UINT ms, std::function<void()> fn) {
  PendingAfter() = std::move(fn);
  SetTimer(nullptr, 0, ms, &RunPendingAfter);
}

TEST(CoreCommands, LoadWindowModalRunsANestedLoopWithTheOthersDisabled) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  HWND main = h.FindLoadedWindow(kMain)->hwnd;
  bool mainEnabledWhileUp = true, closedByTimer = false;
  After(50, [&] {
    mainEnabledWhileUp = IsWindowEnabled(main) != FALSE;
    std::shared_ptr<rt::win::LiveWindow> side = h.FindLoadedWindow(kSide);
    if (side) {
      closedByTimer = true;
      PostMessageW(side->hwnd, WM_CLOSE, 0, 0);
    }
  });
  // A watchdog: a stuck loop would end on this quit message instead of hanging.
  UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, &QuitStuckLoop);
  rt::DataValue r =
      Call(rt::CoreCommand::kLoadWindow, {Unit(kSide, kSideUnit), rt::DataValue{}, rt::MakeLogic(true)});
  KillTimer(nullptr, watchdog);
  DrainQuit();
  EXPECT_EQ(r.type, rt::tag::kLogic);
  EXPECT_EQ(r.low, 1u);
  EXPECT_TRUE(closedByTimer);
  EXPECT_FALSE(mainEnabledWhileUp);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_FALSE(h.FindLoadedWindow(kSide));
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{0, 2}));
}

TEST(CoreCommands, LoadWindowModelessReturnsAtOnceAndBringsBackLater) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  rt::DataValue r =
      Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(false)});
  EXPECT_EQ(r.low, 1u);
  ASSERT_TRUE(h.FindLoadedWindow(kHidden));
  HWND first = h.FindLoadedWindow(kHidden)->hwnd;
  r = Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(false)});
  EXPECT_EQ(r.low, 1u);
  EXPECT_EQ(h.FindLoadedWindow(kHidden)->hwnd, first);
  // A modal request for a window not marked visible runs no loop.
  h.CloseLiveWindow(h.FindLoadedWindow(kHidden), true);
  r = Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(true)});
  EXPECT_EQ(r.low, 1u);
  // With the owner window given.
  h.CloseLiveWindow(h.FindLoadedWindow(kHidden), true);
  r = Call(rt::CoreCommand::kLoadWindow,
           {Unit(kHidden, kHiddenUnit), Unit(kMain, kMainUnit), rt::MakeLogic(false)});
  EXPECT_EQ(r.low, 1u);
  EXPECT_EQ(GetWindow(h.FindLoadedWindow(kHidden)->hwnd, GW_OWNER), h.FindLoadedWindow(kMain)->hwnd);
}

TEST(CoreCommands, LoadWindowFailsForAnUnloadedParentOrAnUnknownWindow) {
  TestProgram p;
  Started(p);
  rt::DataValue r = Call(rt::CoreCommand::kLoadWindow,
                         {Unit(kHidden, kHiddenUnit), Unit(kSide, kSideUnit), rt::MakeLogic(false)});
  EXPECT_EQ(r.type, rt::tag::kLogic);
  EXPECT_EQ(r.low, 0u);
  r = Call(rt::CoreCommand::kLoadWindow, {Unit(0x52999999, 0), rt::DataValue{}, rt::MakeLogic(false)});
  EXPECT_EQ(r.low, 0u);
  EXPECT_FALSE(p.Host().FindLoadedWindow(kHidden));
}

TEST(CoreCommands, InfoBoxCaptionFlagsAndButtonNumbers) {
  TestProgram p;
  Started(p);
  p.prompts.answer = [](const ShownBox&) { return IDOK; };
  rt::DataValue r = Call(rt::CoreCommand::kInfoBox, {Text("保存成功!"), rt::MakeInt(0x40), rt::DataValue{}});
  ASSERT_EQ(p.prompts.boxes.size(), 1u);
  EXPECT_EQ(p.prompts.boxes[0].text, "保存成功!");
  EXPECT_EQ(p.prompts.boxes[0].caption, "信息：");
  EXPECT_EQ(p.prompts.boxes[0].flags, 0x40u | 0x2000u);
  EXPECT_EQ(r.type, rt::tag::kInt);
  EXPECT_EQ(r.low, 0u);

  p.prompts.answer = [](const ShownBox&) { return IDNO; };
  r = Call(rt::CoreCommand::kInfoBox, {rt::MakeDouble(1.5), rt::MakeInt(0x1004), Text("问")});
  EXPECT_EQ(p.prompts.boxes[1].text, "1.5");
  EXPECT_EQ(p.prompts.boxes[1].caption, "问");
  EXPECT_EQ(p.prompts.boxes[1].flags, 0x1004u);  // system modal: no task-modal bit
  EXPECT_EQ(r.low, 6u);

  r = Call(rt::CoreCommand::kInfoBox, {rt::MakeLogic(true), rt::MakeInt(0)});
  EXPECT_EQ(p.prompts.boxes[2].text, "真");
  r = Call(rt::CoreCommand::kInfoBox, {Unit(kMain, kMainUnit), rt::MakeInt(0)});
  EXPECT_EQ(p.prompts.boxes[3].text, "");  // a unit has no text
}

TEST(CoreCommands, ClientSizeAndMoveUnitKeepWhatIsNotGiven) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  HWND main = h.FindLoadedWindow(kMain)->hwnd;
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(int32_t(Call(rt::CoreCommand::kGetClientWidth, {Unit(kMain, kMainUnit)}).low), client.right);
  EXPECT_EQ(int32_t(Call(rt::CoreCommand::kGetClientHeight, {Unit(kMain, kMainUnit)}).low), client.bottom);

  rt::DataValue none{};
  Call(rt::CoreCommand::kMoveUnit, {Unit(kMain, kProbe, 0x50001), none, none, rt::MakeInt(90), none});
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 0, -1), 10u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 1, -1), 20u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 2, -1), 90u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 3, -1), 40u);
  Call(rt::CoreCommand::kMoveUnit, {Unit(kMain, kProbe, 0x50001), rt::MakeInt(5), rt::MakeDouble(30.9),
                                    rt::MakeInt(-1), rt::MakeInt(12)});
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 0, -1), 5u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 1, -1), 30u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 2, -1), 90u);
  EXPECT_EQ(h.GetUnitProperty(kMain, kProbe, 3, -1), 12u);

  EXPECT_EQ(ExpectErrorBox(p, [&] { Call(rt::CoreCommand::kGetClientWidth, {Unit(kSide, kSideUnit)}); }),
            "运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n");
}

TEST(CoreCommands, CloseWindowAtOnceOrWhenTheLoopRuns) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(false)});
  Call(rt::CoreCommand::kCloseWindow, {Unit(kHidden, kHiddenUnit)});
  EXPECT_TRUE(h.FindLoadedWindow(kHidden));
  EXPECT_TRUE(h.FindLoadedWindow(kHidden)->closing);
  // A window on its way out is built anew when loaded again.
  HWND old = h.FindLoadedWindow(kHidden)->hwnd;
  Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(false)});
  EXPECT_FALSE(IsWindow(old));
  Call(rt::CoreCommand::kCloseWindow, {Unit(kHidden, 0), rt::MakeLogic(false)});
  EXPECT_TRUE(PumpFor(h, [&] { return !h.FindLoadedWindow(kHidden); }));

  Call(rt::CoreCommand::kLoadWindow, {Unit(kHidden, kHiddenUnit), rt::DataValue{}, rt::MakeLogic(false)});
  Call(rt::CoreCommand::kCloseWindow, {Unit(kHidden, kHiddenUnit), rt::MakeLogic(true)});
  EXPECT_FALSE(h.FindLoadedWindow(kHidden));

  // A control: destroyed and forgotten; the window stays.
  Call(rt::CoreCommand::kCloseWindow, {Unit(kMain, kProbe, 0x50001)});
  EXPECT_EQ(h.Callback(rt::win::hostcall::kResolveUnit, kMain, kProbe), 0);
  EXPECT_TRUE(h.FindLoadedWindow(kMain));
}

TEST(CoreCommands, RunProgramStartsWaitsAndReportsFailure) {
  TestProgram p;
  Started(p);
  EXPECT_EQ(Call(rt::CoreCommand::kRunProgram, {Text("no-such-program-here.exe"), rt::MakeLogic(false)}).low,
            0u);
  EXPECT_EQ(Call(rt::CoreCommand::kRunProgram, {Text(""), rt::MakeLogic(false)}).low, 0u);
  rt::DataValue r =
      Call(rt::CoreCommand::kRunProgram, {Text("cmd.exe /c exit 3"), rt::MakeLogic(true), rt::MakeInt(9)});
  EXPECT_EQ(r.type, rt::tag::kLogic);
  EXPECT_EQ(r.low, 1u);
}

}  // namespace
}  // namespace host_test
