#include "tools/notebook/NoteFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "book/core/BookText.h"
#include "grid/core/GridFile.h"
#include "grid/core/PlatformFile.h"
#include "text/GbkText.h"

namespace notebook {

namespace fs = std::filesystem;

namespace {

// No note comes near this; a larger file is refused before it is read.
constexpr size_t kMaxNoteFileBytes = size_t(64) << 20;

bool IsNoteFileName(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".qgd";
}

// The absolute path in GBK as the program would have saved it; bytes that are no
// UTF-8 stay as they are.
std::string RecordedPath(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  std::string text = error ? path : absolute.lexically_normal().string();
  std::string gbk;
  return text::Utf8ToGbk(text, &gbk) ? gbk : text;
}

}  // namespace

void FindNoteFiles(const std::string& path, FoundFiles* found) {
  std::error_code error;
  if (!fs::is_directory(path, error)) {
    found->files.push_back(path);
    return;
  }
  std::vector<std::string> files;
  fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, error), end;
  for (; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && IsNoteFileName(it->path())) files.push_back(it->path().string());
  if (error) found->unreadable.emplace_back(path, "cannot read the folder: " + error.message());
  std::sort(files.begin(), files.end());
  found->files.insert(found->files.end(), files.begin(), files.end());
}

bool ReadNoteFile(const std::string& path, book::NoteRecord* note, std::string* why) {
  std::vector<uint8_t> bytes;
  if (!grid::ReadWholeFile(path, kMaxNoteFileBytes, &bytes)) {
    *why = "cannot read the file (missing, unreadable or larger than 64 MB)";
    return false;
  }
  grid::GridModel grid;
  std::string error;
  if (!grid::LoadGridFromBuffer(grid, bytes.data(), bytes.size(), &error)) {
    *why = "not a grid file: " + error;
    return false;
  }
  auto cell = [&grid](int row, int col) { return grid.CellText(row, col); };
  if (!book::ReadNote(cell, grid.RowCount(), grid.ColCount(), note, &error)) {
    *why = book::GbkToUtf8ForOutput(error);
    return false;
  }
  note->printTitle = grid.Title().text;
  note->filePath = RecordedPath(path);
  return true;
}

}  // namespace notebook
