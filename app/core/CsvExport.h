// Exporting a window's figures for a spreadsheet: a CSV file, UTF-8 behind a byte-order
// mark so that its Chinese opens intact, named in the window's save dialog.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Asks for the file (suggesting `suggestedName`), writes `csvUtf8` to it and tells where
// it went, as "<what>已导出到：<file>", or that it could not be written. Nothing when
// the dialog is cancelled.
void ExportCsv(uint32_t windowId, uint32_t saveDialogId, const std::string& suggestedName,
               const std::string& csvUtf8, const std::string& what);

}  // namespace app
