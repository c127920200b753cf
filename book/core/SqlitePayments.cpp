// Payments a customer made, in the file: recorded, listed and deleted one at a time.
#include "book/core/SqliteStore.h"

namespace book {

bool SqliteStore::WritePayment(Payment* payment, std::string* why) {
  sqlite3* db = db_.get();
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
  return Succeeded(rc, why);
}

bool SqliteStore::DeletePayment(int64_t id, std::string* why) {
  sql::Statement s(db_.get(), "DELETE FROM payments WHERE id = ?1");
  s.Bind(1, id);
  return Succeeded(s.Run(), why);
}

bool SqliteStore::ReadPayments(const std::string& customer, std::vector<Payment>* payments,
                               std::string* why) {
  sql::Statement s(db_.get(),
                   "SELECT p.id, p.pay_date, p.amount, p.remark FROM payments p "
                   "JOIN customers c ON c.id = p.customer_id WHERE c.name = ?1 ORDER BY p.pay_date, p.id");
  s.BindGbk(1, customer);
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW)
    payments->push_back(Payment{s.Int(0), customer, s.Gbk(1), s.Gbk(3), s.Int(2)});
  return Succeeded(rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

}  // namespace book
