// 发送待上传单据 through the real program, on the test server: a note saved while the
// server book cannot be reached (its place at a port where nothing listens) is told in
// words and waits; once the place is the server again the menu sends it.
#include <windows.h>

#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace appwin_test {
namespace {

class OutboxProgram : public BookProgram {
 protected:
  OutboxProgram() : BookProgram("待上传测试.db") {}
  void SetUp() override {
    BookProgram::SetUp();
    server = book::test::FreshServerBook("app_outbox_win");
    for (const char* suffix : {".outbox", ".outbox-aside"})
      DeleteFileW(rt::win::GbkToWide(bookPath + suffix).c_str());
  }
  void Place(bool reachable) {
    std::string connection = server;
    if (!reachable) {
      size_t at = connection.find("Port=");
      connection = connection.substr(0, at) + "Port=1" + connection.substr(connection.find(';', at));
    }
    app::SetNoteBookPlace({Utf8(bookPath), connection});
  }
  std::string server;
};

TEST_F(OutboxProgram, ANoteSavedWhileTheServerIsDownIsSentFromTheMenu) {
  Place(false);
  std::string file = TempPath("待上传.qgd");
  DeleteFileW(rt::win::GbkToWide(file).c_str());
  EditCell(3, 1, L"白松板");
  EditCell(3, 2, L"2");
  EditCell(3, 4, L"3.5");
  AnswerFileDialog(file);
  Menu(app::kMenuSaveId);
  ASSERT_EQ(prompts.boxes.size(), 2u);
  EXPECT_EQ(prompts.boxes[0].text, "保存成功!");
  EXPECT_EQ(prompts.boxes[1].text.rfind("单据已保存在本机。", 0), 0u) << prompts.boxes[1].text;
  EXPECT_EQ(prompts.boxes[1].flags & MB_ICONMASK, UINT(MB_ICONINFORMATION)) << "told, not an error";
  EXPECT_NE(GetFileAttributesW(rt::win::GbkToWide(file).c_str()), INVALID_FILE_ATTRIBUTES);

  Menu(app::kMenuSendOutboxId);
  EXPECT_EQ(prompts.boxes.back().text.rfind("已发送 0 张单据，还有 1 张等待发送。", 0), 0u);

  Place(true);
  Menu(app::kMenuSendOutboxId);
  EXPECT_EQ(prompts.boxes.back().text, "已发送 1 张单据，还有 0 张等待发送。");
  EXPECT_EQ(prompts.boxes.back().flags & MB_ICONMASK, UINT(MB_ICONINFORMATION));
  std::string why;
  auto listed = app::OpenNoteBook(&why)->List({}).value;
  ASSERT_EQ(listed.size(), 1u) << why;
  EXPECT_EQ(listed[0].filePath, file);
  Menu(app::kMenuSendOutboxId);
  EXPECT_EQ(prompts.boxes.back().text, "没有待上传的单据。");
  DeleteFileW(rt::win::GbkToWide(file).c_str());
}

}  // namespace
}  // namespace appwin_test
