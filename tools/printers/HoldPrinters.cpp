// hold_printers NAME...: makes Wine's copy of the CUPS queues and holds it.
//
// Wine copies the CUPS queues into a prefix's registry when a process loads its spooler
// and no other live process of the prefix has done so; printers CUPS does not list at
// that moment (a busy scheduler, a queue just made) are deleted from the registry, and
// no process re-reads them while the first one lives. So the scripts start this program
// first, on an idle scheduler: it loads the spooler, checks that Windows sees every
// named printer, prints "ready" and then lives until its input ends, so that every
// program started meanwhile uses its copy. Without them it prints "missing NAME" and
// exits 2; started again once it has exited, it copies the queues anew.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> SeenPrinters() {
  DWORD needed = 0, count = 0;
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<std::wstring> names;
  if (!needed) return names;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return names;
  auto* printers = reinterpret_cast<PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names.push_back(printers[i].pPrinterName);
  return names;
}

void WaitForEndOfInput() {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(in, buffer, sizeof buffer, &read, nullptr) && read > 0) {
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> seen = SeenPrinters();
  for (int i = 1; i < argc; ++i) {
    bool found = false;
    for (const std::wstring& name : seen) found = found || name == argv[i];
    if (!found) {
      std::printf("missing %ls\n", argv[i]);
      return 2;
    }
  }
  std::printf("ready\n");
  std::fflush(stdout);
  WaitForEndOfInput();
  return 0;
}
