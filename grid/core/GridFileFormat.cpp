#include "grid/core/GridFileFormat.h"

#include <cstring>

#include "grid/core/NumberText.h"

namespace grid {

namespace {

constexpr uint8_t kMagic[4] = {'Q', 'G', 'R', 'D'};
constexpr size_t kKindRecordSize = 40;
constexpr size_t kListItemSize = 100;
constexpr size_t kMergedRecordSize = 24;
constexpr size_t kFontRecordSize = 68;
constexpr size_t kValueRecordSize = 12;
constexpr size_t kFormulaRecordSize = 16;
constexpr size_t kOldCellTextSize = 256;
constexpr size_t kTitleTextSize = 256;
constexpr size_t kFaceSize = 32;
constexpr size_t kSymbolSize = 8;
constexpr size_t kDateFormatSize = 12;

int ValueListCount(int version) { return version >= 2 ? 7 : 6; }

//--- Reading --------------------------------------------------------------------

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : p_(data), left_(size) {}
  size_t Left() const { return left_; }

  bool I32(int32_t* v) {
    if (left_ < 4) return false;
    *v = int32_t(uint32_t(p_[0]) | uint32_t(p_[1]) << 8 | uint32_t(p_[2]) << 16 | uint32_t(p_[3]) << 24);
    Advance(4);
    return true;
  }
  bool U32(uint32_t* v) {
    int32_t i;
    if (!I32(&i)) return false;
    *v = uint32_t(i);
    return true;
  }
  bool U16(uint16_t* v) {
    if (left_ < 2) return false;
    *v = uint16_t(p_[0] | p_[1] << 8);
    Advance(2);
    return true;
  }
  bool Bytes(size_t n, const uint8_t** out) {
    if (left_ < n) return false;
    *out = p_;
    Advance(n);
    return true;
  }
  // A zero-padded field of n bytes that must hold its terminating zero.
  bool FixedText(size_t n, std::string* out) {
    const uint8_t* field;
    if (!Bytes(n, &field)) return false;
    const void* zero = std::memchr(field, 0, n);
    if (!zero) return false;
    out->assign(reinterpret_cast<const char*>(field), size_t(static_cast<const uint8_t*>(zero) - field));
    return true;
  }
  // Room for `count` records of `size` bytes; negative counts never fit.
  bool Fits(int32_t count, size_t size) const { return count >= 0 && uint64_t(count) * size <= left_; }

