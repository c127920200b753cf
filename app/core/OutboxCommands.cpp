#include "app/core/OutboxCommands.h"

#include <cstring>
#include <vector>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "book/core/NoteOutbox.h"
#include "book/server/ServerStore.h"
#include "grid/core/PlatformFile.h"
#include "text/GbkText.h"

namespace app {

namespace {

constexpr size_t kMaxOutboxBytes = size_t(1) << 28;
// Two programs on this PC share the outbox: each reads, changes and writes it back while
// holding its lock, so neither loses what the other has just added or sent.
constexpr int kOutboxWaitMs = 30000;

std::string BusyOutbox() { return "待上传单据文件正被另一个程序使用：" + OutboxPath(); }
std::string UnwritableOutbox() { return "待上传单据文件无法写入：" + OutboxPath(); }

std::string SetAsidePath() { return OutboxPath() + "-aside"; }

book::OutboxContents LoadOutbox() {
  std::vector<uint8_t> bytes;
  std::string path = OutboxPath();
  if (path.empty() || !grid::ReadWholeFile(path, kMaxOutboxBytes, &bytes)) return {};  // none yet
  return book::ReadOutbox(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool StoreBytes(const std::string& path, const std::string& bytes) {
  return grid::ReplaceFileContents(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

bool StoreOutbox(const std::vector<book::OutboxEntry>& entries) {
  return StoreBytes(OutboxPath(), book::WriteOutbox(entries));
}

// Adds the spans to the set-aside file, each under a line saying when and why.
bool SetAside(const std::vector<std::string>& spans, const std::string& reason) {
  if (spans.empty()) return true;
  std::vector<uint8_t> old;
  grid::ReadWholeFile(SetAsidePath(), kMaxOutboxBytes, &old);
  std::string bytes(old.begin(), old.end());
  for (const std::string& span : spans) bytes += "# " + NowText() + " " + reason + "\n" + span + "\n";
  return StoreBytes(SetAsidePath(), bytes);
}

std::string SetAsideNote(size_t count) {
  return "有 " + std::to_string(count) + " 张待上传单据无法发送，已另存到：" + SetAsidePath();
}

// Damaged spans leave the outbox first, so they never block the notes behind them.
bool ClearDamaged(book::OutboxContents* contents, OutboxSending* result) {
  if (contents->damaged.empty()) return true;
  if (!SetAside(contents->damaged, "损坏") || !StoreOutbox(contents->entries)) {
    result->why = UnwritableOutbox();
    return false;
  }
  result->setAside += contents->damaged.size();
  return true;
}

}  // namespace

bool ServerUnreachable(const std::string& why) {
  return why.compare(0, std::strlen(book::reason::kServerUnreachable), book::reason::kServerUnreachable) == 0;
}

std::string OutboxPath() {
  std::string gbk;
  const std::string& book = NoteBookPlace().file;
  if (book.empty() || !text::Utf8ToGbk(book, &gbk)) return std::string();
  return gbk + ".outbox";
}

size_t OutboxWaiting() { return LoadOutbox().entries.size(); }

bool QueueNote(const book::NoteRecord& note, size_t* waiting, std::string* why) {
  if (OutboxPath().empty()) {
    *why = "本机账本文件夹无法使用，单据无法留待上传";
    return false;
  }
  grid::FileLock lock(OutboxPath() + ".lock", kOutboxWaitMs);
  if (!lock.held()) {
    *why = BusyOutbox();
    return false;
  }
  book::OutboxContents contents = LoadOutbox();
  contents.entries.push_back({NowText(), note});
  // Damaged spans stay in the file as they are until sending sets them aside.
  std::string bytes = book::WriteOutbox(contents.entries);
  for (const std::string& span : contents.damaged) bytes += span;
  if (!StoreBytes(OutboxPath(), bytes)) {
    *why = UnwritableOutbox();
    return false;
  }
  *waiting = contents.entries.size();
  return true;
}

OutboxSending SendOutbox(book::NoteBook* notes) {
  OutboxSending result;
  if (OutboxPath().empty()) return result;
  grid::FileLock lock(OutboxPath() + ".lock", kOutboxWaitMs);
  if (!lock.held()) {
    result.waiting = OutboxWaiting();
    result.why = BusyOutbox();
    return result;
  }
  book::OutboxContents contents = LoadOutbox();
  std::vector<book::OutboxEntry>& entries = contents.entries;
  bool ok = ClearDamaged(&contents, &result);
  while (ok && !entries.empty()) {
    std::string why;
    bool recorded = notes->Record(entries.front().note, &why);
    if (!recorded && ServerUnreachable(why)) {
      result.why = why;
      break;
    }
    // A note the book refuses would block the rest for ever: it is set aside.
    bool gone = recorded || SetAside({book::WriteOutbox({entries.front()})}, why);
    std::vector<book::OutboxEntry> rest(entries.begin() + 1, entries.end());
    ok = gone && StoreOutbox(rest);  // out of the outbox only once recorded or set aside
    if (!ok) result.why = UnwritableOutbox();
    if (ok) entries.swap(rest);
    if (ok) ++(recorded ? result.sent : result.setAside);
  }
  result.waiting = entries.size();
  if (result.setAside) result.setAsideNote = SetAsideNote(result.setAside);
  return result;
}

std::string QueuedNotice(size_t waiting, bool unnumbered, const std::string& why) {
  std::string text = "单据已保存在本机。服务器账本现在连不上，这张单据等服务器能连上时再按顺序发送（现有 " +
                     std::to_string(waiting) + " 张等待发送）。";
  if (unnumbered) text += "\n没有取到单据编号，单据号暂时空着，本机不会自行编号，请自己填写。";
  return text + "\n\n" + why;
}

void SendOutboxQuietly() {
  if (!NoteBookPlace().OnServer() || OutboxWaiting() == 0) return;
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  if (!notes) return;  // the next save or the menu tries again
  OutboxSending result = SendOutbox(notes);
  // Quiet, but a note that cannot be sent is never dropped unsaid.
  if (!result.setAsideNote.empty()) Tell(result.setAsideNote, kInformationIcon);
}

rt::HandlerResult OnSendOutbox(const rt::EventArgs&) {
  book::OutboxContents now = LoadOutbox();
  if (now.entries.empty() && now.damaged.empty()) {
    Tell("没有待上传的单据。", kInformationIcon);
    return rt::HandlerResult::None();
  }
  OutboxSending result;
  result.waiting = now.entries.size();
  std::string why;
  book::NoteBook* notes = NoteBookPlace().OnServer() ? OpenNoteBook(&why) : nullptr;
  if (notes)
    result = SendOutbox(notes);
  else
    result.why = NoteBookPlace().OnServer() ? why : "账本不在服务器上，待上传单据留在本机。";
  std::string text = "已发送 " + std::to_string(result.sent) + " 张单据，还有 " +
                     std::to_string(result.waiting) + " 张等待发送。";
  if (result.waiting && !result.why.empty()) text += "\n\n" + result.why;
  if (!result.setAsideNote.empty()) text += "\n\n" + result.setAsideNote;
  Tell(text, kInformationIcon);
  return rt::HandlerResult::None();
}

}  // namespace app
