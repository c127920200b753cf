// The note book through the real program: numbered new notes, notes recorded on save,
// the question before unsaved edits are dropped, remembered prices, and the history
// window listing the notes and opening one; backing the book up and restoring it.
#include <windows.h>

#include <ctime>
#include <functional>

#include "app/core/NoteBookAccess.h"
#include "app/core/NoteHandlers.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"

namespace appwin_test {
namespace {

std::string Spaces(size_t n) { return std::string(n, ' '); }

std::string Today(const char* format) {
  std::time_t now = std::time(nullptr);
  char text[16];
  std::strftime(text, sizeof text, format, std::localtime(&now));
  return text;
}

class NoteBookProgram : public BookProgram {
 protected:
  NoteBookProgram() : BookProgram("账本测试.db") {}

  void TypeCustomer(const std::wstring& name) {
    SetFocus(UnitHwnd(app::kCustomerEditId));
    SendMessageW(UnitHwnd(app::kCustomerEditId), WM_SETTEXT, 0, LPARAM(L""));
    TypeText(name);
  }
  void SaveAs(const std::string& path) {
    DeleteFileW(rt::win::GbkToWide(path).c_str());
    AnswerFileDialog(path);
    Menu(app::kMenuSaveId);
  }
  std::string Number(int serial) {
    char tail[8];
    std::snprintf(tail, sizeof tail, "%03d", serial);
    return "NO." + Today("%Y%m%d") + tail;
  }
};

// While the history window is open (modal), `body` runs on it from a timer.
struct HistoryVisit {
  static HistoryVisit* current;
  rt::win::RuntimeHost* host;
  std::function<void(HWND window, grid::win::CGridCtrl& list)> body;
  bool visited = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HistoryVisit& v = *current;
    auto w = v.host->FindLoadedWindow(app::kHistoryWindowId);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    v.visited = true;
    v.body(w->hwnd, *grid::win::CGridCtrl::FromHwnd(w->FindUnit(app::kHistoryGridId)->hwnd));
    if (v.host->FindLoadedWindow(app::kHistoryWindowId)) PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};
HistoryVisit* HistoryVisit::current = nullptr;

TEST_F(NoteBookProgram, NumberedNotesAreRecordedRememberedAndListed) {
  // A blank note at start: a new note asks nothing and takes the day's first number.
  Menu(app::kMenuNewNoteId);
  EXPECT_TRUE(prompts.boxes.empty());
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(1) + Spaces(36) + "客户名称：");
  TypeCustomer(L"华联建材");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(1) + Spaces(34) + "客户名称：华联建材") << "the number stays";
  EditCell(3, 1, L"60*40");
  PickListItem(3, 3, 0);
  EditCell(3, 2, L"2");
  EditCell(3, 4, L"3.5");
  std::string first = TempPath("账本一.qgd"), second = TempPath("账本二.qgd"), third = TempPath("账本三.qgd");
  SaveAs(first);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, "保存成功!") << "recorded without a word";

  // Just saved: no question. The same customer's dimensions bring its unit and price.
  Menu(app::kMenuNewNoteId);
  EXPECT_EQ(prompts.boxes.size(), 1u);
  TypeCustomer(L"华联建材");
  EditCell(3, 1, L"60*40");
  EXPECT_EQ(Cell(3, 3), "平方米");
  EXPECT_EQ(Cell(3, 4), "3.5");
  EXPECT_EQ(Cell(3, 2), "") << "the quantity is never filled";
  EditCell(3, 2, L"3");
  EXPECT_EQ(Cell(3, 5), "10.5");

  // Unsaved edits: 取消 keeps the note, 是 saves it first.
  prompts.answer = [](const host_test::ShownBox&) { return IDCANCEL; };
  Menu(app::kMenuNewNoteId);
  ASSERT_EQ(prompts.boxes.size(), 2u);
  EXPECT_EQ(prompts.boxes[1].text, "当前单据尚未保存，是否保存？");
  EXPECT_EQ(Cell(3, 5), "10.5");
  prompts.answer = [](const host_test::ShownBox&) { return IDYES; };
  DeleteFileW(rt::win::GbkToWide(second).c_str());
  AnswerFileDialog(second);
  Menu(app::kMenuNewNoteId);
  EXPECT_EQ(prompts.boxes.back().text, "保存成功!");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(3) + Spaces(36) + "客户名称：");
  EXPECT_EQ(Cell(3, 5), "");

  prompts.answer = nullptr;
  TypeCustomer(L"东方五金");
  EditCell(3, 1, L"块料");
  EditCell(3, 2, L"1");
  EditCell(3, 4, L"100");
  SaveAs(third);

  // The history, newest first; a double-click opens the oldest note and closes it.
  HistoryVisit visit{&Host(), [&](HWND, grid::win::CGridCtrl& list) {
                       grid::GridModel& m = list.Model();
                       ASSERT_EQ(m.RowCount(), 4);
                       EXPECT_EQ(m.CellText(0, 1), "单号");
                       EXPECT_EQ(m.CellText(1, 1), Number(3));
                       EXPECT_EQ(m.CellText(1, 2), "东方五金");
                       EXPECT_EQ(m.CellText(1, 3), "100");
                       EXPECT_EQ(m.CellText(2, 3), "10.5");
                       EXPECT_EQ(m.CellText(3, 0), Today("%Y-%m-%d"));
                       EXPECT_EQ(m.CellText(3, 5), first);
                       RECT r = list.CellRect(3, 2);
                       LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                       SendMessageW(list.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
                       SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
                       SendMessageW(list.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
                       SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
                     }};
  HistoryVisit::current = &visit;
  SetTimer(nullptr, 0, 100, &HistoryVisit::Tick);
  Menu(app::kMenuHistoryId);
  HistoryVisit::current = nullptr;
  EXPECT_TRUE(visit.visited);
  EXPECT_EQ(Host().FindLoadedWindow(app::kHistoryWindowId), nullptr);
  EXPECT_EQ(Cell(3, 2), "2") << "the first note is open again";
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(1) + Spaces(34) + "客户名称：华联建材");
  for (const std::string& f : {first, second, third}) DeleteFileW(rt::win::GbkToWide(f).c_str());
}

