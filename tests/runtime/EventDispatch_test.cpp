#include "runtime/core/EventDispatch.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/runtime/ThrowingReporter.h"

namespace rt {
namespace {

constexpr uint32_t kWin = 0x52000001, kWinUnit = 0x06000002, kButton = 0x16000003, kCopy = 0x16000004,
                   kMenu = 0x26000005, kLabel = 0x16000006;

std::vector<std::pair<int, UnitRef>> g_calls;
EventArgs g_lastArgs;

HandlerResult First(const EventArgs& a) {
  g_calls.push_back({1, CurrentEventSource()});
  g_lastArgs = a;
  return HandlerResult::Of(0xAABBCCDD11223344ull);
}
HandlerResult Second(const EventArgs&) {
  g_calls.push_back({2, CurrentEventSource()});
  return HandlerResult::None();
}

// A loaded window with a window unit, a button, a copy of the button, a menu item and
// a label whose type cannot raise events.
class FakeDirectory : public EventDirectory {
 public:
  FakeDirectory() {
    window.id = kWinUnit;
    window.typeId = 0x10001;
    window.events = {{0, 0, &Second}};
    button.id = kButton;
    button.typeId = 0x1000B;
    button.events = {{0, 0, &First}, {0, 1, &Second}, {-7, 1, &Second}, {3, kNoHandlerOffset, nullptr}};
    copy.id = kCopy;
    copy.typeId = 0x1000B;
    menu.id = kMenu;
    menu.typeId = 0x10003;
    menu.click.handler = &Second;
    label.id = kLabel;
    label.typeId = 0x1000A;
    label.events = {{0, 0, &First}};
    copyOf[kCopy] = kButton;
  }
  int ErrorDepth() const override { return depth; }
  bool IsWindowLoaded(uint32_t id) const override { return id == kWin; }
  const UnitTemplate* FindLoadedUnit(uint32_t windowId, uint32_t unitId) const override {
    if (windowId != kWin) return nullptr;
    for (const UnitTemplate* u : {&window, &button, &copy, &menu, &label})
      if (u->id == unitId || (unitId == 0 && u == &window)) return u;
    return nullptr;
  }
  uint32_t CopySourceOf(uint32_t, uint32_t unitId) const override {
    auto it = copyOf.find(unitId);
    return it == copyOf.end() ? 0 : it->second;
  }
  bool TypeFlags(uint32_t typeId, uint32_t* flags) const override {
    switch (typeId) {
      case 0x10001: *flags = 0x800000D0; return true;
      case 0x10003: *flags = 0x80000004; return true;
      case 0x1000B: *flags = 0x80000840; return true;
      case 0x1000A: *flags = 0x84010000; return true;  // neither 0x40 nor 0x04
      default: return false;
    }
  }

  int depth = 0;
  UnitTemplate window, button, copy, menu, label;
  std::map<uint32_t, uint32_t> copyOf;
};

class EventDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override { g_calls.clear(); }
  FakeDirectory dir;
  ThrowingReporter reporter;
};

TEST_F(EventDispatchTest, FirstMatchingPairRunsWithTheEventAsSource) {
  HandlerResult r = DispatchEvent(dir, UnitRef{kWin, kButton}, 0, EventArgs{});
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].first, 1);
  EXPECT_EQ(g_calls[0].second, (UnitRef{kWin, kButton}));
  EXPECT_TRUE(r.has);
  EXPECT_EQ(CurrentEventSource(), UnitRef{});  // cleared afterwards
  // Unbound (offset -1) and missing pairs do nothing.
  EXPECT_FALSE(DispatchEvent(dir, UnitRef{kWin, kButton}, 3, EventArgs{}).has);
  EXPECT_FALSE(DispatchEvent(dir, UnitRef{kWin, kButton}, 9, EventArgs{}).has);
  EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(EventDispatchTest, WindowUnitByZeroIdMenuItemsAndCopies) {
  DispatchEvent(dir, UnitRef{kWin, 0}, 0, EventArgs{});
  EXPECT_EQ(g_calls.back().second, (UnitRef{kWin, kWinUnit}));  // the window's own unit is the source
  DispatchEvent(dir, UnitRef{kWin, kMenu}, 42, EventArgs{});    // one handler, whatever the number
  EXPECT_EQ(g_calls.back().first, 2);
  DispatchEvent(dir, UnitRef{kWin, kCopy}, -7, EventArgs{});  // the copy runs the button's handlers
  EXPECT_EQ(g_calls.back().first, 2);
  EXPECT_EQ(g_calls.back().second, (UnitRef{kWin, kCopy}));
  EXPECT_EQ(g_calls.size(), 3u);
  // Links that go round in a circle end at once: the copy keeps its own (no) handlers.
  dir.copyOf[kButton] = kCopy;
  EXPECT_FALSE(DispatchEvent(dir, UnitRef{kWin, kCopy}, 0, EventArgs{}).has);
  EXPECT_EQ(g_calls.size(), 3u);
}

