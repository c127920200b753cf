// Voiding a note: its record stays, marked, and every sum leaves it out.
#include "book/core/NoteBookImpl.h"

namespace book {

bool NoteBook::SetVoided(const std::string& number, bool voided, std::string* why) {
  if (number.empty()) return impl_->Fail("没有单号的单据不能作废", why);
  bool found = false;
  std::string reason;
  if (!impl_->store->WriteVoided(number, voided, &found, &reason)) return impl_->Fail(reason, why);
  if (!found) return impl_->Fail("账本中没有单号为 " + number + " 的单据", why);
  return true;
}

Answer<bool> NoteBook::IsVoided(const std::string& number) {
  bool voided = false;
  std::string reason;
  if (number.empty()) return Answer<bool>{false, true, ""};
  bool ok = impl_->store->ReadVoided(number, &voided, &reason);
  return StoreAnswer(ok, std::move(voided), reason);
}

}  // namespace book
