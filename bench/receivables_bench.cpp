// Times the 欠款汇总 window under the platform (run under Wine): the real program with a
// book of 100,000 notes (3 item rows each) of 1,000 customers and two payments each;
// each run presses 查询 and waits until the grid has painted (the book read, the
// summary made, the 1,000 rows written into the grid, the paint). Goal < 500 ms.
//   receivables_bench [BOOK]   (made when missing, removed afterwards unless given)
//   receivables_bench look BOOK   opens the window on BOOK for 5 s, for looking at it
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "app/win/ProgramDescriptor.h"
#include "bench/BenchWindows.h"
#include "book/core/NoteBook.h"
#include "runtime/win/RuntimeHost.h"

namespace {

constexpr int kNotes = 100000, kCustomers = 1000, kBatch = 2000;

// Day `n` of the three years before 2026-12-31, as YYYY-MM-DD (months of 28 days
// are enough for spreading notes over the buckets).
std::string Date(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", 2024 + n / 336, 1 + n % 336 / 28, 1 + n % 28);
  return text;
}

std::string Customer(int c) { return "客户" + std::to_string(c) + "建材"; }

book::NoteRecord Note(int i) {
  book::NoteRecord note;
  note.number = "NO.R" + std::to_string(100000 + i);
  note.customer = Customer(i * 7919 % kCustomers);
  note.noteDate = Date(i * 1008 / kNotes);
  for (int r = 1; r <= 3; ++r) {
    int q = 1 + (i + r) % 9;
    note.items.push_back({r, std::to_string(30 + r * 10) + "*60", std::to_string(q), "块", "12.5",
                          std::to_string(q * 12) + "." + (q % 2 ? "5" : "0"), ""});
  }
  return note;
}

bool Fill(const std::string& path) {
  std::string why;
  auto notes = book::NoteBook::Open(path, &why);
  if (!notes) return std::fprintf(stderr, "book: %s\n", why.c_str()), false;
  for (int first = 0; first < kNotes; first += kBatch) {
    std::vector<book::NoteRecord> batch;
    for (int i = first; i < first + kBatch; ++i) batch.push_back(Note(i));
    if (!notes->RecordAll(batch, &why)) return std::fprintf(stderr, "record: %s\n", why.c_str()), false;
  }
  for (int c = 0; c < kCustomers; ++c)
    for (int day : {300, 900}) {
      book::Payment p{0, Customer(c), Date(day + c % 28), "", 1000 * book::kMoneyScale};
      if (!notes->RecordPayment(&p, &why)) return std::fprintf(stderr, "pay: %s\n", why.c_str()), false;
    }
  return true;
}

struct Run {
  rt::win::RuntimeHost* host;
  std::vector<double> ms, cpu;
  int rows = 0;
};
Run* run = nullptr;

HWND UnitHwnd(uint32_t id) {
  return run->host->FindLoadedWindow(app::kReceivablesWindowId)->FindUnit(id)->hwnd;
}

void CALLBACK CloseTick(HWND, UINT, UINT_PTR id, DWORD) {
  auto w = run->host->FindLoadedWindow(app::kReceivablesWindowId);
  if (!w || !w->hwnd) return;
  KillTimer(nullptr, id);
  PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto w = run->host->FindLoadedWindow(app::kReceivablesWindowId);
  if (!w || !w->hwnd) return;
  KillTimer(nullptr, id);
  for (int i = 0; i < 7; ++i)
    bench::TimePress(UnitHwnd(app::kReceivablesQueryButtonId), UnitHwnd(app::kReceivablesGridId), &run->ms,
                     &run->cpu);
  run->rows = int(run->host->GetUnitProperty(app::kReceivablesWindowId, app::kReceivablesGridId, 17, -1));
  PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const bool look = argc == 3 && std::string(argv[1]) == "look", given = argc == 2 || look;
  std::string path = given ? argv[argc - 1] : std::string(temp) + "receivables_bench.db";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    double start = bench::NowMs();
    if (!Fill(path)) return 1;
    std::printf("book of %d notes of %d customers made in %.1f s\n", kNotes, kCustomers,
                (bench::NowMs() - start) / 1000);
  }
  if (!look) {  // the book's part alone: read, settled and aged
    std::string why;
    auto notes = book::NoteBook::Open(path, &why);
    book::Receivables r;
    std::vector<double> ms, cpu;
    for (int i = 0; i < 5; ++i) {
      double start = bench::NowMs(), used = bench::CpuMs();
      if (!notes || !notes->MakeReceivables("2026-12-09", &r, &why))
        return std::fprintf(stderr, "%s\n", why.c_str()), 1;
      ms.push_back(bench::NowMs() - start);
      cpu.push_back(bench::CpuMs() - used);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("receivables of %zu customers from the book alone: median %.1f ms (processor %.1f ms)\n",
                r.rows.size(), ms[2], cpu[2]);
  }
  rt::win::RuntimeHost host(app::ProgramDescriptor());
  bench::StartProgram(host, path);
  Run r{&host, {}, {}};
  run = &r;
  SetTimer(nullptr, 0, look ? 5000 : 50, look ? &CloseTick : &Tick);
  bench::ChooseMenuItem(host, app::kMenuReceivablesId);
  host.RunShutdownSequence();
  if (!given)
    for (const char* s : {"", "-wal", "-shm"}) DeleteFileA((path + s).c_str());
  if (look) return 0;
  if (r.ms.empty()) return std::fprintf(stderr, "the receivables window did not open\n"), 1;
  std::printf("receivables of %d customers shown (query pressed to grid painted; grid rows %d), %zu runs:",
              kCustomers, r.rows, r.ms.size());
  bench::PrintRuns(r.ms);
  std::printf(" (processor %.1f ms)  goal < 500 ms\n", bench::MedianOfOthers(r.cpu));
  return 0;
}
