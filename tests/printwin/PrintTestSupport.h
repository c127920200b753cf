// The printing tests' real printer: the CUPS PDF queue made by tools/cups-pdf.sh, seen
// through Wine, with the PDFs it writes read back by the poppler tools (started as
// Unix programs from inside Wine).
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <gtest/gtest.h>
#include <winspool.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "grid/win/GridPrinting.h"
#include "tests/win/HostTestSupport.h"

namespace print_test {

constexpr const char* kPdfFolder = "/var/spool/cups-pdf/notewriter";

inline std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A Unix file's bytes (through Wine's Z: drive); false when it does not exist.
inline bool ReadUnixFile(const std::string& path, std::string* bytes) {
  std::string dos = "Z:" + path;
  for (char& c : dos)
    if (c == '/') c = '\\';
  std::ifstream in(dos, std::ios::binary);
  if (!in) return false;
  std::stringstream s;
  s << in.rdbuf();
  *bytes = s.str();
  return true;
}

// Runs a shell command line as a Unix process and returns its standard output. Wine
// does not track a Unix child, so the output is moved into place when the command has
// ended and the file is waited for.
inline std::string Shell(const std::string& command, DWORD ms = 30000) {
  static int serial = 0;
  std::string out =
      "/tmp/notewriter-print-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  std::string script = "(" + command + ") > " + out + ".part 2>/dev/null; mv " + out + ".part " + out;
  std::wstring line = L"/bin/sh -c \"" + Wide(script) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(L"Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return std::string();
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::string text;
  for (DWORD waited = 0; waited < ms; waited += 20) {
    if (ReadUnixFile(out, &text)) break;
    Sleep(20);
  }
  DeleteFileA(("Z:" + out).c_str());
  std::string dos = "Z:" + out;
  for (char& c : dos)
    if (c == '/') c = '\\';
  DeleteFileA(dos.c_str());
  return text;
}

inline void RunShell(const std::string& command) { Shell(command); }

// Whether the PDF printer can be used here. Only a machine where CUPS itself has no
// "PDF" queue (tools/cups-pdf.sh could not set it up) skips the printing tests: once
// CUPS serves the queue, Windows not seeing it is a fault of this machine's Wine set-up
// (for the 32-bit loader, a missing i386 CUPS library), and the tests fail to say so.
struct PrinterProbe {
  enum Verdict { kReady, kNoCups, kFault } verdict;
  std::string why;
};

inline bool WindowsSeesPrinter(const wchar_t* name) {
  DWORD needed = 0, count = 0;
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
  if (!needed) return false;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return false;
  auto* printers = reinterpret_cast<PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (std::wstring(printers[i].pPrinterName) == name) return true;
  return false;
}

inline PrinterProbe ProbePrinter() {
  // The probes below are Unix programs: without them nothing could be checked at all.
  if (Shell("echo yes").empty()) return {PrinterProbe::kFault, "Wine cannot start Unix programs (/bin/sh)"};
  if (Shell("lpstat -p PDF >/dev/null 2>&1 && echo yes").empty())
    return {PrinterProbe::kNoCups, "CUPS has no queue \"PDF\" here (tools/cups-pdf.sh says why)"};
  // Wine copies the queues as the first process of the prefix loads its spooler and does
  // not look again while that one lives; tools/test-all.sh has hold_printers make and
  // hold a copy with every queue before the tests start.
  if (!WindowsSeesPrinter(L"PDF"))
    return {PrinterProbe::kFault,
            "lpstat -p PDF shows the CUPS queue but Windows sees no printer \"PDF\": this Wine "
            "loader cannot reach CUPS (the 32-bit one needs libcups2:i386, see tools/setup.sh), "
            "or the prefix's copy of the queues was made while CUPS did not list them (run the "
            "tests with tools/test-all.sh, which holds a good copy)"};
  if (Shell("command -v pdftotext && command -v pdfinfo && command -v pdftoppm").empty())
    return {PrinterProbe::kFault, "poppler-utils missing (tools/setup.sh installs them)"};
  if (Shell(std::string("test -d ") + kPdfFolder + " && echo yes").empty())
    return {PrinterProbe::kFault,
            std::string("no cups-pdf output folder ") + kPdfFolder + " (run tools/cups-pdf.sh)"};
  return {PrinterProbe::kReady, std::string()};
}

// Skips or fails the running test unless the PDF printer is ready; the machine does not
// change during a run, so it is probed once. Only a machine without the CUPS queue skips.
inline void RequirePdfPrinter() {
  static const PrinterProbe probe = ProbePrinter();
  if (probe.verdict == PrinterProbe::kNoCups) GTEST_SKIP() << "printing tests skipped: " << probe.why;
  if (probe.verdict == PrinterProbe::kFault) FAIL() << "the PDF printer cannot be used: " << probe.why;
}

// The newest PDF whose name starts with `prefix`, once CUPS has finished writing it;
// empty when none appears within the time.
inline std::string WaitForPdf(const std::string& prefix, int ms = 20000) {
  for (int waited = 0; waited < ms; waited += 250) {
    std::string name = Shell(std::string("ls -t ") + kPdfFolder + "/" + prefix + "*.pdf | head -1");
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    if (!name.empty() && !Shell("pdfinfo '" + name + "' | grep -i '^Pages:'").empty()) return name;
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
  }
  return std::string();
}

inline void RemovePdfs(const std::string& prefix) {
  RunShell(std::string("rm -f ") + kPdfFolder + "/" + prefix + "*");
}

inline int PdfPages(const std::string& pdf) {
  std::string info = Shell("pdfinfo '" + pdf + "' | grep -i '^Pages:'");
  size_t colon = info.find(':');
  return colon == std::string::npos ? -1 : atoi(info.c_str() + colon + 1);
}

// UTF-8 from the poppler tools as GBK, like the program's own texts.
inline std::string Utf8ToGbk(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], n);
  int m = WideCharToMultiByte(936, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string gbk(size_t(m), '\0');
  WideCharToMultiByte(936, 0, wide.data(), n, &gbk[0], m, nullptr, nullptr);
  return gbk;
}

