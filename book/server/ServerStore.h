// The book on a database server several PCs share, reached through ODBC. Every call is
// one server transaction (the connection never commits by itself): a note is recorded
// whole or not at all, and a number is taken with its day's serial row locked, so two
// PCs never get the same one. A call that finds the server gone says so; the next call
// connects again.
#pragma once

#include <memory>
#include <string>

#include "book/core/BookStore.h"

namespace book {

namespace odbc {
class Connection;
}

// How long connecting waits for a server that does not answer.
inline constexpr int kServerLoginSeconds = 5;

class ServerStore final : public BookStore {
 public:
  // Connects and checks (creating or upgrading) the schema. Null with a reason (GBK):
  // the server's own words when it cannot be reached or refuses the login.
  static std::unique_ptr<ServerStore> Open(const std::string& connection, std::string* why);
  ~ServerStore() override;

  bool WriteNotes(const std::vector<NoteRecord>& notes, std::string* why) override;
  bool TakeSerial(const std::string& stem, const NumberOfSerial& numberOf, std::string* number,
                  std::string* why) override;
  bool ReadSettings(const std::string& prefix, std::vector<BookContents::Setting>* settings,
                    std::string* why) override;
  bool WriteSettings(const std::vector<BookContents::Setting>& settings, std::string* why) override;
  bool ReadCustomers(size_t limit, std::vector<std::string>* names, std::string* why) override;
  bool ReadNoteCount(int64_t* count, std::string* why) override;
  bool ReadLastItem(const std::string& customer, const std::string& dimensions, std::optional<LastItem>* item,
                    std::string* why) override;
  bool ReadNotes(const NoteFilter& filter, std::vector<NoteSummary>* notes, std::string* why) override;
  bool WritePayment(Payment* payment, std::string* why) override;
  bool DeletePayment(int64_t id, std::string* why) override;
  bool ReadPayments(const std::string& customer, std::vector<Payment>* payments, std::string* why) override;
  bool ReadLedger(const std::string& customer, const std::string& from, const std::string& to,
                  LedgerRows* before, LedgerRows* period, std::string* why) override;
  bool ReadReceivables(const std::string& asOf, ReceivableRows* rows, std::string* why) override;
  bool WriteVoided(const std::string& number, bool voided, bool* found, std::string* why) override;
  bool ReadVoided(const std::string& number, bool* voided, std::string* why) override;
  bool ReadAll(BookContents* contents, std::string* why) override;
  bool WriteAllIntoEmpty(const BookContents& contents, std::string* why) override;
  bool BackupTo(const std::string& pathUtf8, std::string* why) override;
  bool RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why) override;

 private:
  explicit ServerStore(std::string connection);
  // A fresh connection when the last one lost the server; false with the reason.
  bool Ready(std::string* why);
  // Rolls back; false with the reason of the failed call (the server gone, or what the
  // server said).
  bool Fail(std::string* why);
  bool Finish(bool ok, std::string* why);  // commits when ok, else Fail
  std::string connectionText_;
  std::unique_ptr<odbc::Connection> db_;
};

// Reasons for a server book (GBK).
namespace reason {
inline constexpr char kServerUnreachable[] = "无法连接服务器账本：";
inline constexpr char kServerError[] = "服务器账本出错：";
inline constexpr char kServerNotABook[] = "这个数据库不是账本（里面已有别的表）";
inline constexpr char kServerNewer[] = "服务器账本由较新版本的程序建立，请使用新版本";
inline constexpr char kRestoreServer[] = "恢复账本只用于本机账本；服务器账本请在服务器上恢复";
}  // namespace reason

// The note book on the server of `connection` (an ODBC connection string, or "DSN=…").
std::unique_ptr<NoteBook> OpenServerBook(const std::string& connection, std::string* why);

}  // namespace book
