// The common dialog unit (answered through its hook) and the stored fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Font.h"
#include "runtime/win/Gbk.h"
#include "tests/win/ControlTestWindow.h"

namespace {

using controls_test::SetTextProperty;
using controls_test::TestWindow;
using controls_test::TextProperty;
using rt::win::Unit;

constexpr int kFileName = 2;  // property 10
constexpr int kFilter = 3;    // property 11

struct HookCall {
  int kind;
  std::string name;
};

class ControlsCommonDialog : public ::testing::Test {
 protected:
  void TearDown() override { rt::win::SetCommonDialogHook(nullptr); }

  Unit* AddDialog(uint32_t kind, const std::string& defaultExt = "") {
    rt::CommonDialogProps p;
    p.kind = kind;
    p.defaultExt = defaultExt;
    return window.Add(rt::win::kCommonDialogType, 0x160100c0 + kind, rt::WriteCommonDialogProps(p));
  }

  // Answers the next dialogs: confirm with `chosen`, or cancel when it is empty.
  void Answer(const std::string& chosen) {
    rt::win::SetCommonDialogHook([this, chosen](int kind, std::string* name) {
      calls.push_back({kind, *name});
      if (chosen.empty()) return false;
      *name = chosen;
      return true;
    });
  }

  TestWindow window;
  std::vector<HookCall> calls;
};

TEST_F(ControlsCommonDialog, ConfirmedNameBecomesTheFileNameProperty) {
  Unit* open = AddDialog(0);
  Unit* save = AddDialog(1, "qgd");
  ASSERT_TRUE(open && save);
  EXPECT_EQ(open->Hwnd(), nullptr) << "a common dialog has no window";
  ASSERT_TRUE(SetTextProperty(open, kFilter, "表格文件(*.qgd)|*.qgd"));
  EXPECT_EQ(TextProperty(open, kFilter), "表格文件(*.qgd)|*.qgd");
  EXPECT_EQ(TextProperty(save, 6), "qgd");  // default extension, property 14

  Answer("C:\\单据\\一月.qgd");
  EXPECT_TRUE(rt::win::ShowCommonDialog(open, window.hwnd));
  EXPECT_EQ(TextProperty(open, kFileName), "C:\\单据\\一月.qgd");
  EXPECT_TRUE(rt::win::ShowCommonDialog(save, window.hwnd));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, 0);
  EXPECT_EQ(calls[0].name, "");
  EXPECT_EQ(calls[1].kind, 1);

  // The next dialog starts from the name chosen last.
  EXPECT_TRUE(rt::win::ShowCommonDialog(open, window.hwnd));
  EXPECT_EQ(calls[2].name, "C:\\单据\\一月.qgd");
  EXPECT_TRUE(window.host.events.empty()) << "a dialog raises no event";
}

TEST_F(ControlsCommonDialog, CancelKeepsTheOldName) {
  Unit* save = AddDialog(1);
  ASSERT_NE(save, nullptr);
  ASSERT_TRUE(SetTextProperty(save, kFileName, "旧.qgd"));
  Answer("");
  EXPECT_FALSE(rt::win::ShowCommonDialog(save, window.hwnd));
  EXPECT_EQ(TextProperty(save, kFileName), "旧.qgd");
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(ControlsCommonDialog, OnlyOpenAndSaveDialogUnitsAreShown) {
  Unit* odd = AddDialog(7);
  rt::EditBoxProps editProps;
  Unit* edit = window.Add(rt::win::kEditBoxType, 5, rt::WriteEditBoxProps(editProps));
  ASSERT_TRUE(odd && edit);
  Answer("x.qgd");
  EXPECT_FALSE(rt::win::ShowCommonDialog(odd, window.hwnd));
  EXPECT_FALSE(rt::win::ShowCommonDialog(edit, window.hwnd));
  EXPECT_FALSE(rt::win::ShowCommonDialog(nullptr, window.hwnd));
  EXPECT_TRUE(calls.empty());
}

//--- Fonts --------------------------------------------------------------------------------

TEST(ControlsFont, StoredRecordBecomesAWideFont) {
  rt::FontBytes bytes = rt::MakeFontBytes(-14, 700, 134, "宋体");
  bytes[20] = 1;  // italic
  LOGFONTW lf{};
  ASSERT_TRUE(rt::win::LogFontFromBytes(bytes.data(), bytes.size(), &lf));
  EXPECT_EQ(lf.lfHeight, -14);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfCharSet, 134);
  EXPECT_EQ(std::wstring(lf.lfFaceName), rt::win::GbkToWide("宋体"));

  rt::win::UnitFont font(bytes);
  EXPECT_FALSE(font.IsDefault());
  LOGFONTW made{};
  ASSERT_TRUE(GetObjectW(font.Handle(), sizeof(made), &made));
  EXPECT_EQ(made.lfWeight, 700);
}

TEST(ControlsFont, BadRecordsFallBackSafely) {
  rt::FontBytes bytes = rt::MakeFontBytes(-12, 400, 134, "宋体");
  LOGFONTW lf{};
  EXPECT_FALSE(rt::win::LogFontFromBytes(bytes.data(), 59, &lf));
  EXPECT_FALSE(rt::win::LogFontFromBytes(nullptr, 60, &lf));
  // A face that fills all 32 bytes without an end takes the default face.
  for (size_t i = 28; i < 60; ++i) bytes[i] = 'A';
  ASSERT_TRUE(rt::win::LogFontFromBytes(bytes.data(), bytes.size(), &lf));
  EXPECT_EQ(std::wstring(lf.lfFaceName), rt::win::GbkToWide("宋体"));

  rt::win::UnitFont none(rt::FontBytes{});
  rt::win::UnitFont wrongSize(rt::FontBytes(7, 0));
  EXPECT_TRUE(none.IsDefault());
  EXPECT_TRUE(wrongSize.IsDefault());
  EXPECT_EQ(none.Handle(), rt::win::DefaultGuiFont());
  LOGFONTW defaultFont{};
  ASSERT_TRUE(GetObjectW(none.Handle(), sizeof(defaultFont), &defaultFont));
  EXPECT_EQ(defaultFont.lfCharSet, GB2312_CHARSET) << "the default font must show Chinese text";
}

}  // namespace