// A voided note saved again is recorded still voided, and the save says so.
TEST_F(NoteBookProgram, AVoidedNoteSavedAgainStaysVoided) {
  Menu(app::kMenuNewNoteId);
  TypeCustomer(L"华联建材");
  std::string file = TempPath("作废.qgd"), why;
  SaveAs(file);
  ASSERT_TRUE(app::OpenNoteBook(&why)->SetVoided(Number(1), true, &why)) << why;
  EditCell(3, 1, L"60*40");
  SaveAs(file);
  ASSERT_EQ(prompts.boxes.size(), 3u);
  EXPECT_EQ(prompts.boxes[1].text, "保存成功!");
  EXPECT_EQ(prompts.boxes[2].text, "单据 " + Number(1) + " 已作废，仍按作废记入账本，不计入对账单和欠款。");
  EXPECT_TRUE(app::OpenNoteBook(&why)->IsVoided(Number(1)).value) << why;
  DeleteFileW(rt::win::GbkToWide(file).c_str());
}

// The note on screen at start has no number: its first save takes the book's next one
// into the title; saving again keeps it, a number typed by hand is kept as typed, and
// the file renumbered so stays one note in the book.
TEST_F(NoteBookProgram, AFirstSaveNumbersTheNoteAndARenumberedFileStaysOneNote) {
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Spaces(36) + "客户名称：");
  EditCell(3, 1, L"60*40");
  std::string file = TempPath("编号.qgd");
  SaveAs(file);
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(1) + Spaces(36) + "客户名称：");
  EXPECT_EQ(prompts.boxes.back().text, "保存成功!");
  SaveAs(file);
  TypeCustomer(L"华联建材");
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(1) + Spaces(34) + "客户名称：华联建材") << "the number stays";
  std::string why;
  auto listed = app::OpenNoteBook(&why)->List({}).value;
  ASSERT_EQ(listed.size(), 1u) << why;
  EXPECT_EQ(listed[0].number, Number(1));
  EXPECT_EQ(listed[0].customer, "");  // as saved, before the customer was typed

  Model().SetCellText(0, 0, "销售单号：手写-7" + Spaces(30) + "客户名称：华联建材");
  SaveAs(file);
  listed = app::OpenNoteBook(&why)->List({}).value;
  ASSERT_EQ(listed.size(), 1u) << "one file, one note";
  EXPECT_EQ(listed[0].number, "手写-7");
  EXPECT_EQ(Cell(0, 0), "销售单号：手写-7" + Spaces(30) + "客户名称：华联建材");
  Menu(app::kMenuNewNoteId);
  EXPECT_EQ(Cell(0, 0), "销售单号：" + Number(2) + Spaces(36) + "客户名称：") << "no number was spent";
  DeleteFileW(rt::win::GbkToWide(file).c_str());
}

