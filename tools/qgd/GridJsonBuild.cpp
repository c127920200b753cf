#include <cstdint>
#include <limits>
#include <new>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "tools/qgd/ByteText.h"
#include "text/GbkText.h"
#include "tools/qgd/GridJson.h"
#include "tools/qgd/GridJsonNames.h"

namespace qgd {

namespace {

using grid::GridFileImage;
using Kind = JsonReader::Kind;

//--- Values -----------------------------------------------------------------------

bool Ranged(JsonReader& r, int64_t lo, int64_t hi, int64_t* v) {
  if (!r.Integer(v)) return false;
  if (*v < lo || *v > hi)
    return r.Fail("value " + std::to_string(*v) + " outside " + std::to_string(lo) + ".." +
                  std::to_string(hi));
  return true;
}

template <typename T>
bool Value(JsonReader& r, T* out) {
  int64_t v;
  if (!Ranged(r, int64_t(std::numeric_limits<T>::min()), int64_t(std::numeric_limits<T>::max()), &v))
    return false;
  *out = T(v);
  return true;
}

// A member name as it may appear in a one-line message: at most 40 bytes of whole
// characters (names are valid UTF-8), control characters shown as '?'.
std::string Printable(const std::string& name) {
  std::string out;
  size_t i = 0;
  while (i < name.size()) {
    uint8_t b = uint8_t(name[i]);
    size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    if (out.size() + n > 40) break;
    if (b < 0x20)
      out += '?';
    else
      out.append(name, i, n);
    i += n;
  }
  return out;
}

// Walks an object, handing each member name to `member`, which reads the value and
// returns true, or returns false: after an error of its own, or for a name it does not
// know (reported here). A name that comes twice is refused.
template <typename F>
bool Members(JsonReader& r, const char* where, F&& member) {
  if (!r.BeginObject()) return false;
  std::string key;
  std::vector<std::string> seen;
  while (r.NextMember(&key)) {
    for (const std::string& s : seen)
      if (s == key) return r.Fail("member \"" + Printable(key) + "\" appears twice in " + where);
    seen.push_back(key);
    if (!member(key)) {
      if (!r.Failed()) r.Fail("unknown member \"" + Printable(key) + "\" in " + where);
      return false;
    }
  }
  return !r.Failed();
}

template <typename F>
bool Items(JsonReader& r, F&& item) {
  if (!r.BeginArray()) return false;
  while (r.NextItem())
    if (!item()) return false;
  return !r.Failed();
}

// A text: a JSON string (converted to GBK) or {"hex": "..."} of its bytes.
bool Text(JsonReader& r, size_t maxBytes, std::string* gbk) {
  if (r.Peek() == Kind::kObject) {
    std::string hex;
    bool have = false;
    bool ok = Members(r, "a hex text", [&](const std::string& k) {
      if (k != names::kHex) return false;
      have = true;
      return r.String(&hex);
    });
    if (!ok) return false;
    if (!have) return r.Fail("hex text without its \"hex\" member");
    if (!FromHex(hex, gbk)) return r.Fail("bad hex digits");
  } else {
    std::string utf8;
    if (!r.String(&utf8)) return false;
    if (!text::Utf8ToGbk(utf8, gbk))
      return r.Fail("text holds a character without a GBK code (give its bytes as {\"hex\": ...})");
  }
  if (gbk->find('\0') != std::string::npos) return r.Fail("text holds a zero byte");
  if (gbk->size() > maxBytes) return r.Fail("text longer than " + std::to_string(maxBytes) + " bytes");
  return true;
}

bool Missing(JsonReader& r, bool haveRow, bool haveCol, const char* what) {
  if (haveRow && haveCol) return true;
  return r.Fail(std::string(what) + " without \"row\" and \"col\"");
}

//--- The document -------------------------------------------------------------------

class Builder {
 public:
  Builder(JsonReader& r, GridFileImage* g) : r_(r), g_(*g) {}

  bool Read() {
    return Members(r_, "the grid", [&](const std::string& k) { return Member(k); }) && r_.Finish();
  }