 private:
  void Advance(size_t n) {
    p_ += n;
    left_ -= n;
  }
  const uint8_t* p_;
  size_t left_;
};

struct Failure {
  std::string* error;
  bool operator()(const char* what) const {
    if (error) *error = what;
    return false;
  }
};

struct BlockCounts {
  int32_t kinds = 0, merged = 0, cells = 0, fonts = 0;
  int32_t values[GridFileImage::kValueListCount] = {};
  int32_t formulas = 0, sums = 0;
};

bool ReadGridBlock(Reader& in, GridFileImage* g, BlockCounts* n) {
  int32_t byRows, applied, odd, even;
  bool ok = in.I32(&g->rowCount) && in.I32(&g->colCount) && in.I32(&g->headRowCount) &&
            in.I32(&g->headColCount) && in.I32(&g->defaultRowHeight) && in.I32(&g->defaultColWidth) &&
            in.U32(&g->lineColor) && in.U32(&g->bkColor) && in.U32(&g->textColor) && in.U32(&g->lightColor) &&
            in.I32(&g->lineType) && in.I32(&g->isResizeHeight) && in.I32(&g->isResizeWidth) &&
            in.I32(&g->isEdit) && in.I32(&g->isShowDiglog) && in.I32(&g->canSelection) &&
            in.I32(&g->showPrintButton) && in.I32(&applied) && in.I32(&byRows) && in.I32(&odd) &&
            in.I32(&even) && in.I32(&n->kinds) && in.I32(&n->merged) && in.I32(&n->cells) &&
            in.I32(&n->fonts);
  for (int i = 0; ok && i < 6; ++i) ok = in.I32(&n->values[i]);
  if (!ok) return false;
  g->alternate = AlternateColours{Colour(odd), Colour(even), byRows, applied};
  if (g->version >= 2 && !in.I32(&n->values[GridFileImage::kState])) return false;
  if (g->version >= 3 && !in.I32(&n->formulas)) return false;
  if (g->version >= 4 && !in.I32(&n->sums)) return false;
  if (g->version >= 5) {
    PrintTitle& t = g->title;
    PrintLayout& l = g->layout;
    ok = in.FixedText(kTitleTextSize, &t.text) && in.FixedText(kFaceSize, &t.face) && in.I32(&t.size) &&
         in.I32(&t.bold) && in.I32(&t.alignment) && in.I32(&l.headerBand) && in.I32(&l.footerBand) &&
         in.I32(&l.leftMargin) && in.I32(&l.rightMargin) && in.I32(&l.topMargin) && in.I32(&l.bottomMargin) &&
         in.I32(&l.titleGap);
  }
  return ok;
}

bool ReadSizes(Reader& in, int32_t count, std::vector<int32_t>* sizes) {
  if (!in.Fits(count, 4)) return false;
  sizes->resize(size_t(count));
  for (int32_t& s : *sizes)
    if (!in.I32(&s) || s < 0 || s > kMaxSize) return false;
  return true;
}

bool ReadKind(Reader& in, GridFileImage::KindRecord* k) {
  int32_t itemCount;
  if (!(in.I32(&k->column) && in.I32(&k->kind) && in.FixedText(kSymbolSize, &k->currencySymbol) &&
        in.FixedText(kDateFormatSize, &k->dateFormat) && in.I32(&k->pictureMode) &&
        in.I32(&k->decimalPlaces) && in.I32(&itemCount)))
    return false;
  if (!in.Fits(itemCount, kListItemSize)) return false;
  k->items.resize(size_t(itemCount));
  for (std::string& item : k->items)
    if (!in.FixedText(kListItemSize, &item)) return false;
  return true;
}

// Blocks the loader will apply must not add up to more cell marking than the limit.
bool MergedAreaFits(const GridFileImage& g) {
  int64_t area = 0;
  for (const MergedBlock& b : g.merged) {
    if (b.firstRow < 0 || b.firstCol < 0 || b.lastRow < b.firstRow || b.lastCol < b.firstCol ||
        b.lastRow >= g.rowCount || b.lastCol >= g.colCount)
      continue;
    area += int64_t(b.lastRow - b.firstRow + 1) * (b.lastCol - b.firstCol + 1);
    if (area > kMaxMergedArea) return false;
  }
  return true;
}

bool ReadCell(Reader& in, int version, GridFileImage* g) {
  GridFileImage::CellRecord cell;
  if (!in.I32(&cell.row) || !in.I32(&cell.col)) return false;
  std::string_view text;
  std::string oldText;
  if (version >= 6) {
    int32_t length;
    const uint8_t* bytes;
    if (!in.I32(&length) || length < 1 || !in.Bytes(size_t(length), &bytes)) return false;
    const void* zero = std::memchr(bytes, 0, size_t(length));
    if (!zero) return false;
    text = std::string_view(reinterpret_cast<const char*>(bytes),
                            size_t(static_cast<const uint8_t*>(zero) - bytes));
  } else {
    if (!in.FixedText(kOldCellTextSize, &oldText)) return false;
    text = oldText;
  }
  int32_t pictureLength;
  const uint8_t* picture = nullptr;
  if (!in.I32(&cell.check) || !in.I32(&pictureLength) || pictureLength < 0) return false;
  if (pictureLength > 0 && !in.Bytes(size_t(pictureLength), &picture)) return false;
  g->AddCell(cell.row, cell.col, text, cell.check, picture, size_t(pictureLength));
  return true;
}

//--- Writing --------------------------------------------------------------------

class Writer {
 public:
  explicit Writer(std::vector<uint8_t>* out) : out_(*out) {}
  void I32(int32_t v) {
    uint32_t u = uint32_t(v);
    size_t at = out_.size();
    out_.resize(at + 4);
    out_[at] = uint8_t(u);
    out_[at + 1] = uint8_t(u >> 8);
    out_[at + 2] = uint8_t(u >> 16);
    out_[at + 3] = uint8_t(u >> 24);
  }
  void U16(uint16_t v) {
    out_.push_back(uint8_t(v));
    out_.push_back(uint8_t(v >> 8));
  }
  void Bytes(const void* p, size_t n) {
    if (n == 0) return;
    size_t at = out_.size();
    out_.resize(at + n);
    std::memcpy(out_.data() + at, p, n);
  }
  // Cut to field - 1 bytes (never inside a double-byte character), zero-padded.
  void Fixed(std::string_view text, size_t field) {
    std::string_view cut = CutGbk(text.substr(0, text.find('\0')), field - 1);
    Bytes(cut.data(), cut.size());
    out_.insert(out_.end(), field - cut.size(), 0);
  }
  template <typename T>
  void Count(const std::vector<T>& v) {
    I32(int32_t(v.size()));
  }

 private:
  std::vector<uint8_t>& out_;
};

}  // namespace

size_t GridBlockSize(int version) {
  switch (version) {
    case 1: return 124;
    case 2: return 128;
    case 3: return 132;
    case 4: return 136;
    case 5:
    case 6: return 464;
    default: return 0;
  }
}

