// The program's entry: the host's application object comes first (it records the
// program's directory), the note book's place (book.ini) and the print settings are set, then the
// application's entry routine runs the whole program; when it returns, the host's
// shut-down sequence runs and the process ends.
//   NoteWriter.exe                      the program
//   NoteWriter.exe FILE.qgd             the program with that note open
//   NoteWriter.exe /p FILE.qgd          prints the note on the default printer and ends
//   NoteWriter.exe /pt FILE.qgd PRINTER prints it on that printer and ends
// Printing shows no window to answer: it ends with 0 once the job is with the spooler,
// else with one line on standard error and a code that is not 0.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/core/BookPlaceSettings.h"
#include "app/core/Handlers.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/PrintSettings.h"
#include "app/win/ProgramDescriptor.h"
#include "app/win/SettingsFiles.h"
#include "book/win/NoteBookLocation.h"
#include "grid/win/GridPrinting.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/RuntimeHost.h"

namespace {

constexpr int kBadArguments = 2, kNoPrinter = 4, kNotPrinted = 5;

int Fail(int code, const std::wstring& why) {
  std::string line = "NoteWriter: " + rt::win::WideToGbk(why) + "\n";
  DWORD written = 0;
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  if (err && err != INVALID_HANDLE_VALUE) WriteFile(err, line.data(), DWORD(line.size()), &written, nullptr);
  return code;
}

std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> args;
  int count = 0;
  if (wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
    LocalFree(list);
  }
  return args;
}

bool IsSwitch(const std::wstring& arg, const wchar_t* name) { return lstrcmpiW(arg.c_str(), name) == 0; }

// Checks the arguments of /p and /pt and makes the printer the shared one; 0 when the
// note can be printed.
int PreparePrint(const std::vector<std::wstring>& args, app::StartRequest* start) {
  bool named = IsSwitch(args[0], L"/pt");
  if (args.size() != (named ? 3u : 2u))
    return Fail(kBadArguments, L"usage: NoteWriter.exe /p FILE.qgd | /pt FILE.qgd PRINTER");
  DWORD attributes = GetFileAttributesW(args[1].c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return Fail(kBadArguments, L"no such file: " + args[1]);
  if (named && !grid::win::AdoptNamedPrinter(args[2]))
    return Fail(kNoPrinter, L"no such printer: " + args[2]);
  if (!named) {
    grid::win::AdoptDefaultPrinter();
    if (!grid::win::SharedPrinterDC()) return Fail(kNoPrinter, L"there is no default printer");
  }
  start->kind = app::StartRequest::kPrint;
  start->file = rt::win::WideToGbk(args[1]);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  static rt::win::RuntimeHost host(app::ProgramDescriptor());
  app::SetNoteBookPath(book::win::UserNoteBookPath());
  app::win::LoadBookPlaceFile();
  app::UseBookPlaceSettings();
  app::SetBookPlaceSaver(&app::win::SaveBookPlaceFile);
  app::win::LoadPrintSettingsFile();
  app::print::SetPrintSettingsSaver(&app::win::SavePrintSettingsFile);

  std::vector<std::wstring> args = Arguments();
  app::StartRequest start;
  if (!args.empty() && (IsSwitch(args[0], L"/p") || IsSwitch(args[0], L"/pt"))) {
    if (int code = PreparePrint(args, &start)) return code;
  } else if (args.size() == 1) {
    start.kind = app::StartRequest::kOpen;
    start.file = rt::win::WideToGbk(args[0]);
  }
  int code = app::RunProgramEntry(start);
  host.RunShutdownSequence();
  if (start.kind != app::StartRequest::kPrint) return code;
  if (code == app::kNotGridFile) return Fail(code, L"not a note (grid) file: " + args[1]);
  if (!grid::win::LastPrintJobSpooled()) return Fail(kNotPrinted, L"the note could not be printed");
  return 0;
}
