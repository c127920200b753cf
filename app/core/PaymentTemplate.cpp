// The 收款登记 window: a payment's customer, date, amount and remark above the list of
// that customer's payments.
#include "app/core/BookTemplates.h"
#include "app/core/HandlerIds.h"
#include "app/core/LibraryUnitBlocks.h"
#include "app/core/ProgramIcons.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/TemplateRecords.h"

namespace app {

using namespace tpl;
namespace tag = rt::tag;

rt::WindowTemplate PaymentWindow() {
  rt::WindowTemplate w;
  w.windowId = kPaymentWindowId;
  w.units = {
      On(0, HandlerId::OnPaymentsShown,
         Unit(kPaymentWindowUnitId, tag::kWindow, "", {80, 60, 480, 424}, kShownState,
              WindowBlock(5, 1, "收款登记", SheetIcon()))),
      Unit(kPaymentCustomerLabelId, tag::kLabel, "标签1", {8, 11, 40, 16}, kShownState, LabelBlock("客户：")),
      On(0, HandlerId::OnPaymentCustomerChanged,
         Unit(kPaymentCustomerEditId, tag::kEditBox, "客户编辑框", {48, 8, 152, 22}, kInputState,
              EditBlock(""))),
      Unit(kPaymentDateLabelId, tag::kLabel, "标签2", {212, 11, 40, 16}, kShownState, LabelBlock("日期：")),
      Unit(kPaymentDateBoxId, tag::kDateBox, "日期框", {252, 8, 120, 22}, kInputState,
           rt::WriteDateBoxProps()),
      Unit(kPaymentAmountLabelId, tag::kLabel, "标签3", {8, 41, 40, 16}, kShownState, LabelBlock("金额：")),
      Unit(kPaymentAmountEditId, tag::kEditBox, "金额编辑框", {48, 38, 100, 22}, kInputState, EditBlock("")),
      Unit(kPaymentRemarkLabelId, tag::kLabel, "标签4", {160, 41, 40, 16}, kShownState, LabelBlock("备注：")),
      Unit(kPaymentRemarkEditId, tag::kEditBox, "备注编辑框", {200, 38, 172, 22}, kInputState, EditBlock("")),
      On(0, HandlerId::OnRecordPayment,
         Unit(kRecordPaymentButtonId, tag::kButton, "登记按钮", {388, 6, 72, 26}, kInputState,
              ButtonBlock("登记"))),
      On(0, HandlerId::OnDeletePayment,
         Unit(kDeletePaymentButtonId, tag::kButton, "删除按钮", {388, 36, 72, 26}, kInputState,
              ButtonBlock("删除"))),
      // Event 11: the focus moved to another row.
      On(11, HandlerId::OnPaymentChosen,
         Unit(kPaymentGridId, tag::kGrid, "收款表格", {8, 72, 452, 270}, kInputState,
              RecordListGridBlock(3, 100))),
      Unit(kPaymentCountLabelId, tag::kLabel, "合计标签", {8, 354, 360, 20}, kShownState, LabelBlock("")),
      On(0, HandlerId::OnClosePayments,
         Unit(kClosePaymentsButtonId, tag::kButton, "关闭按钮", {388, 350, 72, 26}, kInputState,
              ButtonBlock("关闭"))),
  };
  return w;
}

}  // namespace app