void GridFileImage::AddCell(int32_t row, int32_t col, std::string_view text, int32_t check,
                            const uint8_t* picture, size_t pictureLength) {
  CellRecord cell;
  cell.row = row;
  cell.col = col;
  cell.check = check;
  cell.textOffset = uint32_t(textPool.size());
  cell.textLength = uint32_t(text.size());
  textPool.append(text.data(), text.size());
  if (picture && pictureLength) {
    cell.pictureOffset = uint32_t(picturePool.size());
    cell.pictureLength = uint32_t(pictureLength);
    picturePool.insert(picturePool.end(), picture, picture + pictureLength);
  }
  cells.push_back(cell);
}

bool ParseGridFile(const uint8_t* data, size_t size, GridFileImage* g, std::string* error) {
  Failure fail{error};
  *g = GridFileImage();
  if (!data || size <= kGridFileMinimumRefused) return fail("file too short");
  if (size > 0x7FFFFFFFu) return fail("file too large");
  Reader in(data, size);
  const uint8_t* magic;
  int32_t version;
  in.Bytes(4, &magic);
  if (std::memcmp(magic, kMagic, 4) != 0) return fail("not a grid file (bad magic)");
  in.I32(&version);
  if (GridBlockSize(version) == 0) return fail("unsupported grid file version");
  g->version = version;
  in.U16(&g->reserved1);
  in.U16(&g->reserved2);

  BlockCounts n;
  if (!ReadGridBlock(in, g, &n)) return fail("grid block cut short or print title without terminator");
  if (g->rowCount < 0 || g->colCount < 0 || g->headRowCount < 0 || g->headColCount < 0)
    return fail("negative row or column count");
  if (g->rowCount > kMaxRows || g->colCount > kMaxCols || int64_t(g->rowCount) * g->colCount > kMaxCells)
    return fail("too many rows or columns");
  if (g->defaultRowHeight < 0 || g->defaultRowHeight > kMaxSize || g->defaultColWidth < 0 ||
      g->defaultColWidth > kMaxSize)
    return fail("bad default row height or column width");

  if (!ReadSizes(in, g->rowCount, &g->rowHeights)) return fail("row heights cut short or out of range");
  if (!ReadSizes(in, g->colCount, &g->colWidths)) return fail("column widths cut short or out of range");

  if (!in.Fits(n.kinds, kKindRecordSize)) return fail("column kind records cut short");
  g->kinds.resize(size_t(n.kinds));
  for (auto& kind : g->kinds)
    if (!ReadKind(in, &kind)) return fail("bad column kind record or list item");

  if (!in.Fits(n.merged, kMergedRecordSize)) return fail("merged block records cut short");
  g->merged.resize(size_t(n.merged));
  for (MergedBlock& b : g->merged)
    in.I32(&b.masterRow), in.I32(&b.masterCol), in.I32(&b.firstRow), in.I32(&b.firstCol), in.I32(&b.lastRow),
        in.I32(&b.lastCol);
  if (!MergedAreaFits(*g)) return fail("merged blocks cover too many cells");

  size_t minimumCell = version >= 6 ? 21 : 16 + kOldCellTextSize;
  if (!in.Fits(n.cells, minimumCell)) return fail("cell records cut short");
  g->cells.reserve(size_t(n.cells));
  for (int32_t i = 0; i < n.cells; ++i)
    if (!ReadCell(in, version, g)) return fail("bad cell record (cut short or text without terminator)");

  if (!in.Fits(n.fonts, kFontRecordSize)) return fail("font records cut short");
  g->fonts.resize(size_t(n.fonts));
  for (auto& f : g->fonts) {
    const uint8_t* bytes = nullptr;
    if (!(in.I32(&f.row) && in.I32(&f.col) && in.Bytes(sizeof(LogFont), &bytes)))
      return fail("font records cut short");
    std::memcpy(&f.font, bytes, sizeof(LogFont));
    if (!std::memchr(f.font.faceName, 0, kFaceSize)) return fail("font face without terminator");
  }

  for (int list = 0; list < ValueListCount(version); ++list) {
    if (!in.Fits(n.values[list], kValueRecordSize)) return fail("value list cut short");
    g->values[list].resize(size_t(n.values[list]));
    for (auto& v : g->values[list]) in.I32(&v.row), in.I32(&v.col), in.I32(&v.value);
  }
  if (version >= 3) {
    if (!in.Fits(n.formulas, kFormulaRecordSize)) return fail("row formula records cut short");
    g->formulas.resize(size_t(n.formulas));
    for (RowFormula& f : g->formulas)
      in.I32(&f.firstCol), in.I32(&f.secondCol), in.I32(&f.operation), in.I32(&f.resultCol);
  }
  if (version >= 4) {
    if (!in.Fits(n.sums, kFormulaRecordSize)) return fail("column sum records cut short");
    g->sums.resize(size_t(n.sums));
    for (ColumnSum& s : g->sums)
      in.I32(&s.column), in.I32(&s.firstRow), in.I32(&s.lastRow), in.I32(&s.resultRow);
  }
  return true;
}