  // Checks that need the whole document; false with the reason in *error.
  bool Complete(std::string* error) {
    auto fail = [&](const std::string& what) {
      *error = what;
      return false;
    };
    if (grid::GridBlockSize(g_.version) == 0) return fail("version must be 1 to 6");
    if (g_.version < 2 && hasStates_) return fail("\"states\" needs version 2 or later");
    if (g_.version < 3 && hasFormulas_) return fail("\"rowFormulas\" needs version 3 or later");
    if (g_.version < 4 && hasSums_) return fail("\"columnSums\" needs version 4 or later");
    if (g_.version < 5 && (hasTitle_ || hasLayout_))
      return fail("\"printTitle\" and \"printLayout\" need version 5 or later");
    if (g_.rowCount < 0 || g_.colCount < 0) return fail("negative row or column count");
    if (g_.rowCount > grid::kMaxRows || g_.colCount > grid::kMaxCols ||
        int64_t(g_.rowCount) * g_.colCount > grid::kMaxCells)
      return fail("too many rows or columns");
    if (!hasRowHeights_) g_.rowHeights.assign(size_t(g_.rowCount), g_.defaultRowHeight);
    if (!hasColWidths_) g_.colWidths.assign(size_t(g_.colCount), g_.defaultColWidth);
    if (g_.rowHeights.size() != size_t(g_.rowCount)) return fail("\"rowHeights\" must have rowCount entries");
    if (g_.colWidths.size() != size_t(g_.colCount)) return fail("\"colWidths\" must have colCount entries");
    if (g_.version < 6)
      for (const auto& cell : g_.cells)
        if (cell.textLength > 255)
          return fail("cell (" + std::to_string(cell.row) + ", " + std::to_string(cell.col) +
                      "): a version 1 to 5 file holds at most 255 bytes of text");
    return true;
  }

 private:
  bool Member(const std::string& k) {
    using namespace names;
    if (k == kVersion) return Value(r_, &g_.version);
    if (k == kReserved) {
      int n = 0;
      bool ok = Items(r_, [&] {
        if (n >= 2) return r_.Fail("\"reserved\" has two entries");
        return Value(r_, n++ == 0 ? &g_.reserved1 : &g_.reserved2);
      });
      return ok && (n == 2 || r_.Fail("\"reserved\" has two entries"));
    }
    if (k == kRowCount) return Value(r_, &g_.rowCount);
    if (k == kColCount) return Value(r_, &g_.colCount);
    if (k == kHeadRowCount) return Value(r_, &g_.headRowCount);
    if (k == kHeadColCount) return Value(r_, &g_.headColCount);
    if (k == kDefaultRowHeight) return Value(r_, &g_.defaultRowHeight);
    if (k == kDefaultColWidth) return Value(r_, &g_.defaultColWidth);
    if (k == kLineColor) return Value(r_, &g_.lineColor);
    if (k == kBkColor) return Value(r_, &g_.bkColor);
    if (k == kTextColor) return Value(r_, &g_.textColor);
    if (k == kLightColor) return Value(r_, &g_.lightColor);
    if (k == kLineType) return Value(r_, &g_.lineType);
    if (k == kIsResizeHeight) return Value(r_, &g_.isResizeHeight);
    if (k == kIsResizeWidth) return Value(r_, &g_.isResizeWidth);
    if (k == kIsEdit) return Value(r_, &g_.isEdit);
    if (k == kIsShowDiglog) return Value(r_, &g_.isShowDiglog);
    if (k == kCanSelection) return Value(r_, &g_.canSelection);
    if (k == kShowPrintButton) return Value(r_, &g_.showPrintButton);
    if (k == kAlternateColours) return Alternate();
    if (k == kPrintTitle) return hasTitle_ = true, Title();
    if (k == kPrintLayout) return hasLayout_ = true, Layout();
    if (k == kRowHeights) return hasRowHeights_ = true, Sizes(&g_.rowHeights);
    if (k == kColWidths) return hasColWidths_ = true, Sizes(&g_.colWidths);
    if (k == kColumnKinds) return Items(r_, [&] { return ColumnKind(); });
    if (k == kMergedBlocks) return Items(r_, [&] { return Merged(); });
    if (k == kCells) return Items(r_, [&] { return Cell(); });
    if (k == kFonts) return Items(r_, [&] { return Font(); });
    for (int list = 0; list < GridFileImage::kValueListCount; ++list)
      if (k == kValueLists[list]) {
        if (list == GridFileImage::kState) hasStates_ = true;
        return Items(r_, [&] { return ValueRecord(list); });
      }
    if (k == kRowFormulas) return hasFormulas_ = true, Items(r_, [&] { return Formula(); });
    if (k == kColumnSums) return hasSums_ = true, Items(r_, [&] { return Sum(); });
    return false;
  }

  bool Alternate() {
    grid::AlternateColours& a = g_.alternate;
    return Members(r_, "\"alternateColours\"", [&](const std::string& k) {
      if (k == names::kApplied) return Value(r_, &a.applied);
      if (k == names::kByRows) return Value(r_, &a.byRows);
      if (k == names::kOdd) return Value(r_, &a.odd);
      if (k == names::kEven) return Value(r_, &a.even);
      return false;
    });
  }

