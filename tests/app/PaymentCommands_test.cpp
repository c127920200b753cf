// The 收款登记 window's handlers on a real book file: what the list shows after
// recording and deleting, and that a refused payment records nothing and says why.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/core/DateTime.h"
#include "tests/app/NoteTestHost.h"

namespace app {
namespace {

using test::NoteTestHost;

class PaymentWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    std::remove(path.c_str());
    SetNoteBookPath(path);
    host.boxAnswer = [this](const std::string& text) {
      boxes.push_back(text);
      return answer;
    };
  }
  void TearDown() override {
    SetNoteBookPath("");
    std::remove(path.c_str());
  }

  std::string& Field(uint32_t unit) { return host.texts[NoteTestHost::Key(unit, 8)]; }
  void Record(const std::string& amount, const std::string& remark = "") {
    Field(kPaymentAmountEditId) = amount;
    Field(kPaymentRemarkEditId) = remark;
    OnRecordPayment({});
  }
  void Choose(int row) {
    rt::EventArgs args;
    args.count = 2;
    args.values[0] = rt::MakeInt(row);
    args.values[1] = rt::MakeInt(0);
    OnPaymentChosen(args);
  }
  // The list's rows below the header, one text a row.
  std::vector<std::string> Rows() {
    grid::GridModel& list = host.otherGrids[kPaymentGridId];
    std::vector<std::string> rows;
    for (int r = list.HeadRowCount(); r < list.RowCount(); ++r)
      rows.push_back(list.CellText(r, 0) + " " + list.CellText(r, 1) + " " + list.CellText(r, 2));
    return rows;
  }
  size_t InBook(const std::string& customer) {
    std::string why;
    return OpenNoteBook(&why)->Payments(customer).value.size();
  }

  NoteTestHost host;
  std::string path = ::testing::TempDir() + "payment_window_test.db";
  std::vector<std::string> boxes;
  int answer = 0;
};

TEST_F(PaymentWindow, RecordsListsAndDeletesTheCustomersPayments) {
  Field(kCustomerEditId) = " 华联建材 ";  // the note on screen
  OnPaymentsShown({});
  EXPECT_EQ(Field(kPaymentCustomerEditId), "华联建材");
  EXPECT_EQ(DateBoxText(kPaymentWindowId, kPaymentDateBoxId), TodayText());
  EXPECT_EQ(host.otherGrids[kPaymentGridId].CellText(0, 1), "金额");
  EXPECT_TRUE(Rows().empty());

  Record("300", "转账");
  host.dates[kPaymentDateBoxId] = rt::MakeDateTime(2026, 11, 30);
  Record(" 200.5 ");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"2026-11-30 200.50 ", TodayText() + " 300.00 转账"}));
  EXPECT_EQ(Field(kPaymentCountLabelId), "共 2 笔收款，合计 500.50");
  EXPECT_EQ(Field(kPaymentAmountEditId), "") << "ready for the next one";

  // Nothing is asked before a row is chosen; 否 keeps the payment, 是 deletes it.
  OnDeletePayment({});
  EXPECT_EQ(boxes, std::vector<std::string>{"请先在列表中选择一笔收款"});
  Choose(1);
  answer = kAnswerNo;
  OnDeletePayment({});
  EXPECT_EQ(boxes.back(), "确定删除这笔收款吗？");
  EXPECT_EQ(InBook("华联建材"), 2u);
  answer = kAnswerYes;
  OnDeletePayment({});
  EXPECT_EQ(Rows(), std::vector<std::string>{TodayText() + " 300.00 转账"});
  EXPECT_EQ(InBook("华联建材"), 1u);

  // The list follows the name typed; a row chosen before is chosen no more.
  Choose(1);
  Field(kPaymentCustomerEditId) = "东方五金";
  OnPaymentCustomerChanged({});
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Field(kPaymentCountLabelId), "");
  boxes.clear();
  OnDeletePayment({});
  EXPECT_EQ(boxes, std::vector<std::string>{"请先在列表中选择一笔收款"});
  EXPECT_EQ(InBook("华联建材"), 1u);
}

TEST_F(PaymentWindow, ARefusedPaymentRecordsNothingAndSaysWhy) {
  OnPaymentsShown({});
  Field(kPaymentCustomerEditId) = "华联建材";
  const struct {
    const char* amount;
    const char* said;
  } refused[] = {
      {"12.345", "收款金额最多两位小数"}, {"0", "收款金额必须大于零"}, {"-5", "收款金额必须大于零"},
      {"十元", "收款金额有误：十元"},     {"  ", "请填写收款金额"},
  };
  for (const auto& r : refused) {
    boxes.clear();
    Record(r.amount, "定金");
    EXPECT_EQ(boxes, std::vector<std::string>{r.said}) << r.amount;
    EXPECT_EQ(Field(kPaymentRemarkEditId), "定金") << "what was typed stays to be corrected";
  }
  boxes.clear();
  Field(kPaymentCustomerEditId) = "  ";
  Record("abc");
  EXPECT_EQ(boxes, std::vector<std::string>{"请填写客户名称"});
  EXPECT_EQ(InBook("华联建材"), 0u);
  EXPECT_TRUE(Rows().empty());
}

TEST_F(PaymentWindow, ABookThatCannotBeOpenedKeepsTheWindowShut) {
  {
    std::ofstream(path, std::ios::binary)
        << "this is no database, only some bytes that are not one at all...";
  }
  OnPayments({});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("无法打开账本：", 0), 0u) << boxes[0];
  EXPECT_TRUE(host.Named("LoadWindow").empty());
}

}  // namespace
}  // namespace app
