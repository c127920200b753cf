#include "grid/core/GridFile.h"

#include <new>

#include "grid/core/PictureService.h"
#include "grid/core/PlatformFile.h"

namespace grid {

namespace {

// Larger files are refused before reading: no real note comes near.
constexpr size_t kMaxFileBytes = size_t(512) << 20;

void Say(std::string* error, const char* what) {
  if (error) *error = what;
}

//--- Capture ----------------------------------------------------------------------

void CaptureCell(const GridModel& grid, int r, int c, const CGridCell& cell, GridFileImage* g,
                 std::vector<uint8_t>* picture) {
  const GridSettings& s = grid.Settings();
  const CellAttributes& a = grid.Attributes();
  uint64_t key = CellKey(r, c);
  Bitmap bitmap = a.bitmap.Get(key);
  picture->clear();
  if (bitmap != 0) {
    PictureService* service = CurrentPictureService();
    // A picture that cannot be turned into bytes is left out; the rest of the cell and
    // of the note is still saved.
    if (!service || !service->ToBytes(bitmap, picture)) picture->clear();
  }
  if (cell.HasText() || cell.GetCheck() != 0 || bitmap != 0)
    g->AddCell(r, c, cell.TextView(), cell.GetCheck(), picture->data(), picture->size());
  const LogFont* font = a.font.GetOr(key, grid.DefaultCellFont());
  if (font && !SameVisibleFont(*font, grid.GridFont())) g->fonts.push_back({r, c, *font});

  auto add = [&](int list, int32_t value) { g->values[list].push_back({r, c, value}); };
  Colour bk = a.bkColor.Get(key), text = a.textColor.Get(key);
  uint32_t format = a.format.Get(key);
  if (bk <= 0x00FFFFFF && bk != s.bkColor) add(GridFileImage::kBackColour, int32_t(bk));
  if (text <= 0x00FFFFFF && text != s.textColor) add(GridFileImage::kTextColour, int32_t(text));
  if (format != kDefaultCellFormat) add(GridFileImage::kFormat, int32_t(format));
  if (int diagonal = a.diagonal.Get(key)) add(GridFileImage::kDiagonal, diagonal);
  if (int margin = a.margin.Get(key); margin != kDefaultCellMargin) add(GridFileImage::kMargin, margin);
  if (a.spareFlag.Get(key) != 0) add(GridFileImage::kSpareFlag, 1);
  if (uint32_t state = cell.GetState()) add(GridFileImage::kState, int32_t(state));
}

}  // namespace

GridFileImage CaptureGrid(const GridModel& grid) {
  GridFileImage g;
  const GridSettings& s = grid.Settings();
  g.version = kGridFileVersion;
  g.rowCount = grid.RowCount();
  g.colCount = grid.ColCount();
  g.headRowCount = grid.HeadRowCount();
  g.headColCount = grid.HeadColCount();
  g.defaultRowHeight = grid.DefaultRowHeight();
  g.defaultColWidth = grid.DefaultColWidth();
  g.lineColor = s.lineColor;
  g.bkColor = s.bkColor;
  g.textColor = s.textColor;
  g.lightColor = s.lightColor;
  g.lineType = s.lineType;
  g.isResizeHeight = s.isResizeHeight;
  g.isResizeWidth = s.isResizeWidth;
  g.isEdit = s.isEdit;
  g.isShowDiglog = s.isShowDiglog;
  g.canSelection = grid.CanSelection();
  g.showPrintButton = s.showPrintButton;
  g.alternate = grid.Alternate();
  g.title = grid.Title();
  g.layout = grid.Layout();

  for (int r = 0; r < grid.RowCount(); ++r) g.rowHeights.push_back(grid.RowHeight(r));
  for (int c = 0; c < grid.ColCount(); ++c) g.colWidths.push_back(grid.ColWidth(c));

  for (const ColumnKindEntry& k : grid.ColumnKinds()) {
    GridFileImage::KindRecord record;
    record.column = k.column;
    record.kind = k.kind;
    record.currencySymbol = k.currencySymbol;
    record.dateFormat = k.dateFormat;
    record.pictureMode = k.pictureMode;
    record.decimalPlaces = k.decimalPlaces;
    if (k.list) record.items = *k.list;
    g.kinds.push_back(std::move(record));
  }
  g.merged = grid.MergedBlocks();

  g.cells.reserve(size_t(grid.RowCount()) * size_t(grid.ColCount()));
  std::vector<uint8_t> picture;
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) CaptureCell(grid, r, c, *grid.Cell(r, c), &g, &picture);
  g.cells.shrink_to_fit();

  g.formulas = grid.RowFormulas();
  g.sums = grid.ColumnSums();
  return g;
}

//--- Apply ------------------------------------------------------------------------