TEST_F(EventDispatchTest, NestedEventsRestoreTheOuterSource) {
  static FakeDirectory* d = &dir;
  static UnitRef seenAfter;
  dir.window.events = {{0, 0, [](const EventArgs&) {
                          DispatchEvent(*d, UnitRef{kWin, kButton}, 0, EventArgs{});
                          seenAfter = CurrentEventSource();
                          return HandlerResult::None();
                        }}};
  DispatchEvent(dir, UnitRef{kWin, 0}, 0, EventArgs{});
  EXPECT_EQ(seenAfter, (UnitRef{kWin, kWinUnit}));
}

TEST_F(EventDispatchTest, ErrorDepthDropsEverything) {
  dir.depth = 1;
  EXPECT_FALSE(DispatchEvent(dir, UnitRef{kWin, kButton}, 0, EventArgs{}).has);
  EXPECT_FALSE(DispatchEvent(dir, UnitRef{0x52999999, 0}, 0, EventArgs{}).has);  // not even an error
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(EventDispatchTest, MissingWindowUnitOrInvalidTypeAreRuntimeErrors) {
  auto message = [&](UnitRef ref) {
    try {
      DispatchEvent(dir, ref, 0, EventArgs{});
    } catch (const RuntimeErrorRaised& e) {
      return e.message;
    }
    return std::string("<none>");
  };
  EXPECT_EQ(message(UnitRef{0x52999999, kButton}), "未找到引发事件的窗口");
  EXPECT_EQ(message(UnitRef{kWin, 0x16000999}), "未找到引发事件的窗口组件");
  EXPECT_EQ(message(UnitRef{kWin, kLabel}), "引发事件的窗口组件无效");
  dir.button.typeId = 0x1000E;  // a type the library does not list
  EXPECT_EQ(message(UnitRef{kWin, kButton}), "引发事件的窗口组件无效");
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(EventDispatchTest, RecordsCarryWidenedArgumentsAndTheirResult) {
  EventRecord plain{kWin, kButton, 0, 9, {1, 2, 3, 4, 5}};  // a count above 5 is cut to 5
  DispatchRecord(dir, &plain);
  EXPECT_EQ(plain.hasResult, 1);
  EXPECT_EQ(plain.result, 0x11223344u);
  EXPECT_EQ(g_lastArgs.count, 5);
  EXPECT_EQ(g_lastArgs.values[4].low, 5u);
  EXPECT_EQ(g_lastArgs.values[4].type, tag::kInt);

  TypedEventRecord typed;
  typed.windowId = kWin;
  typed.unitId = kButton;
  typed.argCount = 7;
  typed.args[0] = {0xFFFFFF80, 7, tag::kByte, 0};
  typed.args[1] = {0x00018000, 7, tag::kShort, 0};
  typed.args[2] = {1, 2, tag::kDouble, 0};
  typed.args[3] = {0x52000001, 0x16000003, 0x1000B, 0};
  typed.args[4] = {0x80, 9, tag::kByte, argflag::kLowWordOnly};
  typed.args[5] = {5, 6, tag::kInt, argflag::kTwoWords};
  typed.args[6] = {5, 6, tag::kInt, 0};
  DispatchTypedRecord(dir, &typed);
  EXPECT_EQ(typed.result, 0xAABBCCDD11223344ull);
  EXPECT_EQ(g_lastArgs.values[0].low, 0x80u);
  EXPECT_EQ(g_lastArgs.values[0].high, 0u);
  EXPECT_EQ(g_lastArgs.values[1].low, 0xFFFF8000u);
  EXPECT_EQ(g_lastArgs.values[2].high, 2u);
  EXPECT_EQ(g_lastArgs.values[3].high, 0x16000003u);
  EXPECT_EQ(g_lastArgs.values[4].low, 0x80u);
  EXPECT_EQ(g_lastArgs.values[5].high, 6u);
  EXPECT_EQ(g_lastArgs.values[6].high, 0u);

  EventRecord none{kWin, kButton, 9};
  DispatchRecord(dir, &none);
  EXPECT_EQ(none.hasResult, 0);
}

}  // namespace
}  // namespace rt
