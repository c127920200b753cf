#include "app/core/PrintCommands.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/core/NoteCalls.h"
#include "app/core/NoteRows.h"
#include "app/core/PrintSettings.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app::print {

using app::print::PrintSettings;

const char* const kSettingsConfirmed = "已设置";

namespace {

rt::DataValue SettingsWindowUnit() { return WindowArg(kPrintHeaderWindowId, kPrintHeaderWindowUnitId); }

std::string SettingsText(uint32_t unit, int32_t index) {
  return ReadUnitText(kPrintHeaderWindowId, unit, index);
}

bool Checked(uint32_t unit) {
  return uint32_t(ReadUnitWords(kPrintHeaderWindowId, unit, prop::kChecked)) != 0;
}

// ToNumber of a settings edit box, truncated toward zero.
int EditNumber(uint32_t unit) {
  double value = ToNumber(TextArg(SettingsText(unit, prop::kEditContent)));
  if (!std::isfinite(value)) return 0;
  return int(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// The handlers do not look at the grid's answers.
void SetTitle(const std::string& text, const std::string& face, int size, bool bold, int alignment) {
  NoteGridCommand(grid::cmd::SetPrintTitle, {TextArg(text), TextArg(face), rt::MakeInt(size),
                                             rt::MakeLogic(bold), rt::MakeInt(alignment)});
}

void SetMargin(int item, int value) {
  NoteGridCommand(grid::cmd::SetPrintMargin, {rt::MakeInt(item), rt::MakeInt(value)});
}

// The paper radio boxes in template order, and the sizes they stand for (the last one
// takes its size from the two boxes beside it).
struct PaperChoice {
  int width, height;
};
constexpr PaperChoice kPaperChoices[kPaperRadioCount - 1] = {{0, 0},     {210, 297}, {210, 148},
                                                             {241, 280}, {241, 140}, {241, 93}};

void SetEdit(uint32_t unit, const std::string& text) {
  WriteUnitText(kPrintHeaderWindowId, unit, prop::kEditContent, text);
}
void SetChecked(uint32_t unit, bool on) {
  WriteUnitWords(kPrintHeaderWindowId, unit, prop::kChecked, on ? 1 : 0);
}

// The settings of this run shown in the window's paper and option boxes.
void ShowPrintSettings(const PrintSettings& s) {
  int chosen = kPaperRadioCount - 1;
  for (int i = 0; i < kPaperRadioCount - 1; ++i)
    if (kPaperChoices[i].width == s.paperWidth && kPaperChoices[i].height == s.paperHeight) chosen = i;
  for (int i = 0; i < kPaperRadioCount; ++i) SetChecked(kPaperPrinterRadioId + uint32_t(i), i == chosen);
  bool custom = chosen == kPaperRadioCount - 1;
  SetEdit(kPaperWidthEditId, custom ? std::to_string(s.paperWidth) : "");
  SetEdit(kPaperHeightEditId, custom ? std::to_string(s.paperHeight) : "");
  SetChecked(kFilledRowsCheckId, s.filledRowsOnly);
  SetChecked(kFitToSheetCheckId, s.fitToSheet);
  SetChecked(kHidePricesCheckId, s.hidePrices);
  SetEdit(kOffsetXEditId, std::to_string(s.offsetX));
  SetEdit(kOffsetYEditId, std::to_string(s.offsetY));
  SetEdit(kSubtitleEditId, s.subtitle);
  SetEdit(kSignLineEditId, s.signLine);
}

// What the boxes say; a size or offset out of range keeps what was set before.
PrintSettings ReadPrintSettings(const PrintSettings& before) {
  PrintSettings s = before;
  for (int i = 0; i < kPaperRadioCount - 1; ++i) {
    if (Checked(kPaperPrinterRadioId + uint32_t(i))) {
      s.paperWidth = kPaperChoices[i].width;
      s.paperHeight = kPaperChoices[i].height;
    }
  }
  if (Checked(kPaperPrinterRadioId + kPaperRadioCount - 1)) {
    int w = EditNumber(kPaperWidthEditId), h = EditNumber(kPaperHeightEditId);
    if (w >= 50 && w <= 500 && h >= 50 && h <= 500) {
      s.paperWidth = w;
      s.paperHeight = h;
    }
  }
  s.filledRowsOnly = Checked(kFilledRowsCheckId);
  s.fitToSheet = Checked(kFitToSheetCheckId);
  s.hidePrices = Checked(kHidePricesCheckId);
  int x = EditNumber(kOffsetXEditId), y = EditNumber(kOffsetYEditId);
  if (x >= -30 && x <= 30) s.offsetX = x;
  if (y >= -30 && y <= 30) s.offsetY = y;
  s.subtitle = SettingsText(kSubtitleEditId, prop::kEditContent);
  s.signLine = SettingsText(kSignLineEditId, prop::kEditContent);
  return s;
}

bool ItemRowHasText(int row) {
  for (int c = 1; c <= kLastColumn; ++c)
    if (!NoteCellText(row, c).empty()) return true;
  return false;
}

}  // namespace

void ApplyNotePrintOptions() {
  std::string options = NotePrintOptions(CurrentPrintSettings(), &ItemRowHasText);
  NoteGridCommand(grid::cmd::SetPrintOptions, {TextArg(options)});
}

// One page setup for the preview, the menu's print and the print verb, so that the
// preview shows the sheets the printer gets. Only a note without print settings keeps
// the preview's own default title and margins when none were confirmed.
void ApplyNotePageSetup(bool preview) {
  bool confirmed = SettingsText(kPrintHeaderWindowUnitId, prop::kTag) == kSettingsConfirmed;
  if (preview && !confirmed && CurrentPrintSettings().IsDefault()) ApplyDefaultPrintHeader();
  ApplyNotePrintOptions();
}

void ApplyDefaultPrintHeader() {
  // The main window's print title in 宋体 22, bold, centred.
  std::string title = ReadMainUnitText(kHeaderTextEditId, prop::kEditContent);
  SetTitle(title, "宋体", 22, true, 2);
  const int margins[4] = {100, 10, 200, 30};
  for (int item = 1; item <= 4; ++item) SetMargin(item, margins[item - 1]);
}

bool PrintNoteFile(const std::string& gbkFile) {
  if (!NoteGridCommand(grid::cmd::LoadFile, {TextArg(gbkFile)}).Logic()) return false;
  WriteUnitWords(kMainWindowId, kGridUnitId, prop::kGridIsShowDiglog, 0);
  ApplyNotePageSetup(false);
  NoteGridCommand(grid::cmd::Print, {});
  return true;
}

rt::HandlerResult OnPrintHeaderSettings(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kLoadWindow, {SettingsWindowUnit(), kOmitted, rt::MakeLogic(false)});
  // Once confirmed the window stays hidden for the run, and its boxes keep what was set.
  if (SettingsText(kPrintHeaderWindowUnitId, prop::kTag) != kSettingsConfirmed)
    ShowPrintSettings(CurrentPrintSettings());
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
  WriteUnitWords(kMainWindowId, kGridUnitId, prop::kGridShowPrintButton,
                 Checked(kShowPrintButtonCheckId) ? 1 : 0);
  WriteUnitWords(kMainWindowId, kGridUnitId, prop::kGridIsShowDiglog,
                 Checked(kShowPrintDialogCheckId) ? 1 : 0);

  const uint32_t boxes[4] = {kLeftMarginEditId, kRightMarginEditId, kTopMarginEditId, kBottomMarginEditId};
  for (int item = 1; item <= 4; ++item) SetMargin(item, EditNumber(boxes[item - 1]));

  WriteUnitText(kPrintHeaderWindowId, kPrintHeaderWindowUnitId, prop::kTag, kSettingsConfirmed);
  PrintSettings& kept = CurrentPrintSettings();
  kept = ReadPrintSettings(kept);
  SavePrintSettings();
  return rt::HandlerResult::None();
}

rt::HandlerResult OnSettingsCancel(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kCloseWindow, {SettingsWindowUnit(), kOmitted});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrintPreview(const rt::EventArgs&) {
  ApplyNotePageSetup(true);
  NoteGridCommand(grid::cmd::PrintPreview, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnPrint(const rt::EventArgs&) {
  ApplyNotePageSetup(false);
  NoteGridCommand(grid::cmd::Print, {});
  return rt::HandlerResult::None();
}

}  // namespace app::print
