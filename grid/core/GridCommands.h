// The grid library's sixteen commands, called through the runtime's command-call
// convention: args[0] is the grid unit, the rest are typed values; optional
// arguments left out arrive with tag 0. Bad arguments are refused silently (false, or
// nothing for commands without a result).
#pragma once

#include <cstddef>

#include "runtime/core/DataValue.h"

namespace grid {

class GridModel;

// Finds the grid of a unit reference; the Windows layer installs one over host
// callback 2007. A reference that resolves to nothing raises the runtime error
// "指定窗口或窗口组件不存在或尚未载入".
using GridResolver = GridModel* (*)(rt::UnitRef unit);
GridResolver SetGridResolver(GridResolver resolver);  // returns the previous one

// Printing and print preview live in the window layer; until it installs them the
// two commands do nothing.
struct GridPrintHooks {
  void (*print)(GridModel& grid) = nullptr;
  void (*preview)(GridModel& grid) = nullptr;
};
GridPrintHooks SetGridPrintHooks(const GridPrintHooks& hooks);

namespace cmd {
void GetCellData(rt::DataValue* result, int argCount, rt::DataValue* args);
void SetCellData(rt::DataValue* result, int argCount, rt::DataValue* args);
void SetPrintTitle(rt::DataValue* result, int argCount, rt::DataValue* args);
void SetPrintMargin(rt::DataValue* result, int argCount, rt::DataValue* args);
void LoadFile(rt::DataValue* result, int argCount, rt::DataValue* args);
void SaveFile(rt::DataValue* result, int argCount, rt::DataValue* args);
void Print(rt::DataValue* result, int argCount, rt::DataValue* args);
void PrintPreview(rt::DataValue* result, int argCount, rt::DataValue* args);
void MergeCells(rt::DataValue* result, int argCount, rt::DataValue* args);
void SetColWidth(rt::DataValue* result, int argCount, rt::DataValue* args);
void ClearListItems(rt::DataValue* result, int argCount, rt::DataValue* args);
void AddListItem(rt::DataValue* result, int argCount, rt::DataValue* args);
void AddColumnListItem(rt::DataValue* result, int argCount, rt::DataValue* args);
void SetColumnKind(rt::DataValue* result, int argCount, rt::DataValue* args);
// NewGrid(rows, cols) -> logic: the grid emptied to rows x cols blank cells (no kinds,
// merges, formulas, sums, pictures, selection, header rows or columns); the print
// title, print layout and unit properties stay. Bad counts: false, nothing changed.
void NewGrid(rt::DataValue* result, int argCount, rt::DataValue* args);
// SetPrintOptions(text): the print options of PrintOptions.h; the empty text clears them.
void SetPrintOptions(rt::DataValue* result, int argCount, rt::DataValue* args);
}  // namespace cmd

// The commands in the library's table order (the order above).
constexpr size_t kGridCommandCount = 16;
extern const rt::CommandFn kGridCommands[kGridCommandCount];

}  // namespace grid