  bool Title() {
    grid::PrintTitle& t = g_.title;
    return Members(r_, "\"printTitle\"", [&](const std::string& k) {
      if (k == names::kText) return Text(r_, 255, &t.text);
      if (k == names::kFace) return Text(r_, 31, &t.face);
      if (k == names::kSize) return Value(r_, &t.size);
      if (k == names::kBold) return Value(r_, &t.bold);
      if (k == names::kAlignment) return Value(r_, &t.alignment);
      return false;
    });
  }

  bool Layout() {
    grid::PrintLayout& l = g_.layout;
    return Members(r_, "\"printLayout\"", [&](const std::string& k) {
      if (k == names::kHeaderBand) return Value(r_, &l.headerBand);
      if (k == names::kFooterBand) return Value(r_, &l.footerBand);
      if (k == names::kLeftMargin) return Value(r_, &l.leftMargin);
      if (k == names::kRightMargin) return Value(r_, &l.rightMargin);
      if (k == names::kTopMargin) return Value(r_, &l.topMargin);
      if (k == names::kBottomMargin) return Value(r_, &l.bottomMargin);
      if (k == names::kTitleGap) return Value(r_, &l.titleGap);
      return false;
    });
  }

  bool Sizes(std::vector<int32_t>* sizes) {
    sizes->clear();
    return Items(r_, [&] {
      int64_t v;
      if (!Ranged(r_, 0, grid::kMaxSize, &v)) return false;
      if (sizes->size() >= size_t(grid::kMaxRows)) return r_.Fail("too many sizes");
      sizes->push_back(int32_t(v));
      return true;
    });
  }

  bool ColumnKind() {
    GridFileImage::KindRecord k;
    bool ok = Members(r_, "a column kind", [&](const std::string& name) {
      if (name == names::kColumn) return Value(r_, &k.column);
      if (name == names::kKind) return Value(r_, &k.kind);
      if (name == names::kCurrencySymbol) return Text(r_, 7, &k.currencySymbol);
      if (name == names::kDateFormat) return Text(r_, 11, &k.dateFormat);
      if (name == names::kPictureMode) return Value(r_, &k.pictureMode);
      if (name == names::kDecimalPlaces) return Value(r_, &k.decimalPlaces);
      if (name == names::kItems)
        return Items(r_, [&] {
          k.items.emplace_back();
          return Text(r_, 99, &k.items.back());
        });
      return false;
    });
    if (ok) g_.kinds.push_back(std::move(k));
    return ok;
  }

  bool Merged() {
    grid::MergedBlock b;
    return Members(r_, "a merged block",
                   [&](const std::string& k) {
                     if (k == names::kMasterRow) return Value(r_, &b.masterRow);
                     if (k == names::kMasterCol) return Value(r_, &b.masterCol);
                     if (k == names::kFirstRow) return Value(r_, &b.firstRow);
                     if (k == names::kFirstCol) return Value(r_, &b.firstCol);
                     if (k == names::kLastRow) return Value(r_, &b.lastRow);
                     if (k == names::kLastCol) return Value(r_, &b.lastCol);
                     return false;
                   }) &&
           (g_.merged.push_back(b), true);
  }

  bool Cell() {
    int32_t row = 0, col = 0, check = 0;
    bool haveRow = false, haveCol = false;
    std::string text;
    std::vector<uint8_t> picture;
    bool ok = Members(r_, "a cell", [&](const std::string& k) {
      if (k == names::kRow) return haveRow = true, Value(r_, &row);
      if (k == names::kCol) return haveCol = true, Value(r_, &col);
      if (k == names::kText) return Text(r_, size_t(INT32_MAX) - 1, &text);
      if (k == names::kCheck) return Value(r_, &check);
      if (k == names::kPicture) {
        std::string base64;
        if (!r_.String(&base64)) return false;
        if (!FromBase64(base64, &picture)) return r_.Fail("picture is not padded base64");
        if (picture.size() > size_t(INT32_MAX)) return r_.Fail("picture too large");
        return true;
      }
      return false;
    });
    if (!ok || !Missing(r_, haveRow, haveCol, "cell")) return false;
    g_.AddCell(row, col, text, check, picture.data(), picture.size());
    return true;
  }

