// 账本 → 账本位置… through the real program, on a server book of the test cluster: the
// connection tested (a wrong password shows the server's words), this PC's book
// uploaded and refused the second time, the server chosen and used at once, notes
// numbered and recorded there, a backup of it, and a restore refused. With the server
// unreachable, 新单据 and the book's windows say why.
#include <windows.h>

#include <ctime>
#include <functional>

#include "app/core/BookPlaceSettings.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "book/server/ServerStore.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace appwin_test {
namespace {

std::string savedText;  // what the program handed its book.ini saver
bool KeepSaved(const std::string& gbk) {
  savedText = gbk;
  return true;
}

class BookPlaceProgram : public BookProgram {
 protected:
  BookPlaceProgram() : BookProgram("位置测试.db") {}
  void SetUp() override {
    BookProgram::SetUp();
    app::CurrentBookPlaceSettings() = {};
    app::SetBookPlaceSaver(&KeepSaved);
    savedText.clear();
  }
  void TearDown() override {
    app::SetBookPlaceSaver(nullptr);
    app::CurrentBookPlaceSettings() = {};
    BookProgram::TearDown();
  }
  void SaveAs(const std::string& path) {
    DeleteFileW(rt::win::GbkToWide(path).c_str());
    AnswerFileDialog(path);
    Menu(app::kMenuSaveId);
  }
  size_t NotesOn(const std::string& connection) {
    std::string why;
    auto notes = book::OpenServerBook(connection, &why);
    EXPECT_TRUE(notes) << why;
    return notes ? notes->List({}).value.size() : 0;
  }
};

// While the 账本位置 window is open (modal), `body` runs on it from a timer.
struct PlaceVisit {
  static PlaceVisit* current;
  rt::win::RuntimeHost* host;
  std::function<void(rt::win::LiveWindow& window)> body;
  bool visited = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    PlaceVisit& v = *current;
    auto w = v.host->FindLoadedWindow(app::kBookPlaceWindowId);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    v.visited = true;
    v.body(*w);
    if (v.host->FindLoadedWindow(app::kBookPlaceWindowId)) PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};
PlaceVisit* PlaceVisit::current = nullptr;

TEST_F(BookPlaceProgram, AServerBookIsTestedFilledChosenAndUsed) {
  const std::string server = book::test::FreshServerBook("appwin_place");
  ASSERT_FALSE(server.empty());
  std::string wrong = server.substr(0, server.find("Pwd=")) + "Pwd=wrong;";
  std::string note = TempPath("位置一.qgd"), next = TempPath("位置二.qgd"), copy = TempPath("服务器备份.db");
  Menu(app::kMenuNewNoteId);
  EditCell(3, 1, L"60*40");
  SaveAs(note);  // this PC's book holds one note
  prompts.boxes.clear();
  prompts.answer = [](const host_test::ShownBox&) { return IDYES; };

  PlaceVisit visit{&Host(), [&](rt::win::LiveWindow& w) {
                     auto unit = [&](uint32_t id) { return w.FindUnit(id)->hwnd; };
                     auto type = [&](const std::string& text) {
                       SendMessageW(unit(app::kConnectionEditId), WM_SETTEXT, 0,
                                    LPARAM(rt::win::GbkToWide(text).c_str()));
                     };
                     auto press = [&](uint32_t id) { SendMessageW(unit(id), BM_CLICK, 0, 0); };
                     EXPECT_EQ(SendMessageW(unit(app::kLocalBookRadioId), BM_GETCHECK, 0, 0), BST_CHECKED);
                     type(wrong);
                     press(app::kTestConnectionButtonId);
                     type(server);
                     press(app::kTestConnectionButtonId);
                     press(app::kUploadBookButtonId);
                     press(app::kUploadBookButtonId);
                     press(app::kServerBookRadioId);
                     EXPECT_EQ(SendMessageW(unit(app::kLocalBookRadioId), BM_GETCHECK, 0, 0), BST_UNCHECKED);
                     press(app::kBookPlaceOkButtonId);
                   }};
  PlaceVisit::current = &visit;
  SetTimer(nullptr, 0, 100, &PlaceVisit::Tick);
  Menu(app::kMenuBookPlaceId);
  PlaceVisit::current = nullptr;
  ASSERT_TRUE(visit.visited);
  EXPECT_EQ(Host().FindLoadedWindow(app::kBookPlaceWindowId), nullptr) << "确定 closes the window";
  ASSERT_EQ(prompts.boxes.size(), 6u);
  EXPECT_EQ(prompts.boxes[0].text.rfind(book::reason::kServerUnreachable, 0), 0u) << prompts.boxes[0].text;
  EXPECT_NE(prompts.boxes[0].text.find("password"), std::string::npos) << "the server's own words";
  EXPECT_EQ(prompts.boxes[1].text, "连接成功，服务器账本现有单据 0 张");
  EXPECT_EQ(prompts.boxes[2].text, "将把本机账本的单据、收款和客户上传到服务器账本，是否继续？");
  EXPECT_EQ(prompts.boxes[3].text.rfind("上传完成：单据 1 张，明细 1 行，收款 0 笔，客户 ", 0), 0u)
      << prompts.boxes[3].text;
  EXPECT_EQ(prompts.boxes[5].text.rfind("上传失败：目标账本里已有单据", 0), 0u) << prompts.boxes[5].text;
  EXPECT_EQ(NotesOn(server), 1u) << "the refused upload changed nothing";
  EXPECT_TRUE(app::NoteBookPlace().OnServer());
  EXPECT_EQ(savedText.find("[book]\r\nPlace=server\r\nConnection=Driver="), 0u) << savedText;

  // The server book numbers and records the next note; a backup holds both notes.
  prompts.boxes.clear();
  Menu(app::kMenuNewNoteId);
  EXPECT_EQ(Cell(0, 0).find(TodaysNumber(2)), std::string("销售单号：").size()) << Cell(0, 0);
  SaveAs(next);
  EXPECT_EQ(NotesOn(server), 2u);
  AnswerFileDialog(copy);
  Menu(app::kMenuBackupBookId);
  EXPECT_EQ(prompts.boxes.back().text, "账本已备份到：" + copy);
  std::string why;
  auto backup = book::NoteBook::Open(Utf8(copy), &why);
  ASSERT_TRUE(backup) << why;
  EXPECT_EQ(backup->List({}).value.size(), 2u);
  backup.reset();

  dialogKinds.clear();
  Menu(app::kMenuRestoreBookId);
  EXPECT_EQ(prompts.boxes.back().text, book::reason::kRestoreServer);
  EXPECT_TRUE(dialogKinds.empty()) << "no file is asked for";
  EXPECT_EQ(NotesOn(server), 2u);
  for (const std::string& f : {note, next, copy}) DeleteFileW(rt::win::GbkToWide(f).c_str());
}

// Nothing listens at the server's port: every part of the book says why, and a new note
// is left for the trader to number.
TEST_F(BookPlaceProgram, AnUnreachableServerIsSaidInWords) {
  app::CurrentBookPlaceSettings() = {true,
                                     "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Uid=a;Pwd=b;"};
  app::UseBookPlaceSettings();
  Menu(app::kMenuNewNoteId);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(
      prompts.boxes[0].text.rfind(std::string("无法取得单据编号：") + book::reason::kServerUnreachable, 0),
      0u)
      << prompts.boxes[0].text;
  EXPECT_EQ(Cell(0, 0), "销售单号：" + std::string(36, ' ') + "客户名称：") << "no number made up";
  const uint32_t windows[] = {app::kMenuHistoryId, app::kMenuPaymentsId, app::kMenuStatementId,
                              app::kMenuReceivablesId};
  for (uint32_t menu : windows) {
    Menu(menu);
    EXPECT_EQ(
        prompts.boxes.back().text.rfind(std::string("无法打开账本：") + book::reason::kServerUnreachable, 0),
        0u)
        << std::hex << menu << ": " << prompts.boxes.back().text;
  }
  EXPECT_EQ(prompts.boxes.size(), 5u);
  EXPECT_EQ(Host().FindLoadedWindow(app::kHistoryWindowId), nullptr);
}

}  // namespace
}  // namespace appwin_test
