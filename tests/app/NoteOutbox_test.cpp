// Saving with a server book that cannot be reached, on the real test server: the place
// points at a port where nothing listens (the server as good as switched off), then
// back at the server. The file is saved, the note waits in the outbox, and it arrives
// once, in order, when the server answers again.
#include "book/core/NoteOutbox.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "app/core/BookCommands.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteRows.h"
#include "app/core/NoteSession.h"
#include "app/core/OutboxCommands.h"
#include "app/core/ProgramTemplates.h"
#include "tests/app/NoteTestHost.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace app {
namespace {

using test::NoteTestHost;

// The same server at a port where nothing listens.
std::string Unreachable(const std::string& connection) {
  size_t at = connection.find("Port=");
  return connection.substr(0, at) + "Port=1" + connection.substr(connection.find(';', at));
}

class NoteOutbox : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    server = book::test::FreshServerBook("outbox_" + name.substr(0, 30));
    for (const std::string& p : {local, local + ".outbox", local + ".outbox-aside", fileA, fileB})
      std::remove(p.c_str());
    BuildNoteLayout({});
    host.texts[NoteTestHost::Key(kCustomerEditId, 8)] = "华联建材";
    OnCustomerChanged({});
    Item("2", "3.5");
    host.boxAnswer = [this](const std::string& text) { return boxes.push_back(text), 1; };
  }
  void TearDown() override {
    SetNoteBookPlace({});
    MarkNoteClean("");  // no number taken here follows the next test
  }

  void Item(const std::string& quantity, const std::string& price) {
    host.grid.SetCellText(3, 1, "白松板");
    host.grid.SetCellText(3, 2, quantity);
    host.grid.SetCellText(3, 4, price);
    RecalculateNote({});
  }
  void Down() { SetNoteBookPlace({local, Unreachable(server)}); }
  void Up() { SetNoteBookPlace({local, server}); }
  void SaveAs(const std::string& file) {
    host.dialogAnswer = [this, file](uint32_t dialog) {
      host.texts[NoteTestHost::Key(dialog, 10)] = file;
      return true;
    };
    boxes.clear();
    OnSave({});
  }
  std::vector<book::NoteSummary> InBook() {
    std::string why;
    book::NoteBook* notes = OpenNoteBook(&why);
    EXPECT_TRUE(notes) << why;
    return notes ? notes->List({}).value : std::vector<book::NoteSummary>{};
  }
  std::string TotalOf(const std::string& file) {
    for (const book::NoteSummary& s : InBook())
      if (s.filePath == file) return book::MoneyText(s.total);
    return "none";
  }

  NoteTestHost host;
  std::string server, local = ::testing::TempDir() + "note_outbox_test.db";
  std::string fileA = ::testing::TempDir() + "outbox_a.qgd", fileB = ::testing::TempDir() + "outbox_b.qgd";
  std::vector<std::string> boxes;
};

