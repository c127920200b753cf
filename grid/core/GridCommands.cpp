// The cell, merge, width, list, kind and new-grid commands.
#include "grid/core/GridCommands.h"

#include <cstdio>
#include <string>

#include "grid/core/CommandArgs.h"
#include "grid/core/NumberText.h"
#include "grid/core/PictureService.h"
#include "grid/core/PlatformFile.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"
#include "runtime/core/RuntimeError.h"

namespace grid {

namespace {

GridResolver g_resolver = nullptr;

// Picture files larger than this are not read.
constexpr size_t kMaxPictureFile = size_t(64) << 20;

enum CellKind { kTextOrNumber = 1, kCheckKind = 5, kPictureKind = 6 };

void SetText(rt::DataValue* result, const std::string& text) {
  *result = rt::MakeTextPointer(text.empty() ? nullptr : rt::NewText(text));
}

void SetByteSet(rt::DataValue* result, const std::vector<uint8_t>& bytes) {
  rt::DataValue v{0, 0, rt::tag::kByteSet};
  if (!bytes.empty()) rt::SetPointer(v, rt::NewByteSet(bytes.data(), bytes.size()));
  *result = v;
}

// The text kind 1 stores for a value, or nothing when the value is refused.
std::optional<std::string> TextForValue(const GridModel& grid, int r, int c, const rt::DataValue& v) {
  switch (v.type) {
    case rt::tag::kByte: return std::to_string(v.low & 0xFF);
    case rt::tag::kShort: return std::to_string(int16_t(v.low));
    case rt::tag::kInt: return std::to_string(int32_t(v.low));
    case rt::tag::kLong: return std::to_string(int64_t(rt::Bits64(v)));
    case rt::tag::kFloat: return FormatGeneral(rt::FloatOf(v), 6);
    case rt::tag::kDouble: return FormatGeneral(rt::DoubleOf(v), 13);
    case rt::tag::kText: break;
    default: return std::nullopt;
  }
  std::string text = rt::TextOf(v);
  if (!grid.IsBodyCell(r, c) || !grid.IsNumberColumn(c)) return text;
  // A body cell of a number column takes empty text, "0", or a text that reads as a
  // non-zero number; "0.00" or "abc" are refused.
  size_t start = text.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string::npos) return std::string();
  if (text.compare(start, std::string::npos, "0") == 0) return std::string("0");
  if (LeadingNumber(text) != 0) return text;
  return std::nullopt;
}

Bitmap PictureFromValue(const rt::DataValue& v) {
  PictureService* service = CurrentPictureService();
  if (!service) return 0;
  if (v.type == rt::tag::kByteSet) {
    size_t length = 0;
    const uint8_t* bytes = rt::ByteSetData(rt::PointerOf(v), &length);
    return service->FromBytes(bytes, length);
  }
  if (v.type != rt::tag::kText) return 0;
  std::string path = rt::TextOf(v);
  std::vector<uint8_t> bytes;
  Bitmap bitmap = 0;
  if (ReadWholeFile(path, kMaxPictureFile, &bytes)) bitmap = service->FromBytes(bytes.data(), bytes.size());
  if (!bitmap) bitmap = service->FromBitmapFile(path);
  return bitmap;
}

}  // namespace

GridResolver SetGridResolver(GridResolver resolver) {
  GridResolver previous = g_resolver;
  g_resolver = resolver;
  return previous;
}

//--- Arguments ----------------------------------------------------------------------

GridModel& CommandArgs::Grid() const {
  GridModel* grid = nullptr;
  if (count_ > 0 && g_resolver) grid = g_resolver(rt::UnitOf(args_[0]));
  if (!grid) rt::ReportRuntimeError(rt::msg::kUnitNotFound);
  return *grid;
}

std::optional<int32_t> CommandArgs::Int(int i) const {
  if (i >= count_ || !rt::tag::IsNumeric(args_[i].type)) return std::nullopt;
  return rt::IntegerOf(args_[i]);
}

std::optional<std::string_view> CommandArgs::Text(int i) const {
  if (i >= count_ || args_[i].type != rt::tag::kText) return std::nullopt;
  return std::string_view(rt::TextOf(args_[i]));
}

std::optional<bool> CommandArgs::Logic(int i) const {
  if (i >= count_ || args_[i].type != rt::tag::kLogic) return std::nullopt;
  return args_[i].low != 0;
}

//--- Commands -----------------------------------------------------------------------

