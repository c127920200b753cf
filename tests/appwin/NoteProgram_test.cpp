// The whole note, end to end: the real program's main window typed into through window
// messages, saved and opened through its dialogs, the file read back with qgd.
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>

#include "app/core/ProgramTemplates.h"
#include "runtime/core/ValueConversions.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"

namespace appwin_test {
namespace {

std::string Spaces(size_t n) { return std::string(n, ' '); }

// A GBK text as qgd writes it in its JSON: UTF-8 between quotes.
std::string Json(const std::string& gbk) {
  std::wstring wide = rt::win::GbkToWide(gbk);
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), &utf8[0], n, nullptr, nullptr);
  return "\"" + utf8 + "\"";
}

// Whether qgd's dump lists the cell with exactly this text.
bool Dumped(const std::string& dump, int row, int col, const std::string& gbk) {
  std::string entry = "{\"row\": " + std::to_string(row) + ", \"col\": " + std::to_string(col) +
                      ", \"text\": " + Json(gbk) + ",";
  return dump.find(entry) != std::string::npos;
}

std::string QgdDump(const std::string& gbkPath) {
  std::string out;
  std::wstring line =
      L"\"" + ProgramDirectory() + L"..\\tools\\qgd.exe\" dump \"" + rt::win::GbkToWide(gbkPath) + L"\"";
  EXPECT_EQ(RunAndWait(line, 20000, &out), 0) << "qgd dump";
  return out;
}

std::string NoteDateText(rt::win::RuntimeHost& host) {
  uint64_t words = host.GetUnitProperty(app::kMainWindowId, app::kDateBoxId, 10, -1);
  return rt::DateTimeText(
      double(int64_t(rt::DoubleOf(rt::DataValue{uint32_t(words), uint32_t(words >> 32), 0}))));
}

TEST_F(NoteProgram, BlankNoteFitsTheWindow) {
  EXPECT_EQ(Cell(2, 1), "    规    格 CM");
  EXPECT_EQ(Cell(3, 0), "1");
  EXPECT_EQ(Cell(22, 0), "20");
  EXPECT_EQ(Cell(23, 0), "合计");
  EXPECT_EQ(Cell(23, 1), "大写金额：");
  EXPECT_EQ(Cell(23, 5), "小写金额：");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Spaces(36) + "客户名称：");
  EXPECT_EQ(Model().ColWidth(4), 60);

  // At the template size, scrolled to the bottom, the whole total row and the vertical
  // scroll bar's down arrow lie inside the main window's client area.
  SendMessageW(Grid().Hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  Pump();
  RECT main, grid, total = Grid().CellRect(23, 0), gridClient;
  GetClientRect(MainHwnd(), &main);
  GetWindowRect(Grid().Hwnd(), &grid);
  MapWindowPoints(HWND_DESKTOP, MainHwnd(), reinterpret_cast<POINT*>(&grid), 2);
  GetClientRect(Grid().Hwnd(), &gridClient);
  EXPECT_LE(grid.bottom, main.bottom - 5);
  EXPECT_GT(total.top, 0);
  EXPECT_LE(total.bottom, gridClient.bottom) << "the total row shows whole";

  // A client area of 400 x 300: the grid at (5, 30), 390 x 265. The frame is grown
  // until the client has that size (the menu bar may take two lines when narrow).
  RECT client{};
  for (int i = 0; i < 4; ++i) {
    GetClientRect(MainHwnd(), &client);
    RECT frame;
    GetWindowRect(MainHwnd(), &frame);
    SetWindowPos(MainHwnd(), nullptr, 0, 0, frame.right - frame.left + 400 - client.right,
                 frame.bottom - frame.top + 300 - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
  }
  GetClientRect(MainHwnd(), &client);
  ASSERT_EQ(client.right, 400);
  ASSERT_EQ(client.bottom, 300);
  RECT r;
  GetWindowRect(Grid().Hwnd(), &r);
  MapWindowPoints(HWND_DESKTOP, MainHwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right - r.left, 390);
  EXPECT_EQ(r.bottom - r.top, 265);
}

TEST_F(NoteProgram, TypedNoteSavesAndOpensAgain) {
  // Customer and date.
  SetFocus(UnitHwnd(app::kCustomerEditId));
  TypeText(L"华联建材");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Spaces(34) + "客户名称：华联建材");
  SetFocus(UnitHwnd(app::kDateBoxId));
  Key(VK_UP);  // one day (or month, or year) on
  std::string date = NoteDateText(Host());
  EXPECT_EQ(Cell(1, 0), "经手人：" + Spaces(30) + "日期：" + date);

  // Two items, a unit picked from the drop-down.
  EditCell(3, 2, L"2");
  PickListItem(3, 3, 0);
  EXPECT_EQ(Cell(3, 3), "平方米");
  EditCell(3, 4, L"3.5");
  EXPECT_EQ(Cell(3, 5), "7") << "the amount at once";
  EXPECT_EQ(Cell(23, 1), "大写金额：柒元整") << "and the total with it";
  EXPECT_EQ(Cell(23, 5), "小写金额：7");
  EditCell(4, 2, L"1");
  EditCell(4, 4, L"1227.5");
  EXPECT_EQ(Cell(4, 5), "1227.5");

  // Saved now, the file holds the note as it shows.
  std::string first = TempPath("送货单一.qgd"), second = TempPath("送货单二.qgd");
  DeleteFileW(rt::win::GbkToWide(first).c_str());
  DeleteFileW(rt::win::GbkToWide(second).c_str());
  AnswerFileDialog(first);
  Menu(app::kMenuSaveId);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, "保存成功!");
  EXPECT_EQ(prompts.boxes[0].caption, "信息：");
  std::string dump = QgdDump(first);
  struct Saved {
    int row, col;
    std::string text;
  };
  for (const Saved& c : std::vector<Saved>{{0, 0, "销售单号：" + Spaces(34) + "客户名称：华联建材"},
                                           {1, 0, "经手人：" + Spaces(30) + "日期：" + date},
                                           {3, 2, "2"},
                                           {3, 3, "平方米"},
                                           {3, 4, "3.5"},
                                           {3, 5, "7"},
                                           {4, 5, "1227.5"},
                                           {23, 1, "大写金额：壹仟贰佰叁拾肆元伍角整"},
                                           {23, 5, "小写金额：1234.5"}})
    EXPECT_TRUE(Dumped(dump, c.row, c.col, c.text)) << c.row << "," << c.col << " " << c.text;

  // Erasing a quantity keeps its amount, and the second file keeps counting it.
  ClickCell(4, 2);
  Key(VK_F2);
  TypeText(L"\b");  // an edit box erases on the character a Backspace key makes
  Key(VK_RETURN);
  EXPECT_EQ(Cell(4, 2), "");
  EXPECT_EQ(Cell(4, 5), "1227.5");
  AnswerFileDialog(second);
  Menu(app::kMenuSaveId);
  dump = QgdDump(second);
  EXPECT_TRUE(Dumped(dump, 23, 5, "小写金额：1234.5"));

  // Open the first file again over a changed note: the same note comes back.
  EditCell(3, 2, L"9");
  AnswerFileDialog(first);
  Menu(app::kMenuOpenId);
  EXPECT_EQ(dialogKinds, (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(Cell(3, 2), "2");
  EXPECT_EQ(Cell(3, 5), "7");
  EXPECT_EQ(Cell(4, 2), "1");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Spaces(34) + "客户名称：华联建材");
  EXPECT_EQ(Cell(23, 5), "小写金额：1234.5");
  EXPECT_EQ(prompts.boxes.size(), 2u) << "opening says nothing when it works";
  DeleteFileW(rt::win::GbkToWide(first).c_str());
  DeleteFileW(rt::win::GbkToWide(second).c_str());
}