// Three saves while down (A, then B, then A again with other figures): each file is
// saved and told once in words; A has no number and gets none made up. Back up, the
// next save sends the three first, and the book ends with the newest A, B and C, once.
TEST_F(NoteOutbox, NotesSavedWhileTheServerIsDownArriveOnceInOrder) {
  Down();
  SaveAs(fileA);
  EXPECT_TRUE(std::ifstream(fileA).good()) << "the file is saved whatever the server does";
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "保存成功!");
  EXPECT_EQ(boxes[1].rfind("单据已保存在本机。", 0), 0u) << boxes[1];
  EXPECT_NE(boxes[1].find("现有 1 张等待发送"), std::string::npos) << boxes[1];
  EXPECT_NE(boxes[1].find("单据号暂时空着"), std::string::npos) << "the number is not made up";
  EXPECT_NE(boxes[1].find(book::reason::kServerUnreachable), std::string::npos);
  EXPECT_EQ(host.grid.CellText(0, 0).rfind("销售单号： ", 0), 0u) << host.grid.CellText(0, 0);

  host.grid.SetCellText(0, 0, "销售单号：B-2 客户名称：华联建材");
  Item("4", "3.5");
  SaveAs(fileB);
  host.grid.SetCellText(0, 0, "销售单号： 客户名称：华联建材");
  Item("3", "3.5");
  SaveAs(fileA);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1].find("现有 3 张等待发送"), std::string::npos) << boxes[1];
  EXPECT_EQ(OutboxWaiting(), 3u);
  OnSendOutbox({});
  EXPECT_EQ(boxes.back().rfind("已发送 0 张单据，还有 3 张等待发送。", 0), 0u) << boxes.back();

  Up();
  std::remove(fileA.c_str());  // what was saved is sent, not what the file holds now
  host.grid.SetCellText(0, 0, "销售单号： 客户名称：华联建材");
  Item("1", "5");
  SaveAs(::testing::TempDir() + "outbox_c.qgd");
  EXPECT_EQ(boxes, std::vector<std::string>{"保存成功!"});
  EXPECT_EQ(OutboxWaiting(), 0u);
  EXPECT_EQ(InBook().size(), 3u);
  EXPECT_EQ(TotalOf(fileA), "10.50");
  EXPECT_EQ(TotalOf(fileB), "14.00");
  boxes.clear();
  OnSendOutbox({});
  EXPECT_EQ(boxes, std::vector<std::string>{"没有待上传的单据。"});
  std::remove((::testing::TempDir() + "outbox_c.qgd").c_str());
}

// The server ends the open connection (as when it is restarted): the save queues the
// note, and 发送待上传单据 sends it over a fresh connection.
TEST_F(NoteOutbox, AConnectionLostBetweenSavesQueuesTheNote) {
  Up();
  host.grid.SetCellText(0, 0, "销售单号：L-1 客户名称：华联建材");
  SaveAs(fileA);
  EXPECT_EQ(boxes, std::vector<std::string>{"保存成功!"});
  std::string database = server.substr(server.find("Database=") + 9);
  database = database.substr(0, database.find(';'));
  std::string why;
  ASSERT_TRUE(book::test::AdminExec(
      "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + database + "'", &why))
      << why;
  Item("5", "2");
  SaveAs(fileA);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1].find("现有 1 张等待发送"), std::string::npos) << boxes[1];
  EXPECT_EQ(boxes[1].find("单据号暂时空着"), std::string::npos) << "the note has its number";
  OnSendOutbox({});
  EXPECT_EQ(boxes.back(), "已发送 1 张单据，还有 0 张等待发送。");
  ASSERT_EQ(InBook().size(), 1u);
  EXPECT_EQ(TotalOf(fileA), "10.00");
}

