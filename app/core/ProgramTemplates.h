// The program's window template data: its windows with every unit, menu item and
// event binding, built from readable records, and the ids the handlers address them by.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/WindowTemplate.h"

namespace app {

// The last id serial the templates hand out; ids made at run time continue after it.
constexpr uint32_t kLastIdSerial = 0x101aa;

//--- MainWindow ---------------------------------------------------------------------
constexpr uint32_t kMainWindowId = 0x52010001;
constexpr uint32_t kMainWindowUnitId = 0x06010000;
constexpr uint32_t kHeaderLabelId = 0x16010029;     // 标签2 "打印表头"
constexpr uint32_t kHeaderTextEditId = 0x1601002a;  // 编辑框2, the print title
constexpr uint32_t kCustomerLabelId = 0x16010026;   // 标签1 "客户名称"
constexpr uint32_t kCustomerEditId = 0x16010025;    // 编辑框1, the customer name
constexpr uint32_t kDateLabelId = 0x160100df;       // 标签3 "日期"
constexpr uint32_t kDateBoxId = 0x16010027;         // 日期框1, the note date
constexpr uint32_t kHelpButtonId = 0x160100ea;      // 按钮1 "使用帮助"
constexpr uint32_t kGridUnitId = 0x1601000c;        // 高级表格1
constexpr uint32_t kOpenDialogId = 0x160100c0;      // 通用对话框1
constexpr uint32_t kSaveDialogId = 0x160100c1;      // 通用对话框2
constexpr uint32_t kOwnerMenuId = 0x16010017;       // 超级菜单1

// The menu items, in menu order.
constexpr uint32_t kMenuProgramId = 0x2601000d;
constexpr uint32_t kMenuOpenId = 0x2601000e;
constexpr uint32_t kMenuSaveId = 0x2601000f;
constexpr uint32_t kMenuSeparatorId = 0x26010010;
constexpr uint32_t kMenuExitId = 0x26010011;
constexpr uint32_t kMenuToolsId = 0x26010012;
constexpr uint32_t kMenuCalculatorId = 0x26010013;
constexpr uint32_t kMenuCalendarId = 0x260100d8;
constexpr uint32_t kMenuPrintId = 0x26010014;
constexpr uint32_t kMenuPrintHeaderId = 0x26010015;
constexpr uint32_t kMenuPrintPreviewId = 0x26010016;
constexpr uint32_t kMenuPrintNowId = 0x26010019;
constexpr uint32_t kMenuBookId = 0x260100ef;  // 账本
constexpr uint32_t kMenuNewNoteId = 0x260100f0;
constexpr uint32_t kMenuNumberFormatId = 0x260100f1;
constexpr uint32_t kMenuHistoryId = 0x260100f2;
constexpr uint32_t kMenuBackupBookId = 0x26010108;
constexpr uint32_t kMenuRestoreBookId = 0x26010109;
constexpr uint32_t kMenuSendOutboxId = 0x26010171;  // 发送待上传单据
constexpr uint32_t kMenuPaymentsId = 0x26010130;    // 收款登记…
constexpr uint32_t kMenuStatementId = 0x26010120;   // 客户对账单…
// 欠款汇总…
constexpr uint32_t kMenuReceivablesId = 0x26010160;
constexpr uint32_t kMenuBookPlaceId = 0x26010170;  // 账本位置…
constexpr uint32_t kMenuHelpId = 0x2601001a;
constexpr uint32_t kMenuAboutId = 0x2601001b;

//--- PrintHeaderWindow --------------------------------------------------------------
constexpr uint32_t kPrintHeaderWindowId = 0x52010037;
constexpr uint32_t kPrintHeaderWindowUnitId = 0x06010036;
constexpr uint32_t kTitleGroupId = 0x16010043;            // 分组框1 "打印表头"
constexpr uint32_t kTitleLabelId = 0x1601004b;            // 标签1
constexpr uint32_t kTitleEditId = 0x1601004c;             // 表头名称编辑框
constexpr uint32_t kFontNameLabelId = 0x1601004a;         // 标签2
constexpr uint32_t kFontNameEditId = 0x16010049;          // 字体名称编辑框
constexpr uint32_t kBoldCheckId = 0x1601004d;             // 加粗选择框
constexpr uint32_t kFontSizeLabelId = 0x16010047;         // 标签3
constexpr uint32_t kFontSizeEditId = 0x16010048;          // 字体尺寸编辑框
constexpr uint32_t kAlignLeftRadioId = 0x16010046;        // 左对齐单选框
constexpr uint32_t kAlignCentreRadioId = 0x16010045;      // 居中单选框
constexpr uint32_t kAlignRightRadioId = 0x16010044;       // 右对齐单选框
constexpr uint32_t kMarginGroupId = 0x16010038;           // 分组框2 "页边距"
constexpr uint32_t kLeftLabelId = 0x16010040;             // 标签4
constexpr uint32_t kLeftMarginEditId = 0x1601003c;        // 左编辑框
constexpr uint32_t kRightLabelId = 0x1601003f;            // 标签5
constexpr uint32_t kRightMarginEditId = 0x1601003b;       // 右编辑框
constexpr uint32_t kTopLabelId = 0x1601003e;              // 标签6
constexpr uint32_t kTopMarginEditId = 0x1601003a;         // 上编辑框
constexpr uint32_t kBottomLabelId = 0x1601003d;           // 标签7
constexpr uint32_t kBottomMarginEditId = 0x16010039;      // 下编辑框
constexpr uint32_t kShowPrintButtonCheckId = 0x16010042;  // 显示打印按钮选择框
constexpr uint32_t kShowPrintDialogCheckId = 0x16010041;  // 显示打印对话框选择框
constexpr uint32_t kSettingsOkButtonId = 0x1601004f;      // 确定按钮
constexpr uint32_t kSettingsCancelButtonId = 0x1601004e;  // 取消按钮
// The paper and the options of print.ini.
constexpr uint32_t kPaperGroupId = 0x16010180;         // 分组框3 "纸张"
constexpr uint32_t kPaperPrinterRadioId = 0x16010181;  // 跟随打印机 ... 自定义…, in this order
constexpr int kPaperRadioCount = 7;
constexpr uint32_t kPaperWidthLabelId = 0x16010188;
constexpr uint32_t kPaperWidthEditId = 0x16010189;
constexpr uint32_t kPaperHeightLabelId = 0x1601018a;
constexpr uint32_t kPaperHeightEditId = 0x1601018b;
constexpr uint32_t kFilledRowsCheckId = 0x1601018c;  // 只打印已填写的行
constexpr uint32_t kFitToSheetCheckId = 0x1601018d;  // 缩小到一页
constexpr uint32_t kHidePricesCheckId = 0x1601018e;  // 不打印单价和金额
constexpr uint32_t kOffsetLabelId = 0x1601018f;      // 打印偏移
constexpr uint32_t kOffsetXEditId = 0x16010190;
constexpr uint32_t kOffsetYEditId = 0x16010191;
constexpr uint32_t kSubtitleLabelId = 0x16010192;  // 副标题
constexpr uint32_t kSubtitleEditId = 0x16010193;
constexpr uint32_t kSignLineLabelId = 0x16010194;  // 签字栏
constexpr uint32_t kSignLineEditId = 0x16010195;

//--- The three side windows ---------------------------------------------------------
constexpr uint32_t kAboutWindowId = 0x520100c6;
constexpr uint32_t kAboutWindowUnitId = 0x060100c5;
constexpr uint32_t kAboutLabelId = 0x160100e9;

constexpr uint32_t kCalendarWindowId = 0x520100d7;
constexpr uint32_t kCalendarWindowUnitId = 0x060100d6;
constexpr uint32_t kMonthCalendarId = 0x160100d9;  // 农历月历1

constexpr uint32_t kHelpWindowId = 0x520100ec;
constexpr uint32_t kHelpWindowUnitId = 0x060100eb;
constexpr uint32_t kHelpLabelId = 0x160100ed;

//--- The note book's windows --------------------------------------------------------
constexpr uint32_t kNumberFormatWindowId = 0x520100f3;  // 单据编号
constexpr uint32_t kNumberFormatWindowUnitId = 0x060100f4;
constexpr uint32_t kPrefixLabelId = 0x160100f5;
constexpr uint32_t kPrefixEditId = 0x160100f6;
constexpr uint32_t kDatePartCheckId = 0x160100f7;
constexpr uint32_t kDigitsLabelId = 0x160100f8;
constexpr uint32_t kDigitsEditId = 0x160100f9;
constexpr uint32_t kSampleLabelId = 0x160100fa;
constexpr uint32_t kNumberOkButtonId = 0x160100fb;
constexpr uint32_t kNumberCancelButtonId = 0x160100fc;

constexpr uint32_t kHistoryWindowId = 0x520100fd;  // 历史单据
constexpr uint32_t kHistoryWindowUnitId = 0x060100fe;
constexpr uint32_t kHistoryCustomerLabelId = 0x160100ff;
constexpr uint32_t kHistoryCustomerEditId = 0x16010100;
constexpr uint32_t kHistoryByDateCheckId = 0x16010101;
constexpr uint32_t kHistoryFromBoxId = 0x16010102;
constexpr uint32_t kHistoryToLabelId = 0x16010103;
constexpr uint32_t kHistoryToBoxId = 0x16010104;
constexpr uint32_t kHistoryQueryButtonId = 0x16010105;
constexpr uint32_t kHistoryGridId = 0x16010106;
constexpr uint32_t kHistoryCountLabelId = 0x16010107;
constexpr uint32_t kHistoryVoidButtonId = 0x1601016a;    // 作废
constexpr uint32_t kHistoryUnvoidButtonId = 0x1601016b;  // 取消作废

constexpr uint32_t kPaymentWindowId = 0x52010131;  // 收款登记
constexpr uint32_t kPaymentWindowUnitId = 0x06010132;
constexpr uint32_t kPaymentCustomerLabelId = 0x16010133;
constexpr uint32_t kPaymentCustomerEditId = 0x16010134;
constexpr uint32_t kPaymentDateLabelId = 0x16010135;
constexpr uint32_t kPaymentDateBoxId = 0x16010136;
constexpr uint32_t kPaymentAmountLabelId = 0x16010137;
constexpr uint32_t kPaymentAmountEditId = 0x16010138;
constexpr uint32_t kPaymentRemarkLabelId = 0x16010139;
constexpr uint32_t kPaymentRemarkEditId = 0x1601013a;
constexpr uint32_t kRecordPaymentButtonId = 0x1601013b;
constexpr uint32_t kDeletePaymentButtonId = 0x1601013c;
constexpr uint32_t kPaymentGridId = 0x1601013d;
constexpr uint32_t kPaymentCountLabelId = 0x1601013e;
constexpr uint32_t kClosePaymentsButtonId = 0x1601013f;
constexpr uint32_t kStatementWindowId = 0x52010121;  // 客户对账单
constexpr uint32_t kStatementWindowUnitId = 0x06010122;
constexpr uint32_t kStatementCustomerLabelId = 0x16010123;
constexpr uint32_t kStatementCustomerEditId = 0x16010124;
constexpr uint32_t kStatementFromLabelId = 0x16010125;
constexpr uint32_t kStatementFromBoxId = 0x16010126;
constexpr uint32_t kStatementToLabelId = 0x16010127;
constexpr uint32_t kStatementToBoxId = 0x16010128;
constexpr uint32_t kStatementQueryButtonId = 0x16010129;
constexpr uint32_t kStatementPreviewButtonId = 0x1601012a;
constexpr uint32_t kStatementPrintButtonId = 0x1601012b;
constexpr uint32_t kStatementExportButtonId = 0x1601012c;
constexpr uint32_t kStatementGridId = 0x1601012d;
constexpr uint32_t kStatementSaveDialogId = 0x1601012e;  // 导出: CSV files

constexpr uint32_t kReceivablesWindowId = 0x52010161;  // 欠款汇总
constexpr uint32_t kReceivablesWindowUnitId = 0x06010162;
constexpr uint32_t kReceivablesDateLabelId = 0x16010163;
constexpr uint32_t kReceivablesDateBoxId = 0x16010164;
constexpr uint32_t kReceivablesQueryButtonId = 0x16010165;
constexpr uint32_t kReceivablesGridId = 0x16010166;
constexpr uint32_t kReceivablesPreviewButtonId = 0x16010167;
constexpr uint32_t kReceivablesPrintButtonId = 0x16010168;
constexpr uint32_t kReceivablesExportButtonId = 0x16010169;
constexpr uint32_t kReceivablesSaveDialogId = 0x1601016c;  // 导出: CSV files
constexpr uint32_t kReceivablesHintLabelId = 0x1601016d;

constexpr uint32_t kBookPlaceWindowId = 0x520101a0;  // 账本位置
constexpr uint32_t kBookPlaceWindowUnitId = 0x060101a1;
constexpr uint32_t kLocalBookRadioId = 0x160101a2;   // 本机账本
constexpr uint32_t kLocalBookLabelId = 0x160101a3;   // the local book's file
constexpr uint32_t kServerBookRadioId = 0x160101a4;  // 服务器账本
constexpr uint32_t kConnectionLabelId = 0x160101a5;
constexpr uint32_t kConnectionEditId = 0x160101a6;  // a connection string or a data source name
constexpr uint32_t kTestConnectionButtonId = 0x160101a7;
constexpr uint32_t kUploadBookButtonId = 0x160101a8;
constexpr uint32_t kBookPlaceOkButtonId = 0x160101a9;
constexpr uint32_t kBookPlaceCancelButtonId = 0x160101aa;

// The records of all windows, in window-table order (main window first), with
// handler offsets as stored (indices of HandlerId) and nothing bound yet.
rt::TemplateSet BuildProgramTemplates();

// The template block written from those records; built once, lives for the run.
const std::vector<uint8_t>& ProgramTemplateBlock();

}  // namespace app