// 退出 and the close box ask before unsaved edits are lost: 取消, or 是 with the save
// dialog cancelled, keep the program; 否 lets it go; 是 saves, then it ends.
TEST_F(NoteBookProgram, ExitAndTheCloseBoxAskBeforeUnsavedEditsAreLost) {
  EditCell(3, 2, L"2");
  prompts.answer = [](const host_test::ShownBox&) { return IDCANCEL; };
  Menu(app::kMenuExitId);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, "当前单据尚未保存，是否保存？");
  SendMessageW(MainHwnd(), WM_CLOSE, 0, 0);
  Pump();
  ASSERT_EQ(prompts.boxes.size(), 2u);
  EXPECT_EQ(prompts.boxes[1].text, "当前单据尚未保存，是否保存？");
  ASSERT_TRUE(IsWindow(MainHwnd()));

  prompts.answer = [](const host_test::ShownBox& box) {
    return box.text == "当前单据尚未保存，是否保存？" ? IDYES : IDOK;
  };
  AnswerFileDialog("");  // the save is cancelled: nothing ends
  SendMessageW(MainHwnd(), WM_CLOSE, 0, 0);
  Pump();
  ASSERT_TRUE(IsWindow(MainHwnd()));
  EXPECT_EQ(Cell(3, 2), "2");
  EXPECT_EQ(app::OnMainWindowCloseRequest({}).value, 0u);

  prompts.answer = [](const host_test::ShownBox&) { return IDNO; };
  EXPECT_EQ(app::OnMainWindowCloseRequest({}).value, 1u) << "否 lets the window close";

  prompts.answer = [](const host_test::ShownBox& box) {
    return box.text == "当前单据尚未保存，是否保存？" ? IDYES : IDOK;
  };
  std::string file = TempPath("退出前.qgd");
  DeleteFileW(rt::win::GbkToWide(file).c_str());
  AnswerFileDialog(file);
  size_t before = prompts.boxes.size();
  try {
    app::OnExit({});
    ADD_FAILURE() << "the saved note lets the program end";
  } catch (const host_test::ProgramEnded& e) {
    EXPECT_EQ(e.code, 0);
  }
  ASSERT_EQ(prompts.boxes.size(), before + 2);
  EXPECT_EQ(prompts.boxes.back().text, "保存成功!");
  EXPECT_NE(GetFileAttributesW(rt::win::GbkToWide(file).c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(rt::win::GbkToWide(file).c_str());
}

// A book that cannot be opened never stands in the way of the file.
TEST_F(NoteBookProgram, ADamagedBookStillSavesTheNoteAndSaysWhatFailed) {
  Host();  // the program is up; now the book file is damaged under it
  app::SetNoteBookPath(Utf8(bookPath));
  {
    HANDLE f = CreateFileW(rt::win::GbkToWide(bookPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    const char junk[] = "this is no database, only some bytes that are not one at all........";
    WriteFile(f, junk, sizeof junk, &written, nullptr);
    CloseHandle(f);
  }
  std::string note = TempPath("账本坏.qgd");
  SaveAs(note);
  ASSERT_EQ(prompts.boxes.size(), 2u);
  EXPECT_EQ(prompts.boxes[0].text, "保存成功!");
  EXPECT_EQ(prompts.boxes[1].text.rfind("账本记录失败：", 0), 0u) << prompts.boxes[1].text;
  EXPECT_NE(GetFileAttributesW(rt::win::GbkToWide(note).c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(rt::win::GbkToWide(note).c_str());
}

// A backup made while the program runs puts the book back as it was; the replaced book
// is kept beside it, and a file that is no book is refused.
TEST_F(NoteBookProgram, BackupAndRestoreThroughTheMenu) {
  std::string first = TempPath("备份前.qgd"), second = TempPath("备份后.qgd"), copy = TempPath("账本备份.db");
  DeleteFileW(rt::win::GbkToWide(copy).c_str());
  SaveAs(first);
  AnswerFileDialog(copy);
  Menu(app::kMenuBackupBookId);
  EXPECT_EQ(prompts.boxes.back().text, "账本已备份到：" + copy);
  Menu(app::kMenuNewNoteId);  // another note: the first save numbered the one before
  SaveAs(second);
  std::string why;
  ASSERT_EQ(app::OpenNoteBook(&why)->List({}).value.size(), 2u) << why;

  prompts.answer = [](const host_test::ShownBox&) { return IDNO; };
  AnswerFileDialog(copy);
  Menu(app::kMenuRestoreBookId);
  EXPECT_EQ(prompts.boxes.back().text, "恢复将替换当前账本，是否继续？");
  EXPECT_EQ(app::OpenNoteBook(&why)->List({}).value.size(), 2u);
  prompts.answer = [](const host_test::ShownBox&) { return IDYES; };
  Menu(app::kMenuRestoreBookId);
  EXPECT_EQ(prompts.boxes.back().text.rfind("账本已恢复。", 0), 0u) << prompts.boxes.back().text;
  EXPECT_EQ(app::OpenNoteBook(&why)->List({}).value.size(), 1u);
  EXPECT_NE(GetFileAttributesW(rt::win::GbkToWide(bookPath + ".bak").c_str()), INVALID_FILE_ATTRIBUTES);

  AnswerFileDialog(first);
  Menu(app::kMenuRestoreBookId);
  EXPECT_EQ(prompts.boxes.back().text, "恢复账本失败：这个文件不是账本");
  EXPECT_EQ(app::OpenNoteBook(&why)->List({}).value.size(), 1u);
  for (const std::string& f : {first, second, copy, bookPath + ".bak"})
    DeleteFileW(rt::win::GbkToWide(f).c_str());
}

}  // namespace
}  // namespace appwin_test