namespace cmd {

void GetCellData(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto r = a.Int(1), c = a.Int(2);
  int row = r.value_or(-1), col = c.value_or(-1);
  if (!r || !c || !grid.IsCell(row, col)) {
    if (c && grid.IsKindColumn(col, kind::kPicture))
      SetByteSet(result, {});
    else
      *result = rt::MakeLogic(false);
    return;
  }
  const CGridCell& cell = *grid.Cell(row, col);
  if (row < grid.HeadRowCount()) return SetText(result, cell.GetText());
  if (grid.IsKindColumn(col, kind::kCheck)) {
    *result = rt::MakeLogic(cell.GetCheck() != 0);
    return;
  }
  if (grid.IsKindColumn(col, kind::kPicture)) {
    std::vector<uint8_t> bytes;
    PictureService* service = CurrentPictureService();
    if (cell.GetBitmap() && service && !service->ToBytes(cell.GetBitmap(), &bytes)) bytes.clear();
    return SetByteSet(result, bytes);
  }
  SetText(result, cell.GetText());
}

void SetCellData(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto r = a.Int(1), c = a.Int(2), k = a.Int(3);
  int row = r.value_or(-1), col = c.value_or(-1);
  if (!r || !c || !grid.IsCell(row, col)) {
    *result = rt::MakeLogic(false);
    return;
  }
  rt::DataValue value = argCount > 4 ? args[4] : rt::DataValue{};
  switch (k.value_or(0)) {
    case kTextOrNumber: {
      bool checkOrPicture = grid.IsKindColumn(col, kind::kCheck) || grid.IsKindColumn(col, kind::kPicture);
      std::optional<std::string> text;
      if (!(grid.IsBodyCell(row, col) && checkOrPicture)) text = TextForValue(grid, row, col, value);
      // The text setter formats number columns and recomputes formulas and sums.
      *result = rt::MakeLogic(text && grid.SetCellText(row, col, *text, true));
      break;
    }
    case kCheckKind:
      if (value.type != rt::tag::kLogic || !grid.IsKindColumn(col, kind::kCheck)) {
        *result = rt::MakeLogic(false);
        return;
      }
      *result = rt::MakeLogic(grid.SetCellCheck(row, col, value.low != 0 ? 1 : 0));
      break;
    case kPictureKind: {
      Bitmap bitmap = grid.IsKindColumn(col, kind::kPicture) ? PictureFromValue(value) : 0;
      *result = rt::MakeLogic(bitmap != 0 && grid.SetCellBitmap(row, col, bitmap));
      break;
    }
    default: grid.RepaintCell(row, col); break;
  }
}

void MergeCells(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto r1 = a.Int(1), c1 = a.Int(2);
  if (!r1 || !c1) return grid.RepaintAll();
  // A present optional argument of the wrong type counts as a bad index.
  int r2 = a.Present(3) ? a.Int(3).value_or(-1) : *r1;
  int c2 = a.Present(4) ? a.Int(4).value_or(-1) : *c1;
  grid.MergeCells(*r1, *c1, r2, c2);
}

void SetColWidth(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto c = a.Int(1), w = a.Int(2);
  bool stored = c && w && grid.SetColWidth(*c, *w, true);
  if (stored) grid.RepaintAll();
  *result = rt::MakeLogic(stored);
}

void ClearListItems(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs(argCount, args).Grid().SharedListItems().clear();
}

void AddListItem(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  if (auto item = a.Text(1)) grid.SharedListItems().emplace_back(*item);
}

void AddColumnListItem(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto c = a.Int(1);
  auto item = a.Text(2);
  *result = rt::MakeLogic(c && item && grid.AddColumnListItem(*c, *item));
}

void SetColumnKind(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto c = a.Int(1), k = a.Int(2);
  *result = rt::MakeLogic(c && k && grid.SetColumnKind(*c, *k));
}

void NewGrid(rt::DataValue* result, int argCount, rt::DataValue* args) {
  CommandArgs a(argCount, args);
  GridModel& grid = a.Grid();
  auto rows = a.Int(1), cols = a.Int(2);
  *result = rt::MakeLogic(rows && cols && grid.ResetToBlank(*rows, *cols));
}

}  // namespace cmd

const rt::CommandFn kGridCommands[kGridCommandCount] = {
    cmd::GetCellData,       cmd::SetCellData,   cmd::SetPrintTitle,  cmd::SetPrintMargin,
    cmd::LoadFile,          cmd::SaveFile,      cmd::Print,          cmd::PrintPreview,
    cmd::MergeCells,        cmd::SetColWidth,   cmd::ClearListItems, cmd::AddListItem,
    cmd::AddColumnListItem, cmd::SetColumnKind, cmd::NewGrid,        cmd::SetPrintOptions,
};

}  // namespace grid
