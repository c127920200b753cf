// 账本 → 账本位置…: this PC's book or a server book, the connection tested, this PC's
// book uploaded into an empty server book, and the place used at once on 确定.
#include <memory>
#include <string>

#include "app/core/BookCommands.h"
#include "app/core/BookPlaceSettings.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteRecording.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/BookText.h"
#include "book/server/ServerStore.h"

namespace app {

namespace {

const char kNoConnection[] = "请填写服务器账本的连接字符串或数据源名称";

rt::DataValue PlaceWindowArg() { return WindowArg(kBookPlaceWindowId, kBookPlaceWindowUnitId); }

std::string TypedText() { return ReadUnitText(kBookPlaceWindowId, kConnectionEditId, prop::kEditContent); }

bool Checked(uint32_t unit) { return ReadUnitWords(kBookPlaceWindowId, unit, prop::kChecked) != 0; }

// The server book of the connection typed in the window, or null after saying why.
std::unique_ptr<book::NoteBook> OpenTypedServer() {
  std::string connection = ServerConnection(TypedText()), why;
  if (connection.empty()) {
    Tell(kNoConnection, kStopIcon);
    return nullptr;
  }
  std::unique_ptr<book::NoteBook> notes = book::OpenServerBook(connection, &why);
  if (!notes) Tell(why, kStopIcon);
  return notes;
}

std::string CountsText(const book::CopyCounts& c) {
  return "单据 " + std::to_string(c.notes) + " 张，明细 " + std::to_string(c.items) + " 行，收款 " +
         std::to_string(c.payments) + " 笔，客户 " + std::to_string(c.customers) + " 个，编号序号 " +
         std::to_string(c.serials) + " 个";
}

}  // namespace

rt::HandlerResult OnBookPlace(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kLoadWindow, {PlaceWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnBookPlaceShown(const rt::EventArgs&) {
  const BookPlaceSettings& s = CurrentBookPlaceSettings();
  WriteUnitWords(kBookPlaceWindowId, kLocalBookRadioId, prop::kChecked, s.onServer ? 0 : 1);
  WriteUnitWords(kBookPlaceWindowId, kServerBookRadioId, prop::kChecked, s.onServer ? 1 : 0);
  WriteUnitText(kBookPlaceWindowId, kConnectionEditId, prop::kEditContent, s.connection);
  WriteUnitText(kBookPlaceWindowId, kLocalBookLabelId, prop::kCaption, book::StoredUtf8ToGbk(NoteBookPath()));
  return rt::HandlerResult::None();
}

// Says what the server answered: how many notes its book holds, or its reason.
rt::HandlerResult OnTestConnection(const rt::EventArgs&) {
  std::unique_ptr<book::NoteBook> notes = OpenTypedServer();
  if (!notes) return rt::HandlerResult::None();
  book::Answer<int64_t> counted = notes->NoteCount();
  if (counted.ok)
    Tell("连接成功，服务器账本现有单据 " + std::to_string(counted.value) + " 张", kInformationIcon);
  else
    Tell(kUnreadBook + counted.why, kStopIcon);
  return rt::HandlerResult::None();
}

// This PC's book into the server book typed, in one transaction of the server; a server
// book that already holds notes or payments is refused and keeps what it holds.
rt::HandlerResult OnUploadBook(const rt::EventArgs&) {
  if (NoteBookPath().empty() || ServerConnection(TypedText()).empty()) {
    Tell(NoteBookPath().empty() ? "这台电脑没有本机账本" : kNoConnection, kStopIcon);
    return rt::HandlerResult::None();
  }
  if (Tell("将把本机账本的单据、收款和客户上传到服务器账本，是否继续？", kYesNoQuestion) != kAnswerYes)
    return rt::HandlerResult::None();
  std::string why;
  std::unique_ptr<book::NoteBook> local = book::NoteBook::Open(NoteBookPath(), &why);
  if (!local) {
    Tell("无法打开本机账本：" + why, kStopIcon);
    return rt::HandlerResult::None();
  }
  std::unique_ptr<book::NoteBook> server = OpenTypedServer();
  if (!server) return rt::HandlerResult::None();
  book::CopyCounts counts;
  if (local->CopyInto(*server, &counts, &why))
    Tell("上传完成：" + CountsText(counts), kInformationIcon);
  else
    Tell("上传失败：" + why, kStopIcon);
  return rt::HandlerResult::None();
}

// The place chosen is used at once and kept for the next start.
rt::HandlerResult OnBookPlaceOk(const rt::EventArgs&) {
  BookPlaceSettings chosen;
  chosen.onServer = Checked(kServerBookRadioId);
  chosen.connection = TypedText();
  if (chosen.onServer && ServerConnection(chosen.connection).empty()) {
    Tell(kNoConnection, kStopIcon);
    return rt::HandlerResult::None();
  }
  CurrentBookPlaceSettings() = chosen;
  UseBookPlaceSettings();
  CoreCommand(rt::CoreCommand::kCloseWindow, {PlaceWindowArg(), kOmitted});
  OfferCustomerNames(kMainWindowId, kCustomerEditId);  // the names of the book now used
  if (!SaveBookPlaceSettings()) Tell("账本位置未能保存，下次启动时仍用原来的账本", kStopIcon);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnBookPlaceCancel(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kCloseWindow, {PlaceWindowArg(), kOmitted});
  return rt::HandlerResult::None();
}

}  // namespace app
