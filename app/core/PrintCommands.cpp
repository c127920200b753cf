#include "app/core/PrintCommands.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"
#include "runtime/core/RuntimeServices.h"

namespace app::print {

const char* const kSettingsConfirmed = "已设置";

namespace {

constexpr int kGridLibrary = 2;

// Property numbers of the units this file reads and writes.
constexpr int32_t kTagProperty = 4;
constexpr int32_t kVisibleProperty = 5;
constexpr int32_t kEditContent = 8;
constexpr int32_t kChecked = 18;
constexpr int32_t kGridIsShowDiglog = 22;
constexpr int32_t kGridShowPrintButton = 24;

rt::DataValue GridUnit() { return rt::MakeUnit(rt::tag::kGrid, {kMainWindowId, kGridUnitId}); }
rt::DataValue SettingsWindowUnit() {
  return rt::MakeUnit(rt::tag::kWindow, {kPrintHeaderWindowId, kPrintHeaderWindowUnitId});
}

// A text property, read as a heap text and released here.
std::string TextProperty(uint32_t window, uint32_t unit, int32_t index) {
  uint64_t bits = rt::Services().GetUnitProperty(window, unit, index, rt::kNotAnArray);
  char* text = reinterpret_cast<char*>(uintptr_t(bits));
  std::string value = text ? text : "";
  if (text) rt::Services().FreeBlock(text);
  return value;
}

bool Checked(uint32_t unit) {
  return uint32_t(rt::Services().GetUnitProperty(kPrintHeaderWindowId, unit, kChecked, rt::kNotAnArray)) != 0;
}

// ToNumber of a settings edit box, truncated toward zero.
int EditNumber(uint32_t unit) {
  std::string text = TextProperty(kPrintHeaderWindowId, unit, kEditContent);
  rt::DataValue arg = rt::MakeTextPointer(text.c_str());
  double value = rt::DoubleOf(rt::CallCore(rt::CoreCommand::kToNumber, 1, &arg));
  if (!std::isfinite(value)) return 0;
  return int(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

void CallGrid(rt::CommandFn command, std::initializer_list<rt::DataValue> rest) {
  rt::DataValue args[8];
  int n = 0;
  args[n++] = GridUnit();
  for (const rt::DataValue& v : rest) args[n++] = v;
  rt::DataValue result = rt::Services().CallLibraryCommand(kGridLibrary, command, n, args);
  (void)result;  // the handlers do not look at the grid's answers
}

void SetTitle(const std::string& text, const std::string& face, int size, bool bold, int alignment) {
  CallGrid(grid::cmd::SetPrintTitle, {rt::MakeTextPointer(text.c_str()), rt::MakeTextPointer(face.c_str()),
                                      rt::MakeInt(size), rt::MakeLogic(bold), rt::MakeInt(alignment)});
}

void SetMargin(int item, int value) {
  CallGrid(grid::cmd::SetPrintMargin, {rt::MakeInt(item), rt::MakeInt(value)});
}

}  // namespace

rt::HandlerResult OnPrintHeaderSettings(const rt::EventArgs&) {
  rt::DataValue args[3] = {SettingsWindowUnit(), rt::DataValue{}, rt::MakeLogic(false)};
  rt::CallCore(rt::CoreCommand::kLoadWindow, 3, args);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnSettingsOk(const rt::EventArgs&) {
  int alignment = 0;
  if (Checked(kAlignLeftRadioId))
    alignment = 1;
  else if (Checked(kAlignCentreRadioId))
    alignment = 2;
  else if (Checked(kAlignRightRadioId))
    alignment = 3;
  int size = EditNumber(kFontSizeEditId);
  std::string title = TextProperty(kPrintHeaderWindowId, kTitleEditId, kEditContent);
  std::string face = TextProperty(kPrintHeaderWindowId, kFontNameEditId, kEditContent);
  bool bold = Checked(kBoldCheckId);
  SetTitle(title, face, size, bold, alignment);

  rt::RuntimeServices& host = rt::Services();
  host.SetUnitProperty(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, kVisibleProperty, rt::kNotAnArray, 0,
                       0);
  host.SetUnitProperty(kMainWindowId, kGridUnitId, kGridShowPrintButton, rt::kNotAnArray,
                       Checked(kShowPrintButtonCheckId) ? 1 : 0, 0);
  host.SetUnitProperty(kMainWindowId, kGridUnitId, kGridIsShowDiglog, rt::kNotAnArray,
                       Checked(kShowPrintDialogCheckId) ? 1 : 0, 0);

  const uint32_t boxes[4] = {kLeftMarginEditId, kRightMarginEditId, kTopMarginEditId, kBottomMarginEditId};
  for (int item = 1; item <= 4; ++item) SetMargin(item, EditNumber(boxes[item - 1]));

  rt::DataValue flag = rt::MakeTextPointer(kSettingsConfirmed);
  host.SetUnitProperty(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, kTagProperty, rt::kNotAnArray,
                       flag.low, flag.high);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnSettingsCancel(const rt::EventArgs&) {
  rt::DataValue args[2] = {SettingsWindowUnit(), rt::DataValue{}};
  rt::CallCore(rt::CoreCommand::kCloseWindow, 2, args);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrintPreview(const rt::EventArgs&) {
  if (TextProperty(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, kTagProperty) != kSettingsConfirmed) {
    // Never confirmed: the main window's print title in 宋体 22, bold, centred.
    std::string title = TextProperty(kMainWindowId, kHeaderTextEditId, kEditContent);
    SetTitle(title, "宋体", 22, true, 2);
    const int margins[4] = {100, 10, 200, 30};
    for (int item = 1; item <= 4; ++item) SetMargin(item, margins[item - 1]);
  }
  CallGrid(grid::cmd::PrintPreview, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrint(const rt::EventArgs&) {
  CallGrid(grid::cmd::Print, {});
  return rt::HandlerResult::None();
}

}  // namespace app::print
