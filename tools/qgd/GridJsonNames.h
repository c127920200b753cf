// Member names of the grid file's JSON form, shared by the writer and the reader.
#pragma once

namespace qgd::names {

// Header and grid block.
constexpr const char* kVersion = "version";
constexpr const char* kReserved = "reserved";
constexpr const char* kRowCount = "rowCount";
constexpr const char* kColCount = "colCount";
constexpr const char* kHeadRowCount = "headRowCount";
constexpr const char* kHeadColCount = "headColCount";
constexpr const char* kDefaultRowHeight = "defaultRowHeight";
constexpr const char* kDefaultColWidth = "defaultColWidth";
constexpr const char* kLineColor = "lineColor";
constexpr const char* kBkColor = "bkColor";
constexpr const char* kTextColor = "textColor";
constexpr const char* kLightColor = "lightColor";
constexpr const char* kLineType = "lineType";
constexpr const char* kIsResizeHeight = "isResizeHeight";
constexpr const char* kIsResizeWidth = "isResizeWidth";
constexpr const char* kIsEdit = "isEdit";
constexpr const char* kIsShowDiglog = "isShowDiglog";
constexpr const char* kCanSelection = "canSelection";
constexpr const char* kShowPrintButton = "showPrintButton";
constexpr const char* kAlternateColours = "alternateColours";
constexpr const char* kApplied = "applied";
constexpr const char* kByRows = "byRows";
constexpr const char* kOdd = "odd";
constexpr const char* kEven = "even";

// Print settings.
constexpr const char* kPrintTitle = "printTitle";
constexpr const char* kText = "text";
constexpr const char* kFace = "face";
constexpr const char* kSize = "size";
constexpr const char* kBold = "bold";
constexpr const char* kAlignment = "alignment";
constexpr const char* kPrintLayout = "printLayout";
constexpr const char* kHeaderBand = "headerBand";
constexpr const char* kFooterBand = "footerBand";
constexpr const char* kLeftMargin = "leftMargin";
constexpr const char* kRightMargin = "rightMargin";
constexpr const char* kTopMargin = "topMargin";
constexpr const char* kBottomMargin = "bottomMargin";
constexpr const char* kTitleGap = "titleGap";

// Sections.
constexpr const char* kRowHeights = "rowHeights";
constexpr const char* kColWidths = "colWidths";
constexpr const char* kColumnKinds = "columnKinds";
constexpr const char* kColumn = "column";
constexpr const char* kKind = "kind";
constexpr const char* kCurrencySymbol = "currencySymbol";
constexpr const char* kDateFormat = "dateFormat";
constexpr const char* kPictureMode = "pictureMode";
constexpr const char* kDecimalPlaces = "decimalPlaces";
constexpr const char* kItems = "items";
constexpr const char* kMergedBlocks = "mergedBlocks";
constexpr const char* kMasterRow = "masterRow";
constexpr const char* kMasterCol = "masterCol";
constexpr const char* kFirstRow = "firstRow";
constexpr const char* kFirstCol = "firstCol";
constexpr const char* kLastRow = "lastRow";
constexpr const char* kLastCol = "lastCol";
constexpr const char* kCells = "cells";
constexpr const char* kRow = "row";
constexpr const char* kCol = "col";
constexpr const char* kCheck = "check";
constexpr const char* kPicture = "picture";
constexpr const char* kFonts = "fonts";
constexpr const char* kHeight = "height";
constexpr const char* kWidth = "width";
constexpr const char* kEscapement = "escapement";
constexpr const char* kOrientation = "orientation";
constexpr const char* kWeight = "weight";
constexpr const char* kItalic = "italic";
constexpr const char* kUnderline = "underline";
constexpr const char* kStrikeOut = "strikeOut";
constexpr const char* kCharSet = "charSet";
constexpr const char* kOutPrecision = "outPrecision";
constexpr const char* kClipPrecision = "clipPrecision";
constexpr const char* kQuality = "quality";
constexpr const char* kPitchAndFamily = "pitchAndFamily";
constexpr const char* kValue = "value";
// The seven value lists in file order (back colour ... state).
constexpr const char* kValueLists[] = {"backColours", "textColours", "formats", "diagonalStyles",
                                       "margins",     "spareFlags",  "states"};
constexpr const char* kRowFormulas = "rowFormulas";
constexpr const char* kSecondCol = "secondCol";
constexpr const char* kOperation = "operation";
constexpr const char* kResultCol = "resultCol";
constexpr const char* kColumnSums = "columnSums";
constexpr const char* kResultRow = "resultRow";

// A text kept as its raw bytes.
constexpr const char* kHex = "hex";

}  // namespace qgd::names
