#include "app/core/CsvExport.h"

#include "app/core/FileCommands.h"
#include "app/core/NoteCalls.h"
#include "book/core/StatementCsv.h"
#include "grid/core/PlatformFile.h"

namespace app {

namespace {

const char kCsvFilter[] = "CSV 文件(*.csv)|*.csv";

// The window's save dialog; false when cancelled.
bool ChooseCsvFile(uint32_t windowId, uint32_t dialogId, const std::string& suggested,
                   std::string* fileName) {
  WriteUnitText(windowId, dialogId, prop::kDialogFilter, kCsvFilter);
  WriteUnitText(windowId, dialogId, prop::kDialogFileName, suggested);
  rt::DataValue dialog = rt::MakeUnit(rt::tag::kCommonDialog, {windowId, dialogId});
  if (!CoreCommand(rt::CoreCommand::kOpenDialog, {dialog}).Logic()) return false;
  *fileName = ReadUnitText(windowId, dialogId, prop::kDialogFileName);
  return true;
}

}  // namespace

void ExportCsv(uint32_t windowId, uint32_t saveDialogId, const std::string& suggestedName,
               const std::string& csvUtf8, const std::string& what) {
  std::string fileName;
  if (!ChooseCsvFile(windowId, saveDialogId, suggestedName, &fileName)) return;
  std::string bytes = book::kUtf8ByteOrderMark + csvUtf8;
  if (grid::ReplaceFileContents(fileName, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
    Tell(what + "已导出到：" + fileName, kInformationIcon);
  else
    Tell("导出失败：无法写入 " + fileName, kStopIcon);
}

}  // namespace app