std::vector<uint8_t> EncodeGridFile(const GridFileImage& g) {
  int version = GridBlockSize(g.version) ? g.version : kGridFileVersion;
  std::vector<uint8_t> bytes;
  bytes.reserve(kGridFileHeaderSize + 464 + 4 * (g.rowHeights.size() + g.colWidths.size()) +
                g.cells.size() * 24 + g.textPool.size() + g.picturePool.size());
  Writer out(&bytes);

  out.Bytes(kMagic, 4);
  out.I32(version);
  out.U16(g.reserved1);
  out.U16(g.reserved2);

  for (int32_t v : {g.rowCount,
                    g.colCount,
                    g.headRowCount,
                    g.headColCount,
                    g.defaultRowHeight,
                    g.defaultColWidth,
                    int32_t(g.lineColor),
                    int32_t(g.bkColor),
                    int32_t(g.textColor),
                    int32_t(g.lightColor),
                    g.lineType,
                    g.isResizeHeight,
                    g.isResizeWidth,
                    g.isEdit,
                    g.isShowDiglog,
                    g.canSelection,
                    g.showPrintButton,
                    g.alternate.applied,
                    g.alternate.byRows,
                    int32_t(g.alternate.odd),
                    int32_t(g.alternate.even)})
    out.I32(v);
  out.Count(g.kinds);
  out.Count(g.merged);
  out.Count(g.cells);
  out.Count(g.fonts);
  for (int list = 0; list < ValueListCount(version); ++list) out.Count(g.values[list]);
  if (version >= 3) out.Count(g.formulas);
  if (version >= 4) out.Count(g.sums);
  if (version >= 5) {
    out.Fixed(g.title.text, kTitleTextSize);
    out.Fixed(g.title.face, kFaceSize);
    const PrintLayout& l = g.layout;
    for (int32_t v : {g.title.size, g.title.bold, g.title.alignment, l.headerBand, l.footerBand, l.leftMargin,
                      l.rightMargin, l.topMargin, l.bottomMargin, l.titleGap})
      out.I32(v);
  }

  // The counts in the block were taken from rowCount/colCount; the size arrays
  // follow them exactly (missing entries written as 0).
  for (int r = 0; r < g.rowCount; ++r) out.I32(size_t(r) < g.rowHeights.size() ? g.rowHeights[r] : 0);
  for (int c = 0; c < g.colCount; ++c) out.I32(size_t(c) < g.colWidths.size() ? g.colWidths[c] : 0);

  for (const auto& k : g.kinds) {
    for (int32_t v : {k.column, k.kind}) out.I32(v);
    out.Fixed(k.currencySymbol, kSymbolSize);
    out.Fixed(k.dateFormat, kDateFormatSize);
    for (int32_t v : {k.pictureMode, k.decimalPlaces}) out.I32(v);
    out.Count(k.items);
    for (const std::string& item : k.items) out.Fixed(item, kListItemSize);
  }
  for (const MergedBlock& b : g.merged)
    for (int32_t v : {b.masterRow, b.masterCol, b.firstRow, b.firstCol, b.lastRow, b.lastCol}) out.I32(v);

  for (const auto& cell : g.cells) {
    out.I32(cell.row);
    out.I32(cell.col);
    std::string_view text = g.CellText(cell);
    if (version >= 6) {
      out.I32(int32_t(text.size() + 1));
      out.Bytes(text.data(), text.size());
      out.Bytes("", 1);
    } else {
      out.Fixed(text, kOldCellTextSize);
    }
    out.I32(cell.check);
    out.I32(int32_t(cell.pictureLength));
    if (cell.pictureLength) out.Bytes(g.CellPicture(cell), cell.pictureLength);
  }

  for (const auto& f : g.fonts) {
    out.I32(f.row);
    out.I32(f.col);
    // The record is the in-memory layout (little-endian, no padding); the face
    // always keeps its terminator.
    LogFont font = f.font;
    font.SetFace(f.font.Face());
    out.Bytes(&font, sizeof(LogFont));
  }
  for (int list = 0; list < ValueListCount(version); ++list)
    for (const auto& v : g.values[list]) {
      out.I32(v.row);
      out.I32(v.col);
      out.I32(v.value);
    }
  if (version >= 3)
    for (const RowFormula& f : g.formulas)
      for (int32_t v : {f.firstCol, f.secondCol, f.operation, f.resultCol}) out.I32(v);
  if (version >= 4)
    for (const ColumnSum& s : g.sums)
      for (int32_t v : {s.column, s.firstRow, s.lastRow, s.resultRow}) out.I32(v);
  return bytes;
}

}  // namespace grid
