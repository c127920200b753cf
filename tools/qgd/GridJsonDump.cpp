#include "grid/core/LogFont.h"
#include "tools/qgd/ByteText.h"
#include "text/GbkText.h"
#include "tools/qgd/GridJson.h"
#include "tools/qgd/GridJsonNames.h"
#include "tools/qgd/JsonWriter.h"

namespace qgd {

namespace {

using grid::GridFileImage;

void TextValue(JsonWriter& w, std::string_view gbk) {
  std::string utf8;
  if (text::GbkToUtf8(gbk, &utf8)) {
    w.String(utf8);
  } else {
    w.BeginObject(true);
    w.Key(names::kHex);
    w.String(ToHex(gbk));
    w.EndObject();
  }
}

void Text(JsonWriter& w, const char* key, std::string_view gbk) {
  w.Key(key);
  TextValue(w, gbk);
}

void Int(JsonWriter& w, const char* key, int64_t value) {
  w.Key(key);
  w.Integer(value);
}

void Sizes(JsonWriter& w, const char* key, const std::vector<int32_t>& sizes) {
  w.Key(key);
  w.BeginArray(true);
  for (int32_t s : sizes) w.Integer(s);
  w.EndArray();
}

void Font(JsonWriter& w, const grid::LogFont& f) {
  Int(w, names::kHeight, f.height);
  Int(w, names::kWidth, f.width);
  Int(w, names::kEscapement, f.escapement);
  Int(w, names::kOrientation, f.orientation);
  Int(w, names::kWeight, f.weight);
  Int(w, names::kItalic, f.italic);
  Int(w, names::kUnderline, f.underline);
  Int(w, names::kStrikeOut, f.strikeOut);
  Int(w, names::kCharSet, f.charSet);
  Int(w, names::kOutPrecision, f.outPrecision);
  Int(w, names::kClipPrecision, f.clipPrecision);
  Int(w, names::kQuality, f.quality);
  Int(w, names::kPitchAndFamily, f.pitchAndFamily);
  Text(w, names::kFace, f.Face());
}

}  // namespace

std::string GridImageToJson(const GridFileImage& g) {
  JsonWriter w;
  w.BeginObject();
  Int(w, names::kVersion, g.version);
  w.Key(names::kReserved);
  w.BeginArray(true);
  w.Integer(g.reserved1);
  w.Integer(g.reserved2);
  w.EndArray();

  Int(w, names::kRowCount, g.rowCount);
  Int(w, names::kColCount, g.colCount);
  Int(w, names::kHeadRowCount, g.headRowCount);
  Int(w, names::kHeadColCount, g.headColCount);
  Int(w, names::kDefaultRowHeight, g.defaultRowHeight);
  Int(w, names::kDefaultColWidth, g.defaultColWidth);
  Int(w, names::kLineColor, g.lineColor);
  Int(w, names::kBkColor, g.bkColor);
  Int(w, names::kTextColor, g.textColor);
  Int(w, names::kLightColor, g.lightColor);
  Int(w, names::kLineType, g.lineType);
  Int(w, names::kIsResizeHeight, g.isResizeHeight);
  Int(w, names::kIsResizeWidth, g.isResizeWidth);
  Int(w, names::kIsEdit, g.isEdit);
  Int(w, names::kIsShowDiglog, g.isShowDiglog);
  Int(w, names::kCanSelection, g.canSelection);
  Int(w, names::kShowPrintButton, g.showPrintButton);
  w.Key(names::kAlternateColours);
  w.BeginObject(true);
  Int(w, names::kApplied, g.alternate.applied);
  Int(w, names::kByRows, g.alternate.byRows);
  Int(w, names::kOdd, g.alternate.odd);
  Int(w, names::kEven, g.alternate.even);
  w.EndObject();

  if (g.version >= 5) {
    w.Key(names::kPrintTitle);
    w.BeginObject(true);
    Text(w, names::kText, g.title.text);
    Text(w, names::kFace, g.title.face);
    Int(w, names::kSize, g.title.size);
    Int(w, names::kBold, g.title.bold);
    Int(w, names::kAlignment, g.title.alignment);
    w.EndObject();
    const grid::PrintLayout& l = g.layout;
    w.Key(names::kPrintLayout);
    w.BeginObject(true);
    Int(w, names::kHeaderBand, l.headerBand);
    Int(w, names::kFooterBand, l.footerBand);
    Int(w, names::kLeftMargin, l.leftMargin);
    Int(w, names::kRightMargin, l.rightMargin);
    Int(w, names::kTopMargin, l.topMargin);
    Int(w, names::kBottomMargin, l.bottomMargin);
    Int(w, names::kTitleGap, l.titleGap);
    w.EndObject();
  }

  Sizes(w, names::kRowHeights, g.rowHeights);
  Sizes(w, names::kColWidths, g.colWidths);

  w.Key(names::kColumnKinds);
  w.BeginArray();
  for (const auto& k : g.kinds) {
    w.BeginObject(true);
    Int(w, names::kColumn, k.column);
    Int(w, names::kKind, k.kind);
    Text(w, names::kCurrencySymbol, k.currencySymbol);
    Text(w, names::kDateFormat, k.dateFormat);
    Int(w, names::kPictureMode, k.pictureMode);
    Int(w, names::kDecimalPlaces, k.decimalPlaces);
    w.Key(names::kItems);
    w.BeginArray();
    for (const std::string& item : k.items) TextValue(w, item);
    w.EndArray();
    w.EndObject();
  }
  w.EndArray();

  w.Key(names::kMergedBlocks);
  w.BeginArray();
  for (const grid::MergedBlock& b : g.merged) {
    w.BeginObject(true);
    Int(w, names::kMasterRow, b.masterRow);
    Int(w, names::kMasterCol, b.masterCol);
    Int(w, names::kFirstRow, b.firstRow);
    Int(w, names::kFirstCol, b.firstCol);
    Int(w, names::kLastRow, b.lastRow);
    Int(w, names::kLastCol, b.lastCol);
    w.EndObject();
  }
  w.EndArray();

  w.Key(names::kCells);
  w.BeginArray();
  for (const auto& cell : g.cells) {
    w.BeginObject(true);
    Int(w, names::kRow, cell.row);
    Int(w, names::kCol, cell.col);
    Text(w, names::kText, g.CellText(cell));
    Int(w, names::kCheck, cell.check);
    if (cell.pictureLength) {
      w.Key(names::kPicture);
      w.String(ToBase64(g.CellPicture(cell), cell.pictureLength));
    }
    w.EndObject();
  }
  w.EndArray();

  w.Key(names::kFonts);
  w.BeginArray();
  for (const auto& f : g.fonts) {
    w.BeginObject(true);
    Int(w, names::kRow, f.row);
    Int(w, names::kCol, f.col);
    Font(w, f.font);
    w.EndObject();
  }
  w.EndArray();

  int lists = g.version >= 2 ? GridFileImage::kValueListCount : GridFileImage::kState;
  for (int list = 0; list < lists; ++list) {
    w.Key(names::kValueLists[list]);
    w.BeginArray();
    for (const auto& v : g.values[list]) {
      w.BeginObject(true);
      Int(w, names::kRow, v.row);
      Int(w, names::kCol, v.col);
      Int(w, names::kValue, v.value);
      w.EndObject();
    }
    w.EndArray();
  }

  if (g.version >= 3) {
    w.Key(names::kRowFormulas);
    w.BeginArray();
    for (const grid::RowFormula& f : g.formulas) {
      w.BeginObject(true);
      Int(w, names::kFirstCol, f.firstCol);
      Int(w, names::kSecondCol, f.secondCol);
      Int(w, names::kOperation, f.operation);
      Int(w, names::kResultCol, f.resultCol);
      w.EndObject();
    }
    w.EndArray();
  }
  if (g.version >= 4) {
    w.Key(names::kColumnSums);
    w.BeginArray();
    for (const grid::ColumnSum& s : g.sums) {
      w.BeginObject(true);
      Int(w, names::kColumn, s.column);
      Int(w, names::kFirstRow, s.firstRow);
      Int(w, names::kLastRow, s.lastRow);
      Int(w, names::kResultRow, s.resultRow);
      w.EndObject();
    }
    w.EndArray();
  }
  w.EndObject();
  return w.Take();
}

bool DumpGridJson(const uint8_t* data, size_t size, std::string* json, std::string* error) {
  GridFileImage image;
  if (!grid::ParseGridFile(data, size, &image, error)) return false;
  *json = GridImageToJson(image);
  return true;
}

}  // namespace qgd