// The text of one page (GBK).
inline std::string PdfPageText(const std::string& pdf, int page) {
  return Utf8ToGbk(Shell("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) +
                         " -layout '" + pdf + "' -"));
}

// The word boxes of one page as "xMin word" lines, and the page width.
struct Word {
  double xMin, xMax;
  std::string text;
};
inline std::vector<Word> PdfWords(const std::string& pdf, int page, double* pageWidth) {
  std::string html = Shell("pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) +
                           " '" + pdf + "' -");
  std::vector<Word> words;
  size_t at = html.find("<page width=\"");
  if (at != std::string::npos) *pageWidth = atof(html.c_str() + at + 13);
  for (size_t p = html.find("<word "); p != std::string::npos; p = html.find("<word ", p + 1)) {
    Word w;
    w.xMin = atof(html.c_str() + html.find("xMin=\"", p) + 6);
    w.xMax = atof(html.c_str() + html.find("xMax=\"", p) + 6);
    size_t start = html.find('>', p) + 1;
    w.text = Utf8ToGbk(html.substr(start, html.find("</word>", start) - start));
    words.push_back(w);
  }
  return words;
}

// Answers the real print dialog: presses OK (or Cancel) as soon as it is shown.
class PrintDialogAnswer {
 public:
  explicit PrintDialogAnswer(int button = IDOK) {
    button_ = button;
    previous_ = grid::win::SetPrintDialogHook([this](PRINTDLGW* pd) {
      ++shown;
      pd->Flags |= PD_ENABLEPRINTHOOK;
      pd->lpfnPrintHook = &Hook;
      return PrintDlgW(pd);
    });
  }
  ~PrintDialogAnswer() { grid::win::SetPrintDialogHook(previous_); }
  int shown = 0;

 private:
  static UINT_PTR CALLBACK Hook(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
    return 0;
  }
  static inline int button_ = IDOK;
  grid::win::PrintDialogHook previous_;
};

// Tests that print to the PDF printer: skipped only where CUPS has none (see
// RequirePdfPrinter); each starts from a fresh shared printer, and message boxes are answered.
class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RequirePdfPrinter();
    if (IsSkipped() || HasFatalFailure()) return;
    grid::win::ResetSharedPrinter();
  }
  void TearDown() override { grid::win::SetPrintDocumentTitle(""); }
  host_test::PromptSeam prompts;
};

}  // namespace print_test
