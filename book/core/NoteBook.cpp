// The book's rules that sit in front of its store: what is checked before anything is
// written, and how a failure reaches the caller.
#include "book/core/BookDate.h"
#include "book/core/CustomerName.h"
#include "book/core/NoteBookImpl.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

// A record the tables would refuse, told before anything is written.
bool CheckNote(const NoteRecord& note, std::string* reason) {
  if (!note.noteDate.empty() && !IsIsoDate(note.noteDate)) {
    *reason = "单据日期有误：" + note.noteDate;
    return false;
  }
  bool seen[21] = {};
  for (const NoteItem& item : note.items) {
    if (item.row < 1 || item.row > 20 || seen[item.row]) {
      *reason = "单据的货物行号有误：" + std::to_string(item.row);
      return false;
    }
    seen[item.row] = true;
  }
  return true;
}

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

bool NoteBook::Impl::Fail(const std::string& reason, std::string* why) {
  if (why) *why = reason;
  return false;
}

bool NoteBook::Impl::Done(bool ok, const std::string& reason, std::string* why) {
  return ok || Fail(reason, why);
}

NoteBook::NoteBook(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
NoteBook::~NoteBook() = default;

std::unique_ptr<NoteBook> NoteBook::OnStore(std::unique_ptr<BookStore> store) {
  auto impl = std::make_unique<Impl>();
  impl->store = std::move(store);
  return std::unique_ptr<NoteBook>(new NoteBook(std::move(impl)));
}

std::unique_ptr<NoteBook> NoteBook::Open(const std::string& pathUtf8, std::string* why, int waitMs) {
  std::unique_ptr<BookStore> store = SqliteStore::Open(pathUtf8, why, waitMs);
  return store ? OnStore(std::move(store)) : nullptr;
}

bool NoteBook::Record(const NoteRecord& note, std::string* why) {
  return RecordAll(std::vector<NoteRecord>{note}, why);
}

bool NoteBook::RecordAll(const std::vector<NoteRecord>& notes, std::string* why) {
  std::string reason;
  std::vector<NoteRecord> named = notes;
  for (NoteRecord& note : named) {
    if (!CheckNote(note, &reason)) return impl_->Fail(reason, why);
    note.customer = CustomerName(note.customer);
  }
  return impl_->Done(impl_->store->WriteNotes(named, &reason), reason, why);
}

bool NoteBook::RecordPayment(Payment* payment, std::string* why) {
  std::string reason;
  payment->customer = CustomerName(payment->customer);
  if (!CheckPayment(*payment, &reason)) return impl_->Fail(reason, why);
  return impl_->Done(impl_->store->WritePayment(payment, &reason), reason, why);
}

bool NoteBook::DeletePayment(int64_t id, std::string* why) {
  std::string reason;
  return impl_->Done(impl_->store->DeletePayment(id, &reason), reason, why);
}

bool NoteBook::BackupTo(const std::string& pathUtf8, std::string* why) {
  std::string reason;
  return impl_->Done(impl_->store->BackupTo(pathUtf8, &reason), reason, why);
}

bool NoteBook::RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why) {
  std::string reason;
  return impl_->Done(impl_->store->RestoreFrom(pathUtf8, keepUtf8, &reason), reason, why);
}

bool NoteBook::CopyInto(NoteBook& target, CopyCounts* counts, std::string* why) {
  BookContents contents;
  std::string reason;
  if (!impl_->store->ReadAll(&contents, &reason)) return impl_->Fail(reason, why);
  if (!target.impl_->store->WriteAllIntoEmpty(contents, &reason)) return impl_->Fail(reason, why);
  *counts = CopyCounts{contents.notes.size(), 0, contents.payments.size(), contents.customers.size(),
                       contents.serials.size()};
  for (const BookContents::Note& note : contents.notes) counts->items += note.record.items.size();
  return true;
}

}  // namespace book
