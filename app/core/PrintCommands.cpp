#include "app/core/PrintCommands.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/core/NoteCalls.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app::print {

const char* const kSettingsConfirmed = "已设置";

namespace {

rt::DataValue SettingsWindowUnit() { return WindowArg(kPrintHeaderWindowId, kPrintHeaderWindowUnitId); }

std::string SettingsText(uint32_t unit, int32_t index) { return ReadUnitText(kPrintHeaderWindowId, unit, index); }

bool Checked(uint32_t unit) { return uint32_t(ReadUnitWords(kPrintHeaderWindowId, unit, prop::kChecked)) != 0; }

// ToNumber of a settings edit box, truncated toward zero.
int EditNumber(uint32_t unit) {
  double value = ToNumber(TextArg(SettingsText(unit, prop::kEditContent)));
  if (!std::isfinite(value)) return 0;
  return int(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// The handlers do not look at the grid's answers.
void SetTitle(const std::string& text, const std::string& face, int size, bool bold, int alignment) {
  NoteGridCommand(grid::cmd::SetPrintTitle,
                  {TextArg(text), TextArg(face), rt::MakeInt(size), rt::MakeLogic(bold), rt::MakeInt(alignment)});
}

void SetMargin(int item, int value) { NoteGridCommand(grid::cmd::SetPrintMargin, {rt::MakeInt(item), rt::MakeInt(value)}); }

}  // namespace

rt::HandlerResult OnPrintHeaderSettings(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kLoadWindow, {SettingsWindowUnit(), kOmitted, rt::MakeLogic(false)});
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
  std::string title = SettingsText(kTitleEditId, prop::kEditContent);
  std::string face = SettingsText(kFontNameEditId, prop::kEditContent);
  bool bold = Checked(kBoldCheckId);
  SetTitle(title, face, size, bold, alignment);

  WriteUnitWords(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, prop::kVisible, 0);
  WriteUnitWords(kMainWindowId, kGridUnitId, prop::kGridShowPrintButton, Checked(kShowPrintButtonCheckId) ? 1 : 0);
  WriteUnitWords(kMainWindowId, kGridUnitId, prop::kGridIsShowDiglog, Checked(kShowPrintDialogCheckId) ? 1 : 0);

  const uint32_t boxes[4] = {kLeftMarginEditId, kRightMarginEditId, kTopMarginEditId, kBottomMarginEditId};
  for (int item = 1; item <= 4; ++item) SetMargin(item, EditNumber(boxes[item - 1]));

  WriteUnitText(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, prop::kTag, kSettingsConfirmed);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnSettingsCancel(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kCloseWindow, {SettingsWindowUnit(), kOmitted});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrintPreview(const rt::EventArgs&) {
  if (SettingsText(kPrintHeaderWindowUnitId, prop::kTag) != kSettingsConfirmed) {
    // Never confirmed: the main window's print title in 宋体 22, bold, centred.
    std::string title = ReadMainUnitText(kHeaderTextEditId, prop::kEditContent);
    SetTitle(title, "宋体", 22, true, 2);
    const int margins[4] = {100, 10, 200, 30};
    for (int item = 1; item <= 4; ++item) SetMargin(item, margins[item - 1]);
  }
  NoteGridCommand(grid::cmd::PrintPreview, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrint(const rt::EventArgs&) {
  NoteGridCommand(grid::cmd::Print, {});
  return rt::HandlerResult::None();
}

}  // namespace app::print
