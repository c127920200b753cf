// Payments a customer made: recorded, listed and deleted one at a time.
#include "book/core/BookDate.h"
#include "book/core/CustomerName.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

bool CheckPayment(const Payment& p, std::string* reason) {
  if (p.customer.empty())
    *reason = "请填写客户名称";
  else if (!IsIsoDate(p.date))
    *reason = "日期有误：" + p.date;
  else if (p.amount <= 0)
    *reason = "收款金额必须大于零";
  else if (p.amount % kFen)
    *reason = "收款金额最多两位小数";
  else
    return true;
  return false;
}

}  // namespace

bool NoteBook::RecordPayment(Payment* payment, std::string* why) {
  std::string reason;
  payment->customer = CustomerName(payment->customer);
  if (!CheckPayment(*payment, &reason)) return impl_->Fail(reason, why);
  sqlite3* db = impl_->db.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  int64_t customerId = 0;
  if (rc == SQLITE_OK) rc = UpsertCustomer(db, payment->customer, NowMs(), &customerId);
  if (rc == SQLITE_OK) {
    sql::Statement s(db,
                     "INSERT INTO payments(customer_id, pay_date, amount, remark, recorded_at) "
                     "VALUES(?1, ?2, ?3, ?4, ?5) RETURNING id");
    s.Bind(1, customerId);
    s.BindGbk(2, payment->date);
    s.Bind(3, int64_t(payment->amount));
    s.BindGbk(4, payment->remark);
    s.Bind(5, NowMs());
    rc = s.Step();
    if (rc == SQLITE_ROW) {
      payment->id = s.Int(0);
      rc = s.Step() == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
    }
  }
  if (rc == SQLITE_OK) rc = transaction.Commit();
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  return true;
}

bool NoteBook::DeletePayment(int64_t id, std::string* why) {
  sql::Statement s(impl_->db.get(), "DELETE FROM payments WHERE id = ?1");
  s.Bind(1, id);
  int rc = s.Run();
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  return true;
}

Answer<std::vector<Payment>> NoteBook::Payments(const std::string& customer) {
  sqlite3* db = impl_->db.get();
  int64_t customerId = 0;
  int rc = FindCustomer(db, customer, &customerId);
  Answer<std::vector<Payment>> payments;
  if (rc == SQLITE_OK && customerId) {
    sql::Statement s(db,
                     "SELECT id, pay_date, amount, remark FROM payments WHERE customer_id = ?1 "
                     "ORDER BY pay_date, id");
    s.Bind(1, customerId);
    std::string name = CustomerName(customer);
    while ((rc = s.Step()) == SQLITE_ROW)
      payments.value.push_back(Payment{s.Int(0), name, s.Gbk(1), s.Gbk(3), s.Int(2)});
    if (rc == SQLITE_DONE) rc = SQLITE_OK;
  }
  return rc == SQLITE_OK ? payments : FailedAnswer<std::vector<Payment>>(rc);
}

}  // namespace book
