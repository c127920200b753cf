// Unit events through the host: the record forms of the host callback, focus events,
// activation, and the three runtime errors of dispatch.
#include <gtest/gtest.h>

#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000500, kWinUnit = 0x06000501, kProbe = 0x16000502, kInert = 0x16000503,
                   kSecondProbe = 0x16000504;

TestProgram& Started(TestProgram& p, bool visible = false) {
  rt::UnitTemplate w = WindowUnit(kWinUnit, "事件", visible);
  Bind(w, 5, 5);
  Bind(w, 6, 6);
  Bind(w, 8, 8);
  rt::UnitTemplate probe = Probe(kProbe, 0, 0, 20, 20);
  Bind(probe, 3, 1);
  Bind(probe, 3, 2);  // a second pair for the same event is never used
  Bind(probe, -7, 3);
  Bind(probe, -8, 4);
  rt::UnitTemplate inert = Probe(kInert, 30, 0, 20, 20, probeflag::kWindowless);
  inert.typeId = kInertType;
  Bind(inert, 0, 7);
  p.templates.windows = {Window(kWin, {w, probe, inert, Probe(kSecondProbe, 0, 30, 20, 20)})};
  p.Boot();
  p.Host().LoadStartWindow(kWin);
  Log().calls.clear();
  return p;
}

TEST(EventDelivery, RecordFormsCarryArgumentsAndResults) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  Log().behaviour[1] = [](const rt::EventArgs& a) { return rt::HandlerResult::Of(0x1122334455667788ull); };

  rt::EventRecord plain{kWin, kProbe, 3, 2, {7, 0xFFFFFFFF}};
  EXPECT_EQ(h.Callback(rt::win::hostcall::kRaiseEvent, reinterpret_cast<intptr_t>(&plain), 0), 1);
  EXPECT_EQ(plain.hasResult, 1);
  EXPECT_EQ(plain.result, 0x55667788u);  // one word in the untyped form
  ASSERT_EQ(Log().calls.size(), 1u);
  EXPECT_EQ(Log().calls[0].handler, 1);
  EXPECT_EQ(Log().calls[0].args.count, 2);
  EXPECT_EQ(int32_t(Log().calls[0].args.values[1].low), -1);

  rt::TypedEventRecord typed;
  typed.windowId = kWin;
  typed.unitId = kProbe;
  typed.event = 3;
  typed.argCount = 3;
  typed.args[0] = {0x1FF, 0, rt::tag::kByte, 0};
  typed.args[1] = {0xFFFE, 0, rt::tag::kShort, 0};
  typed.args[2] = {kWin, kProbe, rt::tag::kMenuItem, 0};
  h.Callback(rt::win::hostcall::kRaiseTypedEvent, reinterpret_cast<intptr_t>(&typed), 0);
  EXPECT_EQ(typed.result, 0x1122334455667788ull);
  const rt::EventArgs& a = Log().calls.back().args;
  EXPECT_EQ(a.values[0].low, 0xFFu);
  EXPECT_EQ(int32_t(a.values[1].low), -2);
  EXPECT_EQ(a.values[2].high, kProbe);
  EXPECT_EQ(Log().calls.back().source.unit, kProbe);

  // No pair for the event: nothing runs and there is no result.
  rt::EventRecord unbound{kWin, kSecondProbe, 0};
  EXPECT_EQ(h.Callback(rt::win::hostcall::kRaiseEvent, reinterpret_cast<intptr_t>(&unbound), 0), 0);
  EXPECT_EQ(Log().calls.size(), 2u);
}

TEST(EventDelivery, BlockingNestsAndNeverGoesBelowZero) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  h.Callback(rt::win::hostcall::kUnblockEvents, 0, 0);  // at 0 already
  h.Callback(rt::win::hostcall::kBlockEvents, 0, 0);
  h.Callback(rt::win::hostcall::kBlockEvents, 0, 0);
  h.RaiseEvent(rt::UnitRef{kWin, kProbe}, 3);
  h.Callback(rt::win::hostcall::kUnblockEvents, 0, 0);
  h.RaiseEvent(rt::UnitRef{kWin, kProbe}, 3);
  EXPECT_TRUE(Log().calls.empty());
  h.Callback(rt::win::hostcall::kUnblockEvents, 0, 0);
  h.RaiseEvent(rt::UnitRef{kWin, kProbe}, 3);
  EXPECT_EQ(Log().calls.size(), 1u);
}

TEST(EventDelivery, FocusEventsForUnitsWithAWindow) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  std::shared_ptr<rt::win::LiveWindow> w = h.FindLoadedWindow(kWin);
  SetFocus(w->FindUnit(kProbe)->hwnd);
  SetFocus(w->FindUnit(kSecondProbe)->hwnd);
  EXPECT_EQ(Log().Count(3), 1);
  EXPECT_EQ(Log().Count(4), 1);
  EXPECT_EQ(w->lastFocus, w->FindUnit(kSecondProbe)->hwnd);
}

TEST(EventDelivery, DispatchErrorsReachTheErrorBox) {
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p,
                             [&] {
                               p.Host().RaiseEvent(rt::UnitRef{0x52999999, kProbe}, 0);
                             }),
              "运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口\r\n");
  }
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p,
                             [&] {
                               p.Host().RaiseEvent(rt::UnitRef{kWin, 0x16000999}, 0);
                             }),
              "运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口组件\r\n");
  }
  {
    TestProgram p;
    Started(p);
    EXPECT_EQ(ExpectErrorBox(p,
                             [&] {
                               p.Host().RaiseEvent(rt::UnitRef{kWin, kInert}, 0);
                             }),
              "运行时出错!\r\n\r\n错误信息：引发事件的窗口组件无效\r\n");
  }
}

TEST(EventDelivery, FirstActivationRaisesEightBeforeFive) {
  TestProgram p;
  rt::win::RuntimeHost& h = Started(p).Host();
  HWND hwnd = h.FindLoadedWindow(kWin)->hwnd;
  SendMessageW(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
  ASSERT_GE(Log().calls.size(), 2u);
  EXPECT_EQ(Log().calls[0].handler, 8);
  EXPECT_EQ(Log().calls[1].handler, 5);
  SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(Log().calls.back().handler, 6);
  SendMessageW(hwnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(Log().calls.back().handler, 5);
  EXPECT_EQ(Log().Count(8), 1);  // only the first activation
}

}  // namespace
}  // namespace host_test
