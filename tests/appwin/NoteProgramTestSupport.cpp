#include "tests/appwin/NoteProgramTestSupport.h"

#include <commctrl.h>

#include <ctime>

#include "app/core/Handlers.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "app/win/ProgramDescriptor.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Gbk.h"
#include "tests/win/HostTestSupport.h"

namespace appwin_test {

namespace {

// The windows of this program and of the note program it starts are framed by Wine.
const bool kUnmanagedWindows =
    (host_test::LetWineFrameWindowsOf({L"app_win_tests.exe", L"NoteWriter.exe"}), true);

}  // namespace

void NoteProgram::SetUp() {
  host_ = std::make_unique<rt::win::RuntimeHost>(app::ProgramDescriptor());
  // The entry's steps, without its message loop: the test pumps instead.
  host_->RuntimeNotify(rt::notify::kInitialiseHost);
  host_->RuntimeNotify(rt::notify::kRegisterExitRoutine,
                       reinterpret_cast<intptr_t>(&app::ProgramExitRoutine));
  host_->LoadStartWindow(app::kMainWindowId);
  Pump();
}

void NoteProgram::TearDown() {
  rt::win::SetCommonDialogHook(nullptr);
  host_->RunShutdownSequence();
  host_.reset();
  host_test::DrainQuit();
}

HWND NoteProgram::MainHwnd() { return Host().FindLoadedWindow(app::kMainWindowId)->hwnd; }

HWND NoteProgram::UnitHwnd(uint32_t unitId) {
  return Host().FindLoadedWindow(app::kMainWindowId)->FindUnit(unitId)->hwnd;
}

grid::win::CGridCtrl& NoteProgram::Grid() {
  grid::win::CGridCtrl* g = grid::win::CGridCtrl::FromHwnd(UnitHwnd(app::kGridUnitId));
  if (!g) throw std::runtime_error("the note grid has no grid window");
  return *g;
}

void NoteProgram::Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

void NoteProgram::TypeText(const std::wstring& text) {
  for (wchar_t ch : text) {
    SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    Pump();
  }
}

void NoteProgram::Key(UINT vk) {
  HWND target = GetFocus();
  SendMessageW(target, WM_KEYDOWN, vk, 1);
  SendMessageW(target, WM_KEYUP, vk, 0xC0000001);
  Pump();
}

void NoteProgram::ClickCell(int row, int col) {
  RECT r = Grid().CellRect(row, col);
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  HWND grid = Grid().Hwnd();
  SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(grid, WM_LBUTTONUP, 0, at);
  Pump();
}

void NoteProgram::EditCell(int row, int col, const std::wstring& text) {
  ClickCell(row, col);
  TypeText(text);  // the first character opens the editor
  Key(VK_RETURN);
}

void NoteProgram::PickListItem(int row, int col, int index) {
  ClickCell(row, col);
  Key(VK_F2);  // opens the drop-down list editor
  HWND editor = Grid().EditorHwnd();
  ASSERT_NE(editor, nullptr);
  SendMessageW(editor, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(editor, &info));
  HWND list = info.hwndList;
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, index, LPARAM(&item));
  LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageW(list, WM_MOUSEMOVE, 0, at);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  Pump();
  if (Grid().IsEditing()) Key(VK_RETURN);
}

void NoteProgram::Menu(uint32_t itemId) {
  const auto& items = Host().FindLoadedWindow(app::kMainWindowId)->menuItems;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i]->id == itemId) {
      SendMessageW(MainHwnd(), WM_COMMAND, MAKEWPARAM(20000 + i, 0), 0);
      Pump();
      return;
    }
  ADD_FAILURE() << "no menu item " << std::hex << itemId;
}

void NoteProgram::AnswerFileDialog(const std::string& gbkName) {
  rt::win::SetCommonDialogHook([this, gbkName](int kind, std::string* name) {
    dialogKinds.push_back(kind);
    if (gbkName.empty()) return false;
    *name = gbkName;
    return true;
  });
}

std::wstring ProgramDirectory() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L'\\') + 1);
}

int RunAndWait(const std::wstring& commandLine, DWORD ms, std::string* output) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (output && !CreatePipe(&readEnd, &writeEnd, &sa, 0)) return -1;
  if (readEnd) SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (output) {
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  PROCESS_INFORMATION pi{};
  std::wstring line = commandLine;
  BOOL started =
      CreateProcessW(nullptr, &line[0], nullptr, nullptr, output != nullptr, 0, nullptr, nullptr, &si, &pi);
  if (writeEnd) CloseHandle(writeEnd);
  if (!started) {
    if (readEnd) CloseHandle(readEnd);
    return -1;
  }
  if (output) {
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0) output->append(buf, got);
    CloseHandle(readEnd);
  }
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0)
    GetExitCodeProcess(pi.hProcess, &code);
  else
    TerminateProcess(pi.hProcess, 99);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return int(code);
}

std::string TempPath(const char* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return rt::win::WideToGbk(std::wstring(dir) + rt::win::GbkToWide(name));
}

std::string Utf8(const std::string& gbk) {
  std::wstring wide = rt::win::GbkToWide(gbk);
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

void BookProgram::SetUp() {
  bookPath = TempPath(bookName_);
  for (const char* suffix : {"", "-journal", "-wal", "-shm", ".bak"})
    DeleteFileW(rt::win::GbkToWide(bookPath + suffix).c_str());
  app::SetNoteBookPath(Utf8(bookPath));
  NoteProgram::SetUp();
}

void BookProgram::TearDown() {
  NoteProgram::TearDown();
  app::SetNoteBookPath("");
}

std::string TodaysNumber(int serial) {
  std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "NO.%Y%m%d", std::localtime(&now));
  return text + std::string(serial < 10 ? "00" : "0") + std::to_string(serial);
}

}  // namespace appwin_test