// A damaged entry, and one the book refuses, are set aside with a word; the note between
// them is still sent.
TEST_F(NoteOutbox, ADamagedEntryIsSetAsideAndTheRestSent) {
  Down();
  host.grid.SetCellText(0, 0, "销售单号：D-1 客户名称：华联建材");
  SaveAs(fileA);
  host.grid.SetCellText(0, 0, "销售单号：D-2 客户名称：华联建材");
  SaveAs(fileB);
  std::string outbox = local + ".outbox";
  std::string bytes;
  {
    std::ifstream in(outbox, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  size_t at = bytes.find("D-1");
  ASSERT_NE(at, std::string::npos);
  bytes[at] = 'X';            // the checksum no longer matches
  book::OutboxEntry refused;  // whole, but the book refuses its date
  refused.note.number = "D-3";
  refused.note.noteDate = "2026-02-30";
  std::string more = book::WriteOutbox({refused});
  std::ofstream(outbox, std::ios::binary) << bytes << more.substr(more.find("@entry"));

  Up();
  boxes.clear();
  OnSendOutbox({});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("已发送 1 张单据，还有 0 张等待发送。", 0), 0u) << boxes[0];
  EXPECT_NE(boxes[0].find("有 2 张待上传单据无法发送，已另存到：" + outbox + "-aside"), std::string::npos);
  std::ifstream aside(outbox + "-aside", std::ios::binary);
  std::string kept(std::istreambuf_iterator<char>(aside), {});
  EXPECT_NE(kept.find("X-1"), std::string::npos);
  EXPECT_NE(kept.find("单据日期有误：2026-02-30"), std::string::npos) << "with the book's reason";
  ASSERT_EQ(InBook().size(), 1u);
  EXPECT_EQ(InBook()[0].number, "D-2");
  EXPECT_EQ(OutboxWaiting(), 0u);
}

// At start the outbox is sent without a word; a server still down keeps it waiting,
// also without a word.
TEST_F(NoteOutbox, AtStartTheOutboxIsSentQuietly) {
  Down();
  SaveAs(fileA);
  boxes.clear();
  SendOutboxQuietly();
  EXPECT_EQ(OutboxWaiting(), 1u);
  Up();
  SendOutboxQuietly();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(OutboxWaiting(), 0u);
  EXPECT_EQ(TotalOf(fileA), "7.00");
}

// Two programs on this PC queueing at once each add to the shared outbox under its lock:
// every note is kept.
TEST_F(NoteOutbox, TwoProgramsQueueingAtOnceLoseNothing) {
  Down();
  auto queue = [](int who) {
    for (int i = 0; i < 40; ++i) {
      book::NoteRecord note;
      note.number = "P" + std::to_string(who) + "-" + std::to_string(i);
      size_t waiting = 0;
      std::string why;
      EXPECT_TRUE(QueueNote(note, &waiting, &why)) << why;
    }
  };
  std::thread first(queue, 1), second(queue, 2);
  first.join();
  second.join();
  std::set<std::string> numbers;
  std::ifstream in(local + ".outbox", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const book::OutboxEntry& e : book::ReadOutbox(text).entries) numbers.insert(e.note.number);
  EXPECT_EQ(numbers.size(), 80u);
}

#ifdef QH_PG_CLUSTER_SCRIPT
// The server itself stopped between two saves and started again at its address: the note
// saved meanwhile (B, which gets no number then) waits, then arrives before A is saved
// again, and each is in the book once.
TEST_F(NoteOutbox, AServerStoppedAndStartedAgainGetsTheWaitingNoteOnce) {
  const std::string dir = ::testing::TempDir() + "outbox_cluster_" + std::to_string(getpid());
  auto cluster = [&](const char* command) {
    std::string run = std::string("bash '") + QH_PG_CLUSTER_SCRIPT + "' " + command + " '" + dir + "' 2>&1";
    std::string out;
    if (FILE* p = popen(run.c_str(), "r")) {
      char buffer[512];
      while (fgets(buffer, sizeof buffer, p)) out += buffer;
      pclose(p);
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  };
  const std::string address = cluster("start");
  ASSERT_EQ(address.rfind("Driver=", 0), 0u) << address;
  SetNoteBookPlace({local, address});
  SaveAs(fileA);
  EXPECT_EQ(boxes, std::vector<std::string>{"保存成功!"});

  cluster("stop");
  MarkNoteClean("");  // another note, B, without a number
  host.grid.SetCellText(kTitleRow1, 0, "销售单号：" + std::string(36, ' ') + "客户名称：华联建材");
  Item("4", "2");
  SaveAs(fileB);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].rfind("单据已保存在本机。", 0), 0u) << boxes[1];
  EXPECT_EQ(OutboxWaiting(), 1u);

  ASSERT_EQ(cluster("start"), address) << "the server comes back at its address";
  Item("5", "2");
  SaveAs(fileA);
  EXPECT_EQ(boxes, std::vector<std::string>{"保存成功!"});
  EXPECT_EQ(OutboxWaiting(), 0u);
  std::vector<book::NoteSummary> notes = InBook();
  EXPECT_EQ(notes.size(), 2u);
  EXPECT_EQ(TotalOf(fileA), "10.00");
  EXPECT_EQ(TotalOf(fileB), "8.00");
  SetNoteBookPlace({});
  cluster("stop");
  std::system(("rm -rf '" + dir + "'").c_str());
}
#endif

}  // namespace
}  // namespace app
