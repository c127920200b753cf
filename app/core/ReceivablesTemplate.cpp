// The 欠款汇总 window: what every customer owes on a day, aged, above its buttons.
#include "app/core/BookTemplates.h"
#include "app/core/HandlerIds.h"
#include "app/core/LibraryUnitBlocks.h"
#include "app/core/ProgramIcons.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/ReceivablesSheet.h"
#include "app/core/TemplateRecords.h"

namespace app {

using namespace tpl;
namespace tag = rt::tag;

rt::WindowTemplate ReceivablesWindow() {
  rt::WindowTemplate w;
  w.windowId = kReceivablesWindowId;
  w.units = {
      On(0, HandlerId::OnReceivablesShown,
         Unit(kReceivablesWindowUnitId, tag::kWindow, "", {60, 60, 760, 500}, kShownState,
              WindowBlock(5, 1, "欠款汇总", SheetIcon()))),
      Unit(kReceivablesDateLabelId, tag::kLabel, "标签1", {8, 11, 64, 16}, kShownState,
           LabelBlock("截止日期：")),
      Unit(kReceivablesDateBoxId, tag::kDateBox, "截止日期框", {76, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      On(0, HandlerId::OnReceivablesQuery,
         Unit(kReceivablesQueryButtonId, tag::kButton, "查询按钮", {212, 6, 72, 26}, kInputState,
              ButtonBlock("查询"))),
      // Event 10: a body cell double-clicked.
      On(10, HandlerId::OnReceivablesOpenStatement,
         Unit(kReceivablesGridId, tag::kGrid, "欠款表格", {8, 40, 736, 384}, kInputState,
              PrintedSheetGridBlock(kReceivablesHeadRows, kReceivablesColumns))),
      Unit(kReceivablesHintLabelId, tag::kLabel, "说明标签", {8, 434, 420, 20}, kShownState,
           LabelBlock("双击客户查看对账单")),
      On(0, HandlerId::OnReceivablesPreview,
         Unit(kReceivablesPreviewButtonId, tag::kButton, "预览按钮", {488, 430, 88, 26}, kInputState,
              ButtonBlock("打印预览"))),
      On(0, HandlerId::OnReceivablesPrint,
         Unit(kReceivablesPrintButtonId, tag::kButton, "打印按钮", {584, 430, 72, 26}, kInputState,
              ButtonBlock("打印"))),
      On(0, HandlerId::OnReceivablesExport,
         Unit(kReceivablesExportButtonId, tag::kButton, "导出按钮", {664, 430, 80, 26}, kInputState,
              ButtonBlock("导出"))),
      Unit(kReceivablesSaveDialogId, tag::kCommonDialog, "通用对话框1", {0, 0, 16, 24}, kHiddenState,
           FileDialogBlock(1, "csv")),
  };
  return w;
}

}  // namespace app
