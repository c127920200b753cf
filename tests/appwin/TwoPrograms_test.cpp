// Two programs on one server book, as two PCs of a shop: this test's program and
// NoteWriter.exe in a process of its own, which finds the server in book.ini. Their new
// notes get different numbers, and a note the other program saves shows in this one's
// 历史单据.
#include <windows.h>
#include <shlobj.h>

#include <ctime>
#include <functional>

#include "app/core/BookPlaceSettings.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace appwin_test {
namespace {

// %APPDATA%\NoteWriter\book.ini naming the server while the test runs; what was there
// before is put back.
class BookIni {
 public:
  explicit BookIni(const std::string& connection) {
    wchar_t base[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    std::wstring folder = std::wstring(base) + L"\\NoteWriter";
    CreateDirectoryW(folder.c_str(), nullptr);
    path_ = folder + L"\\book.ini";
    had_ = Read(&before_);
    Write("[book]\r\nPlace=server\r\nConnection=" + connection + "\r\n");
  }
  ~BookIni() {
    if (had_)
      Write(before_);
    else
      DeleteFileW(path_.c_str());
  }

 private:
  bool Read(std::string* bytes) {
    HANDLE f = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes->append(buf, got);
    CloseHandle(f);
    return true;
  }
  void Write(const std::string& bytes) {
    HANDLE f = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &put, nullptr);
    CloseHandle(f);
  }
  std::wstring path_;
  std::string before_;
  bool had_ = false;
};

// The other program: started, driven through its menu and its own dialogs, ended.
class OtherProgram {
 public:
  OtherProgram() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring line = L"\"" + ProgramDirectory() + L"..\\app\\NoteWriter.exe\"";
    started_ = CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
    for (int i = 0; started_ && i < 200 && !main_; ++i) {
      Sleep(50);
      main_ = Find(L"", rt::win::GbkToWide("青禾简易表格生成器").c_str());
    }
    if (main_) WaitForInputIdle(pi_.hProcess, 5000);
  }
  ~OtherProgram() {
    if (!started_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) {
      PostMessageW(main_, WM_COMMAND, MAKEWPARAM(20004, 0), 0);  // 退出
      if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 99);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  bool up() const { return main_ != nullptr; }

  // The menu item as the program numbers its commands: 20000 + its place in the menu.
  void Menu(uint32_t itemId) {
    const std::vector<rt::UnitTemplate>& units = app::BuildProgramTemplates().windows[0].units;
    int index = 0;
    for (const rt::UnitTemplate& u : units) {
      if (!u.IsMenuItem()) continue;
      if (u.id == itemId) break;
      ++index;
    }
    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(20000 + index, 0), 0);
  }

  // Waits for a dialog box of the program; null after `ms`.
  HWND WaitForDialog(DWORD ms = 10000) {
    HWND box = nullptr;
    for (DWORD waited = 0; !box && waited < ms; waited += 50) {
      Sleep(50);
      box = Find(L"#32770", nullptr);
    }
    return box;
  }

  static void Press(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(dialog, button)));
  }

 private:
  struct Search {
    DWORD pid;
    const wchar_t* cls;
    const wchar_t* title;
    HWND found;
  };
  // A visible top-level window of the program of that class ("" any) and title (null any).
  static BOOL CALLBACK Match(HWND h, LPARAM p) {
    Search& s = *reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t text[256] = {}, cls[64] = {};
    GetWindowTextW(h, text, 256);
    GetClassNameW(h, cls, 64);
    if (pid != s.pid || !IsWindowVisible(h)) return TRUE;
    if (*s.cls && lstrcmpW(cls, s.cls) != 0) return TRUE;
    if (s.title && lstrcmpW(text, s.title) != 0) return TRUE;
    s.found = h;
    return FALSE;
  }
  HWND Find(const wchar_t* cls, const wchar_t* title) {
    Search s{pi_.dwProcessId, cls, title, nullptr};
    EnumWindows(&Match, LPARAM(&s));
    return s.found;
  }

  PROCESS_INFORMATION pi_{};
  bool started_ = false;
  HWND main_ = nullptr;
};

class TwoPrograms : public BookProgram {
 protected:
  TwoPrograms() : BookProgram("两台电脑.db") {}
  void TearDown() override {
    app::CurrentBookPlaceSettings() = {};
    BookProgram::TearDown();
  }
};

// While the history window is open (modal), `body` reads its list from a timer.
struct ListVisit {
  static ListVisit* current;
  rt::win::RuntimeHost* host;
  std::vector<std::string> rows;  // number and file of each note
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    ListVisit& v = *current;
    auto w = v.host->FindLoadedWindow(app::kHistoryWindowId);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    grid::GridModel& m = grid::win::CGridCtrl::FromHwnd(w->FindUnit(app::kHistoryGridId)->hwnd)->Model();
    for (int r = 1; r < m.RowCount(); ++r) v.rows.push_back(m.CellText(r, 1) + " " + m.CellText(r, 5));
    PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};
ListVisit* ListVisit::current = nullptr;

TEST_F(TwoPrograms, NumbersNeverRepeatAndASavedNoteShowsInTheOther) {
  const std::string server = book::test::FreshServerBook("appwin_two");
  app::CurrentBookPlaceSettings() = {true, server};
  app::UseBookPlaceSettings();
  BookIni ini(server);
  OtherProgram other;
  ASSERT_TRUE(other.up()) << "the other program did not come up";

  other.Menu(app::kMenuNewNoteId);  // takes the day's first number
  std::string theirs = TempPath("other-pc.qgd");
  DeleteFileW(rt::win::GbkToWide(theirs).c_str());
  other.Menu(app::kMenuSaveId);
  HWND dialog = other.WaitForDialog();
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  HWND name = GetDlgItem(dialog, 0x47c);  // the file name box
  if (!name) name = GetDlgItem(dialog, 0x480);
  ASSERT_NE(name, nullptr);
  SendMessageW(name, WM_SETTEXT, 0, LPARAM(rt::win::GbkToWide(theirs).c_str()));
  OtherProgram::Press(dialog, IDOK);
  for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(50);
  HWND saved = other.WaitForDialog();  // 保存成功!
  ASSERT_NE(saved, nullptr);
  OtherProgram::Press(saved, IDOK);

  Menu(app::kMenuNewNoteId);
  EXPECT_EQ(Cell(0, 0).find(TodaysNumber(2)), std::string("销售单号：").size()) << Cell(0, 0);
  ListVisit visit{&Host(), {}};
  ListVisit::current = &visit;
  SetTimer(nullptr, 0, 100, &ListVisit::Tick);
  Menu(app::kMenuHistoryId);
  ListVisit::current = nullptr;
  EXPECT_EQ(visit.rows, std::vector<std::string>{TodaysNumber(1) + " " + theirs});
  EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes[0].text;
  DeleteFileW(rt::win::GbkToWide(theirs).c_str());
}

}  // namespace
}  // namespace appwin_test