// While a side window is open the main window takes no input; closing gives it back.
struct SideWindowCheck {
  static SideWindowCheck* current;
  rt::win::RuntimeHost* host;
  HWND main;
  uint32_t windowId;
  bool sawOpen = false, mainDisabled = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    SideWindowCheck& c = *current;
    auto w = c.host->FindLoadedWindow(c.windowId);
    if (!w || !w->hwnd) return;
    c.sawOpen = true;
    c.mainDisabled = !IsWindowEnabled(c.main);
    KillTimer(nullptr, id);
    PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};
SideWindowCheck* SideWindowCheck::current = nullptr;

TEST_F(NoteProgram, SideWindowsBlockTheMainWindowUntilClosed) {
  struct Way {
    uint32_t windowId;
    std::function<void()> open;
  };
  std::vector<Way> ways = {
      {app::kAboutWindowId, [this] { Menu(app::kMenuAboutId); }},
      {app::kCalendarWindowId, [this] { Menu(app::kMenuCalendarId); }},
      {app::kHelpWindowId,
       [this] {
         SendMessageW(UnitHwnd(app::kHelpButtonId), BM_CLICK, 0, 0);
         Pump();
       }},
  };
  for (const Way& way : ways) {
    SideWindowCheck check{&Host(), MainHwnd(), way.windowId};
    SideWindowCheck::current = &check;
    SetTimer(nullptr, 0, 100, &SideWindowCheck::Tick);
    way.open();  // returns when the modal window has closed
    EXPECT_TRUE(check.sawOpen) << std::hex << way.windowId;
    EXPECT_TRUE(check.mainDisabled) << std::hex << way.windowId;
    EXPECT_TRUE(IsWindowEnabled(MainHwnd())) << std::hex << way.windowId;
  }
  SideWindowCheck::current = nullptr;
}

// The program itself, in its own process: exit while a cell is being edited ends it at
// once with 0, asking nothing.
TEST(NoteWriterProcess, ExitWhileEditingEndsWithZero) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring line = L"\"" + ProgramDirectory() + L"..\\app\\NoteWriter.exe\"";
  ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  HWND main = nullptr, grid = nullptr;
  for (int i = 0; i < 200 && !grid; ++i) {
    Sleep(50);
    main = FindWindowW(nullptr, rt::win::GbkToWide("青禾简易表格生成器").c_str());
    if (main) grid = FindWindowExW(main, nullptr, L"MYGridCtrl", nullptr);
  }
  ASSERT_NE(grid, nullptr) << "the main window did not come up";
  WaitForInputIdle(pi.hProcess, 5000);  // the start-up handlers have run
  // Row 3, column 2 of the note; its first character opens the editor.
  LPARAM at = MAKELPARAM(30 + 120 + 30, 3 * 24 + 12);
  PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(grid, WM_LBUTTONUP, 0, at);
  PostMessageW(grid, WM_CHAR, L'5', 1);
  HWND editor = nullptr;
  for (int i = 0; i < 100 && !editor; ++i) {
    Sleep(30);
    editor = FindWindowExW(grid, nullptr, nullptr, nullptr);
  }
  EXPECT_NE(editor, nullptr) << "no editor open";
  // The exit item: 退出 is the fifth menu item (program menu, open, save, separator, exit).
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(20004, 0), 0);
  DWORD waited = WaitForSingleObject(pi.hProcess, 10000);
  DWORD code = 99;
  if (waited == WAIT_OBJECT_0)
    GetExitCodeProcess(pi.hProcess, &code);
  else
    TerminateProcess(pi.hProcess, 99);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace appwin_test
