// Times the 客户对账单 window under the platform (run under Wine): the real program with
// a book holding one customer's 2,000 statement lines this month; each run presses 查询
// and waits until the grid has painted (the book read, the rows written into the grid,
// the merges, the paint). With "look PATH" it opens the window on a small book instead
// (two customers, notes over two months, two payments; made when PATH is missing), for
// looking at it: the window for 4 s, then the print preview for 4 s, then it prints to
// the default printer without asking and closes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/core/Handlers.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "app/win/ProgramDescriptor.h"
#include "bench/BenchWindows.h"
#include "book/core/NoteBook.h"
#include "runtime/win/RuntimeHost.h"

namespace {

const char kCustomer[] = "华联建材";

std::string Day(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

book::NoteRecord Note(const std::string& number, const char* customer, const std::string& date, int items) {
  book::NoteRecord note;
  note.number = number;
  note.customer = customer;
  note.noteDate = date;
  const char* const units[3] = {"平方米", "块", "米"};
  for (int r = 1; r <= items; ++r) {
    int q = 1 + (r * 7) % 9;
    std::string price = std::to_string(10 + r) + ".5";
    note.items.push_back({r, std::to_string(30 + r * 10) + "*60", std::to_string(q), units[r % 3], price,
                          std::to_string(q * (10 + r)) + "." + (q % 2 ? "5" : "0"), r == 1 ? "加急" : ""});
  }
  return note;
}

bool Fill(const std::string& path, bool demo) {
  std::string why;
  auto notes = book::NoteBook::Open(path, &why);
  if (!notes) return std::fprintf(stderr, "book: %s\n", why.c_str()), false;
  std::time_t now = std::time(nullptr);
  std::tm t = *std::localtime(&now);
  int y = t.tm_year + 1900, m = t.tm_mon + 1, py = m == 1 ? y - 1 : y, pm = m == 1 ? 12 : m - 1;
  std::vector<book::NoteRecord> all;
  if (!demo) {
    for (int n = 0; n < 100; ++n)
      all.push_back(Note("NO.B" + std::to_string(1000 + n), kCustomer, Day(y, m, 1 + n % 28), 20));
  } else {
    all = {Note("NO.20001", kCustomer, Day(py, pm, 8), 3), Note("NO.20002", kCustomer, Day(y, m, 3), 4),
           Note("NO.20003", kCustomer, Day(y, m, 12), 2), Note("NO.20004", "东方五金", Day(y, m, 5), 2)};
  }
  if (!notes->RecordAll(all, &why)) return std::fprintf(stderr, "record: %s\n", why.c_str()), false;
  if (demo) {
    book::Payment early{0, kCustomer, Day(py, pm, 20), "现金", 100 * book::kMoneyScale};
    book::Payment late{0, kCustomer, Day(y, m, 10), "转账", 500 * book::kMoneyScale};
    if (!notes->RecordPayment(&early, &why) || !notes->RecordPayment(&late, &why))
      return std::fprintf(stderr, "pay: %s\n", why.c_str()), false;
  }
  return true;
}

struct Run {
  rt::win::RuntimeHost* host;
  std::vector<double> ms, cpu;
};
Run* run = nullptr;

HWND UnitHwnd(uint32_t id) {
  return run->host->FindLoadedWindow(app::kStatementWindowId)->FindUnit(id)->hwnd;
}

// One step a second while looking: window, preview, print, close.
void CALLBACK LookTick(HWND, UINT, UINT_PTR id, DWORD) {
  static int second = 0;
  auto w = run->host->FindLoadedWindow(app::kStatementWindowId);
  if (!w || !w->hwnd) return;
  ++second;
  if (second == 4) SendMessageW(UnitHwnd(app::kStatementPreviewButtonId), BM_CLICK, 0, 0);  // returns at 8
  if (second == 8) PostMessageW(FindWindowW(nullptr, L"\u6253\u5370\u9884\u89c8"), WM_CLOSE, 0, 0);
  if (second == 9) {
    run->host->SetUnitProperty(app::kStatementWindowId, app::kStatementGridId, 22, -1, 0, 0);  // IsShowDiglog
    SendMessageW(UnitHwnd(app::kStatementPrintButtonId), BM_CLICK, 0, 0);
  }
  if (second == 11) {
    KillTimer(nullptr, id);
    PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto w = run->host->FindLoadedWindow(app::kStatementWindowId);
  if (!w || !w->hwnd) return;
  KillTimer(nullptr, id);
  SendMessageW(UnitHwnd(app::kStatementCustomerEditId), WM_SETTEXT, 0, LPARAM(L"\u534e\u8054\u5efa\u6750"));
  for (int i = 0; i < 7; ++i)
    bench::TimePress(UnitHwnd(app::kStatementQueryButtonId), UnitHwnd(app::kStatementGridId), &run->ms,
                     &run->cpu);
  PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const bool look = argc == 3 && std::string(argv[1]) == "look";
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = look ? argv[2] : std::string(temp) + "statement_bench.db";
  if (!look) DeleteFileA(path.c_str());
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && !Fill(path, look)) return 1;

  rt::win::RuntimeHost host(app::ProgramDescriptor());
  bench::StartProgram(host, path);
  Run r{&host, {}, {}};
  run = &r;
  auto main = host.FindLoadedWindow(app::kMainWindowId);
  if (look)  // the window opens on the customer of the note on screen
    SendMessageW(main->FindUnit(app::kCustomerEditId)->hwnd, WM_SETTEXT, 0,
                 LPARAM(L"\u534e\u8054\u5efa\u6750"));
  SetTimer(nullptr, 0, look ? 1000 : 50, look ? &LookTick : &Tick);
  bench::ChooseMenuItem(host, app::kMenuStatementId);
  host.RunShutdownSequence();
  if (look) return 0;
  DeleteFileA(path.c_str());
  if (r.ms.empty()) return std::fprintf(stderr, "the statement window did not open\n"), 1;
  std::printf("statement of 2000 lines shown (query pressed to grid painted), %zu runs:", r.ms.size());
  bench::PrintRuns(r.ms);
  std::printf(" (processor %.1f ms)\n", bench::MedianOfOthers(r.cpu));
  return 0;
}
