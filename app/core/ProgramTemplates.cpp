#include "app/core/ProgramTemplates.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "app/core/BookTemplates.h"
#include "app/core/HandlerIds.h"
#include "app/core/LibraryUnitBlocks.h"
#include "app/core/ProgramIcons.h"
#include "app/core/TemplateRecords.h"
#include "runtime/core/DataValue.h"
#include "runtime/core/TemplateWriter.h"
#include "runtime/core/UnitPropertyBlocks.h"

namespace app {

namespace {

using rt::UnitTemplate;
using rt::WindowTemplate;
namespace tag = rt::tag;
using namespace tpl;

// The note grid: 24 rows of 7 columns, no fixed rows or columns, page numbers centred.
std::vector<uint8_t> NoteGridBlock() {
  GridUnitProps p;
  p.lineColor = 0x000000;
  p.bkColor = 0xFFFFFF;
  p.textColor = 0x000000;
  p.lightColor = 0xFF00FF;
  p.lineType = 3;
  p.isResizeHeight = p.isResizeWidth = true;
  p.rowHeight = 24;
  p.colWidth = 60;
  p.rowCount = 24;
  p.colCount = 7;
  p.isEdit = true;
  p.headRowCount = p.headColCount = 0;
  p.isShowDiglog = true;
  p.canSelection = true;
  p.showPrintButton = true;
  p.fixedBkColor = rt::kDefaultColor;
  p.printPageNo = 2;
  p.printDate = 0;
  p.enterFunction = 0;
  p.processClickFixed = true;
  p.selectRow = false;
  p.selectBkColor = 0xC56A31;
  p.sizeToWidth = true;
  p.lineWidth = 0;
  p.selectColor = 0x000000;
  p.showZeroInNumCell = true;
  return WriteGridUnitBlock(p);
}

//--- Texts --------------------------------------------------------------------------

// What the program is for, in lines short enough to fit the about window.
const char* const kAboutText =
    "青禾简易表格生成器\r\n\r\n"
    "开送货单、存送货单、打印送货单的小工具。\r\n\r\n"
    "填好数量和单价，金额自动算出。\r\n\r\n"
    "合计同时写成大写金额和小写金额。\r\n\r\n"
    "送货单存为表格文件，以后打开再改。\r\n\r\n"
    "打印前可设置表头、字体和页边距。\r\n\r\n"
    "打印预览可逐页查看效果。\r\n\r\n"
    "退出时如未保存，会提醒保存。";

// The usage help: the three fixed instructions, then notes on this program.
const char* const kHelpText =
    "             ---------使用方法-----------\r\n\r\n"
    "    设置表格的 行，列，文字，标题。  设置好之后\r\n\r\n"
    "    在相应的表格内输入内容  排表  数量 备注 等信息\r\n\r\n"
    "    预览  如果觉得效果不好 返回重新设计  修改内容\r\n\r\n"
    "    填好数量和单价，编辑结束后金额和合计自动算出。\r\n\r\n"
    "    退出时如单据未保存，程序会提醒保存。";

//--- The five windows ---------------------------------------------------------------

WindowTemplate MainWindow() {
  WindowTemplate w;
  w.windowId = kMainWindowId;
  w.idWord = 0x19010018;
  w.units = {
      // Event 0: window and units created; event 1: close box; event 4: size changed.
      On({{0, HandlerId::OnMainWindowCreated},
          {1, HandlerId::OnMainWindowCloseRequest},
          {4, HandlerId::FitGridToWindow}},
         Unit(kMainWindowUnitId, tag::kWindow, "", {50, 50, 691, 587}, kShownState,
              WindowBlock(6, 2, "青禾简易表格生成器", SheetIcon()))),

      // The menu bar; captions as stored, trailing spaces included.
      MenuItem(kMenuProgramId, 0, "程序     ", std::nullopt),
      MenuItem(kMenuOpenId, 1, "打开", HandlerId::OnOpen),
      MenuItem(kMenuSaveId, 1, "保存      ", HandlerId::OnSave),
      MenuItem(kMenuSeparatorId, 1, "-", std::nullopt),
      MenuItem(kMenuExitId, 1, "退出", HandlerId::OnExit),
      MenuItem(kMenuToolsId, 0, "工具    ", std::nullopt),
      MenuItem(kMenuCalculatorId, 1, "计算器     ", HandlerId::OnCalculator),
      MenuItem(kMenuCalendarId, 1, "月历", HandlerId::OnMonthCalendar),
      MenuItem(kMenuPrintId, 0, "打印   ", std::nullopt),
      MenuItem(kMenuPrintHeaderId, 1, "打印表头设置", HandlerId::OnPrintHeaderSettings),
      MenuItem(kMenuPrintPreviewId, 1, "打印预览", HandlerId::OnPrintPreview),
      MenuItem(kMenuPrintNowId, 1, "打印(Y)", HandlerId::OnPrint),
      MenuItem(kMenuBookId, 0, "账本", std::nullopt),
      MenuItem(kMenuNewNoteId, 1, "新单据", HandlerId::OnNewNote),
      MenuItem(kMenuNumberFormatId, 1, "单据编号…", HandlerId::OnNumberFormat),
      MenuItem(kMenuHistoryId, 1, "历史单据…", HandlerId::OnHistory),
      MenuItem(kMenuPaymentsId, 1, "收款登记…", HandlerId::OnPayments),
      MenuItem(kMenuStatementId, 1, "客户对账单…", HandlerId::OnStatement),
      MenuItem(kMenuReceivablesId, 1, "欠款汇总…", HandlerId::OnReceivables),
      MenuItem(kMenuBackupBookId, 1, "备份账本…", HandlerId::OnBackupBook),
      MenuItem(kMenuRestoreBookId, 1, "恢复账本…", HandlerId::OnRestoreBook),
      MenuItem(kMenuBookPlaceId, 1, "账本位置…", HandlerId::OnBookPlace),
      MenuItem(kMenuSendOutboxId, 1, "发送待上传单据", HandlerId::OnSendOutbox),
      MenuItem(kMenuHelpId, 0, "帮助", std::nullopt),
      MenuItem(kMenuAboutId, 1, "关于", HandlerId::OnAbout),

      Unit(kHeaderLabelId, tag::kLabel, "标签2", {8, 0, 56, 24}, kShownState, LabelBlock("打印表头")),
      On(0, HandlerId::OnHeaderTextChanged,
         Unit(kHeaderTextEditId, tag::kEditBox, "编辑框2", {64, 0, 104, 24}, kInputState,
              EditBlock("青禾系列软件"))),
      Unit(kCustomerLabelId, tag::kLabel, "标签1", {192, 0, 56, 24}, kShownState, LabelBlock("客户名称")),
      On(0, HandlerId::OnCustomerChanged,
         Unit(kCustomerEditId, tag::kEditBox, "编辑框1", {256, 0, 104, 24}, kInputState, EditBlock(""))),
      Unit(kDateLabelId, tag::kLabel, "标签3", {384, 0, 32, 24}, kShownState, LabelBlock("日期")),
      On(0, HandlerId::OnDateChanged,
         Unit(kDateBoxId, tag::kDateBox, "日期框1", {424, 0, 136, 24}, kInputState, rt::WriteDateBoxProps())),
      On(0, HandlerId::OnUsageHelp,
         Unit(kHelpButtonId, tag::kButton, "按钮1", {584, 0, 80, 24}, kInputState, ButtonBlock("使用帮助"))),
      // Event 2, cell editing ended: bound at handler offset 0.
      On(2, HandlerId::RecalculateNote,
         Unit(kGridUnitId, tag::kGrid, "高级表格1", {16, 24, 632, 424}, kInputState, NoteGridBlock())),
      Unit(kOpenDialogId, tag::kCommonDialog, "通用对话框1", {616, -8, 16, 24}, kHiddenState,
           FileDialogBlock(0, "")),
      Unit(kSaveDialogId, tag::kCommonDialog, "通用对话框2", {632, 0, 16, 24}, kHiddenState,
           FileDialogBlock(1, "qgd")),
      Unit(kOwnerMenuId, tag::kOwnerMenu, "超级菜单1", {0, 40, 24, 16}, kHiddenState,
           WriteOwnerMenuBlock(OwnerMenuProps{})),
  };
  return w;
}

// The paper and the options kept in print.ini, below the title and margins.
std::vector<UnitTemplate> PaperAndOptionUnits() {
  const uint32_t paper = kPaperGroupId;
  static const char* const kPapers[kPaperRadioCount] = {
      "跟随打印机", "A4", "A5 横向", "241×280 整张", "241×140 二等分", "241×93 三等分", "自定义…"};
  static const Place kPaperRects[kPaperRadioCount] = {
      {8, 16, 96, 24},  {112, 16, 56, 24},  {176, 16, 88, 24}, {272, 16, 128, 24},
      {8, 44, 128, 24}, {144, 44, 120, 24}, {272, 44, 88, 24}};
  std::vector<UnitTemplate> units = {
      Unit(paper, tag::kGroupBox, "分组框3", {8, 184, 408, 104}, kShownState, GroupBlock("纸张"))};
  for (int i = 0; i < kPaperRadioCount; ++i) {
    std::string name = "纸张单选框" + std::to_string(i + 1);
    units.push_back(Inside(paper, Unit(kPaperPrinterRadioId + uint32_t(i), tag::kRadioBox, name.c_str(),
                                       kPaperRects[i], kInputState, RadioBlock(kPapers[i], i == 0))));
  }
  units.push_back(Inside(paper, Unit(kPaperWidthLabelId, tag::kLabel, "标签8", {192, 75, 64, 16}, kShownState,
                                     LabelBlock("宽(毫米)"))));
  units.push_back(Inside(paper, Unit(kPaperWidthEditId, tag::kEditBox, "纸宽编辑框", {256, 72, 48, 20},
                                     kInputState, EditBlock(""))));
  units.push_back(Inside(paper, Unit(kPaperHeightLabelId, tag::kLabel, "标签9", {312, 75, 40, 16},
                                     kShownState, LabelBlock("高"))));
  units.push_back(Inside(paper, Unit(kPaperHeightEditId, tag::kEditBox, "纸高编辑框", {344, 72, 48, 20},
                                     kInputState, EditBlock(""))));
  units.push_back(Unit(kFilledRowsCheckId, tag::kCheckBox, "已填写行选择框", {8, 296, 144, 16}, kInputState,
                       CheckBlock("只打印已填写的行", false)));
  units.push_back(Unit(kFitToSheetCheckId, tag::kCheckBox, "缩小选择框", {160, 296, 104, 16}, kInputState,
                       CheckBlock("缩小到一页", false)));
  units.push_back(Unit(kHidePricesCheckId, tag::kCheckBox, "不打印价格选择框", {272, 296, 144, 16},
                       kInputState, CheckBlock("不打印单价和金额", false)));
  units.push_back(Unit(kOffsetLabelId, tag::kLabel, "标签10", {8, 323, 144, 16}, kShownState,
                       LabelBlock("打印偏移(毫米) 右/下：")));
  units.push_back(
      Unit(kOffsetXEditId, tag::kEditBox, "偏移X编辑框", {160, 320, 48, 20}, kInputState, EditBlock("0")));
  units.push_back(
      Unit(kOffsetYEditId, tag::kEditBox, "偏移Y编辑框", {216, 320, 48, 20}, kInputState, EditBlock("0")));
  units.push_back(
      Unit(kSubtitleLabelId, tag::kLabel, "标签11", {8, 351, 56, 16}, kShownState, LabelBlock("副标题：")));
  units.push_back(
      Unit(kSubtitleEditId, tag::kEditBox, "副标题编辑框", {72, 348, 344, 20}, kInputState, EditBlock("")));
  units.push_back(
      Unit(kSignLineLabelId, tag::kLabel, "标签12", {8, 379, 56, 16}, kShownState, LabelBlock("签字栏：")));
  units.push_back(
      Unit(kSignLineEditId, tag::kEditBox, "签字栏编辑框", {72, 376, 344, 20}, kInputState, EditBlock("")));
  return units;
}

WindowTemplate PrintHeaderWindow() {
  WindowTemplate w;
  w.windowId = kPrintHeaderWindowId;
  w.idWord = 0x19010050;
  const uint32_t title = kTitleGroupId, margins = kMarginGroupId;
  w.units = {
      Unit(kPrintHeaderWindowUnitId, tag::kWindow, "", {50, 50, 432, 474}, kShownState,
           WindowBlock(5, 3, "", SheetIcon())),

      Unit(title, tag::kGroupBox, "分组框1", {8, 8, 312, 144}, kShownState, GroupBlock("打印表头")),
      Inside(title, Unit(kTitleLabelId, tag::kLabel, "标签1", {8, 19, 64, 16}, kShownState,
                         LabelBlock("表头标题："))),
      Inside(title, Unit(kTitleEditId, tag::kEditBox, "表头名称编辑框", {96, 16, 120, 20}, kInputState,
                         EditBlock("青禾系列软件"))),
      Inside(title, Unit(kFontNameLabelId, tag::kLabel, "标签2", {8, 47, 64, 16}, kShownState,
                         LabelBlock("字体名称："))),
      Inside(title, Unit(kFontNameEditId, tag::kEditBox, "字体名称编辑框", {96, 44, 120, 20}, kInputState,
                         EditBlock("宋体"))),
      Inside(title, Unit(kBoldCheckId, tag::kCheckBox, "加粗选择框", {224, 43, 80, 24}, kInputState,
                         CheckBlock("加粗", true))),
      Inside(title, Unit(kFontSizeLabelId, tag::kLabel, "标签3", {8, 76, 64, 16}, kShownState,
                         LabelBlock("字体尺寸："))),
      Inside(title, Unit(kFontSizeEditId, tag::kEditBox, "字体尺寸编辑框", {96, 72, 120, 20}, kInputState,
                         EditBlock("22"))),
      Inside(title, Unit(kAlignLeftRadioId, tag::kRadioBox, "左对齐单选框", {32, 104, 80, 24}, kInputState,
                         RadioBlock("左对齐", false))),
      Inside(title, Unit(kAlignCentreRadioId, tag::kRadioBox, "居中单选框", {128, 104, 80, 24}, kInputState,
                         RadioBlock("居中对齐", true))),
      Inside(title, Unit(kAlignRightRadioId, tag::kRadioBox, "右对齐单选框", {224, 104, 80, 24}, kInputState,
                         RadioBlock("右对齐", false))),

      Unit(margins, tag::kGroupBox, "分组框2", {328, 8, 88, 144}, kShownState, GroupBlock("页边距")),
      Inside(margins,
             Unit(kLeftLabelId, tag::kLabel, "标签4", {8, 16, 16, 24}, kShownState, LabelBlock("左"))),
      Inside(margins, Unit(kLeftMarginEditId, tag::kEditBox, "左编辑框", {32, 18, 40, 20}, kInputState,
                           EditBlock("19.05"))),
      Inside(margins,
             Unit(kRightLabelId, tag::kLabel, "标签5", {8, 48, 16, 24}, kShownState, LabelBlock("右"))),
      Inside(margins, Unit(kRightMarginEditId, tag::kEditBox, "右编辑框", {32, 50, 40, 20}, kInputState,
                           EditBlock("19.05"))),
      Inside(margins,
             Unit(kTopLabelId, tag::kLabel, "标签6", {8, 80, 16, 24}, kShownState, LabelBlock("上"))),
      Inside(margins, Unit(kTopMarginEditId, tag::kEditBox, "上编辑框", {32, 82, 40, 20}, kInputState,
                           EditBlock("19.05"))),
      Inside(margins,
             Unit(kBottomLabelId, tag::kLabel, "标签7", {8, 112, 16, 24}, kShownState, LabelBlock("下"))),
      Inside(margins, Unit(kBottomMarginEditId, tag::kEditBox, "下编辑框", {32, 114, 40, 20}, kInputState,
                           EditBlock("19.05"))),

      Unit(kShowPrintButtonCheckId, tag::kCheckBox, "显示打印按钮选择框", {8, 160, 144, 16}, kInputState,
           CheckBlock("打印预览显示打印按钮", true)),
      Unit(kShowPrintDialogCheckId, tag::kCheckBox, "显示打印对话框选择框", {169, 160, 143, 16}, kInputState,
           CheckBlock("打印时显示打印对话框", true)),
      On(0, HandlerId::OnSettingsOk,
         Unit(kSettingsOkButtonId, tag::kButton, "确定按钮", {240, 404, 80, 32}, kInputState,
              ButtonBlock("确定"))),
      On(0, HandlerId::OnSettingsCancel,
         Unit(kSettingsCancelButtonId, tag::kButton, "取消按钮", {336, 404, 80, 32}, kInputState,
              ButtonBlock("取消"))),
  };
  for (UnitTemplate& u : PaperAndOptionUnits()) w.units.push_back(std::move(u));
  ListContainedUnits(&w);
  return w;
}

WindowTemplate AboutWindow() {
  WindowTemplate w;
  w.windowId = kAboutWindowId;
  w.units = {
      Unit(kAboutWindowUnitId, tag::kWindow, "", {50, 50, 347, 282}, kShownState,
           WindowBlock(5, 1, "", AboutIcon())),
      Unit(kAboutLabelId, tag::kLabel, "标签1", {0, 16, 344, 280}, kShownState, LabelBlock(kAboutText)),
  };
  return w;
}

WindowTemplate CalendarWindow() {
  WindowTemplate w;
  w.windowId = kCalendarWindowId;
  w.units = {
      Unit(kCalendarWindowUnitId, tag::kWindow, "", {50, 50, 369, 293}, kShownState,
           WindowBlock(5, 1, "", SheetIcon())),
      Unit(kMonthCalendarId, tag::kMonthCalendar, "农历月历1", {0, 0, 365, 262}, kInputState,
           WriteMonthCalendarBlock(MonthCalendarProps{})),
  };
  return w;
}

WindowTemplate HelpWindow() {
  constexpr uint8_t kGb2312CharSet = 134;
  WindowTemplate w;
  w.windowId = kHelpWindowId;
  w.units = {
      Unit(kHelpWindowUnitId, tag::kWindow, "", {50, 50, 380, 284}, kShownState,
           WindowBlock(5, 1, "使用帮助", {})),
      Unit(kHelpLabelId, tag::kLabel, "标签1", {8, 8, 352, 280}, kShownState,
           LabelBlock(kHelpText, rt::MakeFontBytes(-14, 400, kGb2312CharSet, "宋体"))),
  };
  return w;
}

}  // namespace

rt::TemplateSet BuildProgramTemplates() {
  rt::TemplateSet set;
  set.windows = {MainWindow(),      PrintHeaderWindow(),  AboutWindow(),   CalendarWindow(),
                 HelpWindow(),      NumberFormatWindow(), HistoryWindow(), PaymentWindow(),
                 StatementWindow(), ReceivablesWindow(), BookPlaceWindow()};
  return set;
}

const std::vector<uint8_t>& ProgramTemplateBlock() {
  static const std::vector<uint8_t> block = rt::WriteWindowTemplates(BuildProgramTemplates());
  return block;
}

}  // namespace app
