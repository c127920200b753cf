// The file and print commands: LoadFile, SaveFile, SetPrintTitle, SetPrintMargin,
// and Print / PrintPreview forwarded to the window layer.
#include <cmath>

#include "grid/core/CommandArgs.h"
#include "grid/core/GridCommands.h"
#include "grid/core/GridFile.h"

namespace grid {

namespace {

GridPrintHooks g_printHooks;

// Tenths of a millimetre per pixel of a 96 dpi screen, for a grid not painted yet.
constexpr float kStandardScreenScale = 254.0f / 96.0f;

}  // namespace

GridPrintHooks SetGridPrintHooks(const GridPrintHooks& hooks) {
  GridPrintHooks previous = g_printHooks;
  g_printHooks = hooks;
  return previous;
}

namespace cmd {

void LoadFile(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto path = a.Text(1);
  *result = rt::MakeLogic(path && LoadGridFile(grid, std::string(*path)));
}

void SaveFile(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto path = a.Text(1);
  grid.ClearSelection();
  grid.ClearFocus();
  *result = rt::MakeLogic(path && SaveGridFile(grid, std::string(*path)));
}

void SetPrintTitle(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  PrintTitle title;
  title.text = std::string(a.Text(1).value_or(""));
  title.face = std::string(a.Text(2).value_or(""));
  title.size = a.Present(3) ? a.Int(3).value_or(0) : 20;
  title.bold = a.Present(4) ? int(a.At(4).low) : 1;
  title.alignment = a.Present(5) ? a.Int(5).value_or(0) : 2;
  if (title.size < 1 || title.size > 100) title.size = 20;
  if (title.alignment < 1 || title.alignment > 3) title.alignment = 2;
  if (title.face.empty()) title.face = "黑体";
  if (title.size > 20) {
    float scale = grid.ScreenScale() > 0 ? grid.ScreenScale() : kStandardScreenScale;
    grid.Layout().headerBand = int(std::trunc(float(title.size) * scale)) + 60;
  }
  grid.Title() = title;
  *result = rt::MakeInt(1);
}

void SetPrintOptions(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  grid.Options() = ParsePrintOptions(a.Text(1).value_or(""));
  *result = rt::MakeLogic(true);
}

void SetPrintMargin(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto item = a.Int(1), value = a.Int(2);
  PrintLayout layout = grid.Layout();
  if (item && value) {
    switch (*item) {
      case 1: layout.leftMargin = *value; break;
      case 2: layout.rightMargin = *value; break;
      case 3: layout.topMargin = *value; break;
      case 4: layout.bottomMargin = *value; break;
      case 5: layout.headerBand = *value; break;
      case 6: layout.footerBand = *value; break;
      case 7: layout.titleGap = *value; break;
      default: break;
    }
  }
  grid.Layout() = layout;
}

void Print(rt::DataValue* result, int argCount, rt::DataValue* args) {
  GridModel& grid = CommandArgs(argCount, args).Grid();
  if (g_printHooks.print) g_printHooks.print(grid);
}

void PrintPreview(rt::DataValue* result, int argCount, rt::DataValue* args) {
  GridModel& grid = CommandArgs(argCount, args).Grid();
  if (g_printHooks.preview) g_printHooks.preview(grid);
}

}  // namespace cmd

}  // namespace grid