  bool Font() {
    GridFileImage::FontRecord f;
    f.font = grid::DefaultGridFont();
    bool haveRow = false, haveCol = false;
    grid::LogFont& font = f.font;
    bool ok = Members(r_, "a font", [&](const std::string& k) {
      using namespace names;
      if (k == kRow) return haveRow = true, Value(r_, &f.row);
      if (k == kCol) return haveCol = true, Value(r_, &f.col);
      if (k == kHeight) return Value(r_, &font.height);
      if (k == kWidth) return Value(r_, &font.width);
      if (k == kEscapement) return Value(r_, &font.escapement);
      if (k == kOrientation) return Value(r_, &font.orientation);
      if (k == kWeight) return Value(r_, &font.weight);
      if (k == kItalic) return Value(r_, &font.italic);
      if (k == kUnderline) return Value(r_, &font.underline);
      if (k == kStrikeOut) return Value(r_, &font.strikeOut);
      if (k == kCharSet) return Value(r_, &font.charSet);
      if (k == kOutPrecision) return Value(r_, &font.outPrecision);
      if (k == kClipPrecision) return Value(r_, &font.clipPrecision);
      if (k == kQuality) return Value(r_, &font.quality);
      if (k == kPitchAndFamily) return Value(r_, &font.pitchAndFamily);
      if (k == kFace) {
        std::string face;
        if (!Text(r_, 31, &face)) return false;
        font.SetFace(face);
        return true;
      }
      return false;
    });
    if (!ok || !Missing(r_, haveRow, haveCol, "font")) return false;
    g_.fonts.push_back(f);
    return true;
  }

  bool ValueRecord(int list) {
    GridFileImage::ValueRecord v;
    bool haveRow = false, haveCol = false;
    bool ok = Members(r_, names::kValueLists[list], [&](const std::string& k) {
      if (k == names::kRow) return haveRow = true, Value(r_, &v.row);
      if (k == names::kCol) return haveCol = true, Value(r_, &v.col);
      if (k == names::kValue) return Value(r_, &v.value);
      return false;
    });
    if (!ok || !Missing(r_, haveRow, haveCol, "value record")) return false;
    g_.values[list].push_back(v);
    return true;
  }

  bool Formula() {
    grid::RowFormula f;
    return Members(r_, "a row formula",
                   [&](const std::string& k) {
                     if (k == names::kFirstCol) return Value(r_, &f.firstCol);
                     if (k == names::kSecondCol) return Value(r_, &f.secondCol);
                     if (k == names::kOperation) return Value(r_, &f.operation);
                     if (k == names::kResultCol) return Value(r_, &f.resultCol);
                     return false;
                   }) &&
           (g_.formulas.push_back(f), true);
  }

  bool Sum() {
    grid::ColumnSum s;
    return Members(r_, "a column sum",
                   [&](const std::string& k) {
                     if (k == names::kColumn) return Value(r_, &s.column);
                     if (k == names::kFirstRow) return Value(r_, &s.firstRow);
                     if (k == names::kLastRow) return Value(r_, &s.lastRow);
                     if (k == names::kResultRow) return Value(r_, &s.resultRow);
                     return false;
                   }) &&
           (g_.sums.push_back(s), true);
  }

  JsonReader& r_;
  GridFileImage& g_;
  bool hasRowHeights_ = false, hasColWidths_ = false, hasTitle_ = false, hasLayout_ = false;
  bool hasStates_ = false, hasFormulas_ = false, hasSums_ = false;
};

}  // namespace

bool JsonToGridImage(std::string_view json, GridFileImage* image, std::string* error,
                     const JsonLimits& limits) {
  try {
    {
      grid::GridModel fresh;
      *image = grid::CaptureGrid(fresh);
    }
    JsonReader reader(json, limits);
    Builder builder(reader, image);
    if (!builder.Read()) {
      *error = reader.Error();
      return false;
    }
    return builder.Complete(error);
  } catch (const std::bad_alloc&) {
    *error = "out of memory";
    return false;
  }
}

bool BuildGridFromJson(std::string_view json, std::vector<uint8_t>* bytes, std::string* error,
                       const JsonLimits& limits) {
  try {
    GridFileImage image;
    if (!JsonToGridImage(json, &image, error, limits)) return false;
    *bytes = grid::EncodeGridFile(image);
    if (bytes->size() <= grid::kGridFileMinimumRefused) {
      *error = "the grid file would be " + std::to_string(bytes->size()) +
               " bytes, too short for the grid to load (it needs more than 539)";
      return false;
    }
    GridFileImage check;
    std::string why;
    if (!grid::ParseGridFile(bytes->data(), bytes->size(), &check, &why)) {
      *error = "the grid would refuse the result: " + why;
      return false;
    }
    return true;
  } catch (const std::bad_alloc&) {
    *error = "out of memory";
    return false;
  }
}

}  // namespace qgd
