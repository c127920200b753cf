// The 收款登记 window: money a customer paid, recorded in the book with its date and a
// remark, and that customer's payments listed, where a chosen one can be deleted.
// Nothing is recorded unless the book takes all of it; a refusal says why.
#include <string>
#include <vector>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteRecording.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/CustomerName.h"
#include "book/core/GbkScan.h"
#include "book/core/Money.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

constexpr int kColumns = 3;  // 日期, 金额, 备注

// The payments the list shows, row 1 on, and the row chosen last (-1: none). The book
// knows a payment by its id only, so the list keeps them beside its rows.
struct ShownPayments {
  std::vector<int64_t> ids;
  int chosenRow = -1;
};

ShownPayments& Shown() {
  static ShownPayments shown;
  return shown;
}

rt::DataValue PaymentWindowArg() { return WindowArg(kPaymentWindowId, kPaymentWindowUnitId); }
rt::DataValue PaymentGridArg() { return rt::MakeUnit(rt::tag::kGrid, {kPaymentWindowId, kPaymentGridId}); }

std::string FormText(uint32_t unit) { return ReadUnitText(kPaymentWindowId, unit, prop::kEditContent); }
std::string FormCustomer() { return book::CustomerName(FormText(kPaymentCustomerEditId)); }

void SetCell(int row, int col, const std::string& text) {
  GridCommand(PaymentGridArg(), grid::cmd::SetCellData,
              {rt::MakeInt(row), rt::MakeInt(col), rt::MakeInt(1), TextArg(text)});
}

void ShowPayments(const std::vector<book::Payment>& payments) {
  GridCommand(PaymentGridArg(), grid::cmd::NewGrid,
              {rt::MakeInt(int(payments.size()) + 1), rt::MakeInt(kColumns)});
  WriteUnitWords(kPaymentWindowId, kPaymentGridId, prop::kGridHeadRowCount, 1);
  const char* const headers[kColumns] = {"日期", "金额", "备注"};
  const int widths[kColumns] = {100, 100, 230};
  for (int c = 0; c < kColumns; ++c) {
    SetCell(0, c, headers[c]);
    GridCommand(PaymentGridArg(), grid::cmd::SetColWidth, {rt::MakeInt(c), rt::MakeInt(widths[c])});
  }
  ShownPayments& shown = Shown();
  shown = {};
  book::Money sum = 0;
  for (const book::Payment& p : payments) {
    int row = int(shown.ids.size()) + 1;
    SetCell(row, 0, p.date);
    SetCell(row, 1, book::MoneyText(p.amount));
    SetCell(row, 2, p.remark);
    shown.ids.push_back(p.id);
    book::AddMoney(sum, p.amount, &sum);  // a book's payments stay far inside the range
  }
  std::string count;
  if (!payments.empty())
    count = "共 " + std::to_string(payments.size()) + " 笔收款，合计 " + book::MoneyText(sum);
  WriteUnitText(kPaymentWindowId, kPaymentCountLabelId, prop::kCaption, count);
}

// The payments of the customer typed in the window; none while no name is typed or
// without a book, and none with the reason when the book cannot be read.
void ShowCustomersPayments(book::NoteBook* notes) {
  std::string customer = FormCustomer();
  book::Answer<std::vector<book::Payment>> paid;
  if (!customer.empty() && notes) paid = notes->Payments(customer);
  ShowPayments(paid.value);
  if (!paid.ok) WriteUnitText(kPaymentWindowId, kPaymentCountLabelId, prop::kCaption, kUnreadBook + paid.why);
}

// The payment as the window holds it; false after saying what is wrong with the amount.
// A missing customer is the book's to refuse, so its reason comes first.
bool FormPayment(book::Payment* payment) {
  payment->customer = FormCustomer();
  payment->date = DateBoxText(kPaymentWindowId, kPaymentDateBoxId);
  payment->remark = book::TrimGbk(FormText(kPaymentRemarkEditId));
  std::string amount = book::TrimGbk(FormText(kPaymentAmountEditId));
  if (book::ParseMoney(amount, &payment->amount) || payment->customer.empty()) return true;
  Tell(amount.empty() ? "请填写收款金额" : "收款金额有误：" + amount, kStopIcon);
  return false;
}

}  // namespace

rt::HandlerResult OnPayments(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {PaymentWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

// Opens on the customer of the note on screen, dated today.
rt::HandlerResult OnPaymentsShown(const rt::EventArgs&) {
  OfferCustomerNames(kPaymentWindowId, kPaymentCustomerEditId);
  SetDateBox(kPaymentWindowId, kPaymentDateBoxId, TodayDateTime());
  std::string customer = book::CustomerName(ReadMainUnitText(kCustomerEditId, prop::kEditContent));
  WriteUnitText(kPaymentWindowId, kPaymentCustomerEditId, prop::kEditContent, customer);
  return OnPaymentCustomerChanged({});
}

rt::HandlerResult OnPaymentCustomerChanged(const rt::EventArgs&) {
  std::string why;
  ShowCustomersPayments(OpenNoteBook(&why));
  return rt::HandlerResult::None();
}

// Grid event 11: the focus cell's row and column.
rt::HandlerResult OnPaymentChosen(const rt::EventArgs& args) {
  ShownPayments& shown = Shown();
  shown.chosenRow = -1;
  if (args.count < 1 || args.values[0].type != rt::tag::kInt) return rt::HandlerResult::None();
  int row = int32_t(args.values[0].low);
  if (row >= 1 && size_t(row) <= shown.ids.size()) shown.chosenRow = row;
  return rt::HandlerResult::None();
}

rt::HandlerResult OnRecordPayment(const rt::EventArgs&) {
  book::Payment payment;
  if (!FormPayment(&payment)) return rt::HandlerResult::None();
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return rt::HandlerResult::None();
  std::string why;
  if (!notes->RecordPayment(&payment, &why)) {
    Tell(why, kStopIcon);
    return rt::HandlerResult::None();
  }
  // Ready for the next payment of the same customer.
  WriteUnitText(kPaymentWindowId, kPaymentAmountEditId, prop::kEditContent, "");
  WriteUnitText(kPaymentWindowId, kPaymentRemarkEditId, prop::kEditContent, "");
  OfferCustomerNames(kPaymentWindowId, kPaymentCustomerEditId);
  ShowCustomersPayments(notes);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnDeletePayment(const rt::EventArgs&) {
  const ShownPayments& shown = Shown();
  if (shown.chosenRow < 1) {
    Tell("请先在列表中选择一笔收款", kInformationIcon);
    return rt::HandlerResult::None();
  }
  const int64_t id = shown.ids[size_t(shown.chosenRow) - 1];
  if (Tell("确定删除这笔收款吗？", kYesNoQuestion) != kAnswerYes) return rt::HandlerResult::None();
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return rt::HandlerResult::None();
  std::string why;
  if (!notes->DeletePayment(id, &why)) Tell("删除收款失败：" + why, kStopIcon);
  ShowCustomersPayments(notes);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnClosePayments(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kCloseWindow, {PaymentWindowArg(), kOmitted});
  return rt::HandlerResult::None();
}

}  // namespace app