bool ApplyGridImage(const GridFileImage& g, GridModel& grid) {
  if (g.rowCount < 0 || g.colCount < 0 || g.rowCount > kMaxRows || g.colCount > kMaxCols ||
      int64_t(g.rowCount) * g.colCount > kMaxCells)
    return false;

  grid.ResetContent();

  GridSettings& s = grid.Settings();
  bool ok = grid.SetRowCount(g.rowCount);
  grid.SetDefaultRowHeight(g.defaultRowHeight);
  ok = grid.SetColCount(g.colCount) && ok;
  grid.SetDefaultColWidth(g.defaultColWidth);
  grid.SetHeadRowCount(g.headRowCount);
  grid.SetHeadColCount(g.headColCount);
  s.lineColor = g.lineColor;
  s.bkColor = g.bkColor;
  s.textColor = g.textColor;
  s.lightColor = g.lightColor;
  s.lineType = g.lineType;
  grid.RepaintAll();
  s.isResizeHeight = g.isResizeHeight;
  s.isResizeWidth = g.isResizeWidth;
  s.isEdit = g.isEdit;
  s.isShowDiglog = g.isShowDiglog;
  grid.SetCanSelection(g.canSelection);
  s.showPrintButton = g.showPrintButton;
  grid.SetAlternateRecord(g.alternate);
  if (g.version >= 5) {
    grid.Title() = g.title;
    grid.Layout() = g.layout;
  }

  for (size_t r = 0; r < g.rowHeights.size(); ++r) grid.SetRowHeight(int(r), g.rowHeights[r]);
  for (size_t c = 0; c < g.colWidths.size(); ++c) grid.SetColWidth(int(c), g.colWidths[c]);

  std::vector<ColumnKindEntry> kinds;
  kinds.reserve(g.kinds.size());
  for (const auto& k : g.kinds) {
    ColumnKindEntry entry;
    entry.column = k.column;
    entry.kind = k.kind;
    entry.currencySymbol = k.currencySymbol;
    entry.dateFormat = k.dateFormat;
    entry.pictureMode = k.pictureMode;
    entry.decimalPlaces = k.decimalPlaces;
    if (!k.items.empty()) entry.list = k.items;
    kinds.push_back(std::move(entry));
  }
  grid.ReplaceColumnKinds(std::move(kinds));

  for (const MergedBlock& b : g.merged) grid.AppendMergedBlock(b);

  PictureService* service = CurrentPictureService();
  for (const auto& cell : g.cells) {
    if (cell.pictureLength && service) {
      Bitmap bitmap = service->FromBytes(g.CellPicture(cell), cell.pictureLength);
      if (bitmap) grid.SetCellBitmap(cell.row, cell.col, bitmap);
    }
    grid.SetCellText(cell.row, cell.col, g.CellText(cell), true);
    grid.SetCellCheck(cell.row, cell.col, cell.check);
  }

  for (const auto& f : g.fonts) grid.SetCellFont(f.row, f.col, f.font);
  for (const auto& v : g.values[GridFileImage::kBackColour])
    grid.SetCellBkColor(v.row, v.col, Colour(v.value));
  for (const auto& v : g.values[GridFileImage::kTextColour])
    grid.SetCellTextColor(v.row, v.col, Colour(v.value));
  for (const auto& v : g.values[GridFileImage::kFormat]) grid.SetCellFormat(v.row, v.col, uint32_t(v.value));
  for (const auto& v : g.values[GridFileImage::kDiagonal]) grid.SetCellDiagonal(v.row, v.col, v.value);
  for (const auto& v : g.values[GridFileImage::kMargin]) grid.SetCellMargin(v.row, v.col, v.value);
  for (const auto& v : g.values[GridFileImage::kSpareFlag]) grid.SetCellSpareFlag(v.row, v.col, v.value);
  if (g.version >= 2)
    for (const auto& v : g.values[GridFileImage::kState]) grid.SetCellState(v.row, v.col, uint32_t(v.value));
  if (g.version >= 3)
    for (const RowFormula& f : g.formulas) grid.AddRowFormula(f);
  if (g.version >= 4)
    for (const ColumnSum& sum : g.sums) grid.AddColumnSum(sum);

  grid.LayoutChanged();
  grid.RepaintAll();
  return ok;
}

//--- Memory and disk ----------------------------------------------------------------

namespace {

// Runs one load or save step; running out of memory fails it with a message.
template <typename Step>
bool Guarded(std::string* error, Step step) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    Say(error, "out of memory");
    return false;
  }
}

bool ApplyOrSay(const GridFileImage& image, GridModel& grid, std::string* error) {
  if (ApplyGridImage(image, grid)) return true;
  Say(error, "grid does not fit the limits");
  return false;
}

}  // namespace

bool LoadGridFromBuffer(GridModel& grid, const uint8_t* data, size_t size, std::string* error) {
  return Guarded(error, [&] {
    GridFileImage image;
    return ParseGridFile(data, size, &image, error) && ApplyOrSay(image, grid, error);
  });
}

std::vector<uint8_t> SaveGridToBuffer(const GridModel& grid) { return EncodeGridFile(CaptureGrid(grid)); }

bool LoadGridFile(GridModel& grid, const std::string& path, std::string* error) {
  return Guarded(error, [&] {
    GridFileImage image;
    {
      std::vector<uint8_t> bytes;
      if (!ReadWholeFile(path, kMaxFileBytes, &bytes)) {
        Say(error, "cannot read the file");
        return false;
      }
      if (!ParseGridFile(bytes.data(), bytes.size(), &image, error)) return false;
    }  // the file's bytes go before the grid is built
    return ApplyOrSay(image, grid, error);
  });
}

bool SaveGridFile(const GridModel& grid, const std::string& path, std::string* error) {
  return Guarded(error, [&] {
    std::vector<uint8_t> bytes = SaveGridToBuffer(grid);
    if (ReplaceFileContents(path, bytes.data(), bytes.size())) return true;
    Say(error, "cannot write the file");
    return false;
  });
}

}  // namespace grid
