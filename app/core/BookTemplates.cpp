#include "app/core/BookTemplates.h"

#include "app/core/HandlerIds.h"
#include "app/core/LibraryUnitBlocks.h"
#include "app/core/ProgramIcons.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/StatementSheet.h"
#include "app/core/TemplateRecords.h"

namespace app {

using namespace tpl;
namespace tag = rt::tag;

// A list of records: one header row of `columns`, rows filled in by the handlers;
// nothing can be edited, a click selects the whole row.
std::vector<uint8_t> RecordListGridBlock(int columns, int colWidth) {
  GridUnitProps p;
  p.rowCount = 1;
  p.colCount = columns;
  p.headRowCount = 1;
  p.headColCount = 0;
  p.isEdit = false;
  p.isResizeHeight = false;
  p.rowHeight = 22;
  p.colWidth = colWidth;
  p.selectRow = true;
  p.canSelection = true;
  p.selectColor = 0xFFFFFF;
  return WriteGridUnitBlock(p);
}

// Head rows fixed, so that printing repeats them on every page, with the page number
// centred below; nothing is edited.
std::vector<uint8_t> PrintedSheetGridBlock(int headRows, int columns) {
  GridUnitProps p;
  p.lineColor = 0x000000;
  p.rowCount = headRows;
  p.colCount = columns;
  p.headRowCount = headRows;
  p.headColCount = 0;
  p.isEdit = false;
  p.isResizeHeight = false;
  p.rowHeight = 22;
  p.colWidth = 80;
  p.canSelection = true;
  p.printPageNo = 2;
  p.printDate = 3;
  return WriteGridUnitBlock(p);
}

// Prefix, date part and serial digits of the next note numbers, with a sample.
rt::WindowTemplate NumberFormatWindow() {
  rt::WindowTemplate w;
  w.windowId = kNumberFormatWindowId;
  w.units = {
      On(0, HandlerId::OnNumberFormatShown,
         Unit(kNumberFormatWindowUnitId, tag::kWindow, "", {80, 80, 320, 214}, kShownState,
              WindowBlock(5, 1, "单据编号", SheetIcon()))),
      Unit(kPrefixLabelId, tag::kLabel, "标签1", {16, 19, 80, 16}, kShownState, LabelBlock("编号前缀：")),
      On(0, HandlerId::OnNumberFormatChanged,
         Unit(kPrefixEditId, tag::kEditBox, "前缀编辑框", {104, 16, 120, 20}, kInputState, EditBlock("NO."))),
      On(0, HandlerId::OnNumberFormatChanged,
         Unit(kDatePartCheckId, tag::kCheckBox, "日期选择框", {16, 44, 240, 20}, kInputState,
              CheckBlock("编号含日期（yyyyMMdd）", true))),
      Unit(kDigitsLabelId, tag::kLabel, "标签2", {16, 75, 80, 16}, kShownState, LabelBlock("序号位数：")),
      On(0, HandlerId::OnNumberFormatChanged,
         Unit(kDigitsEditId, tag::kEditBox, "位数编辑框", {104, 72, 40, 20}, kInputState, EditBlock("3"))),
      Unit(kSampleLabelId, tag::kLabel, "示例标签", {16, 104, 280, 20}, kShownState, LabelBlock("")),
      On(0, HandlerId::OnNumberFormatOk,
         Unit(kNumberOkButtonId, tag::kButton, "确定按钮", {120, 136, 80, 28}, kInputState,
              ButtonBlock("确定"))),
      On(0, HandlerId::OnNumberFormatCancel,
         Unit(kNumberCancelButtonId, tag::kButton, "取消按钮", {216, 136, 80, 28}, kInputState,
              ButtonBlock("取消"))),
  };
  return w;
}

// The recorded notes, newest first, filtered by customer and optionally by dates.
rt::WindowTemplate HistoryWindow() {
  rt::WindowTemplate w;
  w.windowId = kHistoryWindowId;
  w.units = {
      On(0, HandlerId::OnHistoryShown,
         Unit(kHistoryWindowUnitId, tag::kWindow, "", {60, 60, 700, 480}, kShownState,
              WindowBlock(5, 1, "历史单据", SheetIcon()))),
      Unit(kHistoryCustomerLabelId, tag::kLabel, "标签1", {8, 11, 40, 16}, kShownState, LabelBlock("客户：")),
      Unit(kHistoryCustomerEditId, tag::kEditBox, "客户编辑框", {48, 8, 120, 22}, kInputState, EditBlock("")),
      Unit(kHistoryByDateCheckId, tag::kCheckBox, "日期选择框", {184, 8, 72, 22}, kInputState,
           CheckBlock("日期从", false)),
      Unit(kHistoryFromBoxId, tag::kDateBox, "起始日期框", {256, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      Unit(kHistoryToLabelId, tag::kLabel, "标签2", {384, 11, 16, 16}, kShownState, LabelBlock("至")),
      Unit(kHistoryToBoxId, tag::kDateBox, "截止日期框", {404, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      On(0, HandlerId::OnHistoryQuery,
         Unit(kHistoryQueryButtonId, tag::kButton, "查询按钮", {540, 6, 72, 26}, kInputState,
              ButtonBlock("查询"))),
      // Event 10: a body cell double-clicked; event 11: the focus moved to another row.
      On({{10, HandlerId::OnHistoryOpenNote}, {11, HandlerId::OnHistoryChosen}},
         Unit(kHistoryGridId, tag::kGrid, "历史表格", {8, 40, 676, 376}, kInputState,
              RecordListGridBlock(6, 90))),
      Unit(kHistoryCountLabelId, tag::kLabel, "数量标签", {8, 422, 500, 20}, kShownState, LabelBlock("")),
      On(0, HandlerId::OnHistoryVoid,
         Unit(kHistoryVoidButtonId, tag::kButton, "作废按钮", {524, 418, 72, 26}, kInputState,
              ButtonBlock("作废"))),
      On(0, HandlerId::OnHistoryUnvoid,
         Unit(kHistoryUnvoidButtonId, tag::kButton, "取消作废按钮", {604, 418, 80, 26}, kInputState,
              ButtonBlock("取消作废"))),
  };
  return w;
}

// One customer's statement for a period: deliveries, payments and what is owed.
rt::WindowTemplate StatementWindow() {
  rt::WindowTemplate w;
  w.windowId = kStatementWindowId;
  w.units = {
      On(0, HandlerId::OnStatementShown,
         Unit(kStatementWindowUnitId, tag::kWindow, "", {60, 60, 720, 500}, kShownState,
              WindowBlock(5, 1, "客户对账单", SheetIcon()))),
      Unit(kStatementCustomerLabelId, tag::kLabel, "标签1", {8, 11, 40, 16}, kShownState,
           LabelBlock("客户：")),
      Unit(kStatementCustomerEditId, tag::kEditBox, "客户编辑框", {48, 8, 140, 22}, kInputState,
           EditBlock("")),
      Unit(kStatementFromLabelId, tag::kLabel, "标签2", {200, 11, 40, 16}, kShownState, LabelBlock("日期从")),
      Unit(kStatementFromBoxId, tag::kDateBox, "起始日期框", {244, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      Unit(kStatementToLabelId, tag::kLabel, "标签3", {372, 11, 16, 16}, kShownState, LabelBlock("至")),
      Unit(kStatementToBoxId, tag::kDateBox, "截止日期框", {392, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      On(0, HandlerId::OnStatementQuery,
         Unit(kStatementQueryButtonId, tag::kButton, "查询按钮", {528, 6, 72, 26}, kInputState,
              ButtonBlock("查询"))),
      Unit(kStatementGridId, tag::kGrid, "对账单表格", {8, 40, 696, 384}, kInputState,
           PrintedSheetGridBlock(kStatementHeadRows, kStatementColumns)),
      On(0, HandlerId::OnStatementPreview,
         Unit(kStatementPreviewButtonId, tag::kButton, "预览按钮", {448, 430, 88, 26}, kInputState,
              ButtonBlock("打印预览"))),
      On(0, HandlerId::OnStatementPrint,
         Unit(kStatementPrintButtonId, tag::kButton, "打印按钮", {544, 430, 72, 26}, kInputState,
              ButtonBlock("打印"))),
      On(0, HandlerId::OnStatementExport,
         Unit(kStatementExportButtonId, tag::kButton, "导出按钮", {624, 430, 80, 26}, kInputState,
              ButtonBlock("导出"))),
      Unit(kStatementSaveDialogId, tag::kCommonDialog, "通用对话框1", {0, 0, 16, 24}, kHiddenState,
           FileDialogBlock(1, "csv")),
  };
  return w;
}

}  // namespace app
