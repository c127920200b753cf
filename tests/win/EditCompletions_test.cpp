// Auto-complete suggestions on an edit box through the SetEditCompletions command, as
// the platform's auto-complete shows them: the typed text completed to a suggestion,
// and a drop-down list of the matching ones.
#include <gtest/gtest.h>

#include "runtime/core/RuntimeServices.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/Gbk.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000800, kWinUnit = 0x06000801, kEdit = 0x16000802, kLabel = 0x16000803;
constexpr uint32_t kOther = 0x52000810, kOtherUnit = 0x06000811, kOtherEdit = 0x16000812;

rt::UnitTemplate Control(uint32_t id, rt::TypeTag type, int top, std::vector<uint8_t> block) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = type;
  u.name = "编辑框1";
  u.left = 10;
  u.top = top;
  u.width = 200;
  u.height = 24;
  u.state = 1;
  u.pointerBlock = {0, 0, 0, 0};
  u.propertyBlock = std::move(block);
  return u;
}

rt::DataValue Complete(rt::DataValue unit, rt::DataValue text) {
  rt::DataValue args[2] = {unit, text};
  return rt::CallCore(rt::CoreCommand::kSetEditCompletions, 2, args);
}

// The items of the shown drop-down: a visible pop-up of this thread holding a list
// box; -1 when none is shown.
struct DropDown {
  HWND exceptWindow;
  int items = -1;
};

BOOL CALLBACK FindDropDown(HWND hwnd, LPARAM param) {
  auto* d = reinterpret_cast<DropDown*>(param);
  if (hwnd == d->exceptWindow || !IsWindowVisible(hwnd)) return TRUE;
  HWND list = FindWindowExW(hwnd, nullptr, L"ListBox", nullptr);
  if (list) d->items = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
  return list ? FALSE : TRUE;
}

class EditCompletions : public ::testing::Test {
 protected:
  void SetUp() override {
    // Shown: the drop-down appears only under a visible box.
    p.templates.windows = {
        Window(kWin, {WindowUnit(kWinUnit, "补全", true),
                      Control(kEdit, rt::tag::kEditBox, 10, rt::WriteEditBoxProps({})),
                      Control(kLabel, rt::tag::kLabel, 50, rt::WriteLabelProps({}))}),
        Window(kOther, {WindowUnit(kOtherUnit, "未载入"),
                        Control(kOtherEdit, rt::tag::kEditBox, 10, rt::WriteEditBoxProps({}))})};
    p.Boot();
    p.Host().LoadStartWindow(kWin);
    window = p.Host().FindLoadedWindow(kWin)->hwnd;
    edit = p.Host().FindLoadedWindow(kWin)->FindUnit(kEdit)->hwnd;
  }

  // Empties the box and types "华" into it.
  void TypeHua() {
    SetWindowTextW(edit, L"");
    SetFocus(edit);
    SendMessageW(edit, WM_CHAR, rt::win::GbkToWide("华")[0], 1);
    PumpFor(
        p.Host(), [] { return false; }, 200);
  }
  int DropDownItems() {
    DropDown d{window};
    EnumThreadWindows(GetCurrentThreadId(), &FindDropDown, reinterpret_cast<LPARAM>(&d));
    return d.items;
  }
  std::string Typed() const { return rt::win::WindowTextGbk(edit); }

  TestProgram p;
  HWND window = nullptr, edit = nullptr;
};

TEST_F(EditCompletions, TypingCompletesAndDropsTheListDownAndAnEmptyTextRemovesIt) {
  ASSERT_EQ(Complete(Unit(kWin, kEdit, rt::tag::kEditBox), Text("华联建材\n华东五金")).low, 1u);
  TypeHua();
  // The platform completes to the first match of its own order (Wine sorts: 华东五金)
  // and selects the added part, so typing on replaces it.
  std::string typed = Typed();
  EXPECT_TRUE(typed == "华东五金" || typed == "华联建材") << typed;
  DWORD from = 0, to = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 1u);
  EXPECT_EQ(to, 4u);
  EXPECT_EQ(DropDownItems(), 2);

  // A second call replaces the list ("\r\n" lines and an empty last line as well).
  ASSERT_EQ(Complete(Unit(kWin, kEdit, rt::tag::kEditBox), Text("华北\r\n华东\r\n华南\n")).low, 1u);
  TypeHua();
  EXPECT_EQ(DropDownItems(), 3);
  typed = Typed();
  EXPECT_TRUE(typed == "华北" || typed == "华东" || typed == "华南") << typed;

  ASSERT_EQ(Complete(Unit(kWin, kEdit, rt::tag::kEditBox), Text("")).low, 1u);
  TypeHua();
  EXPECT_EQ(Typed(), "华");
  EXPECT_EQ(DropDownItems(), -1);
}

TEST_F(EditCompletions, OnlyALoadedEditBoxTakesSuggestions) {
  rt::DataValue r = Complete(Unit(kWin, kLabel, rt::tag::kLabel), Text("华联建材"));
  EXPECT_EQ(r.type, rt::tag::kLogic);
  EXPECT_EQ(r.low, 0u);
  EXPECT_EQ(Complete(Unit(kOther, kOtherEdit, rt::tag::kEditBox), Text("华联建材")).low, 0u);
  EXPECT_EQ(Complete(Unit(kWin, 0x16000899, rt::tag::kEditBox), Text("华联建材")).low, 0u);
  EXPECT_EQ(Complete(Unit(kWin, kEdit, rt::tag::kEditBox), rt::MakeInt(1)).low, 0u);
  EXPECT_TRUE(p.prompts.boxes.empty());  // refusals, not runtime errors
}

}  // namespace
}  // namespace host_test
