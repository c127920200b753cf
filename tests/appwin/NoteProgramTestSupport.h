// The real program in the test process: its descriptor (templates, handlers, the four
// libraries) started the way its entry starts it, the main window driven through real
// window messages, file dialogs and message boxes answered by the test.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/win/GridCtrl.h"
#include "runtime/win/RuntimeHost.h"
#include "tests/win/HostTestSupport.h"

namespace appwin_test {

class NoteProgram : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  rt::win::RuntimeHost& Host() { return *host_; }
  HWND MainHwnd();
  HWND UnitHwnd(uint32_t unitId);
  grid::win::CGridCtrl& Grid();
  grid::GridModel& Model() { return Grid().Model(); }
  std::string Cell(int row, int col) { return Model().CellText(row, col); }

  // Input. Typing goes to the window that has the keyboard focus.
  void Pump();
  void TypeText(const std::wstring& text);
  void Key(UINT vk);
  void ClickCell(int row, int col);
  // Click a cell, type into it and end the edit with Enter.
  void EditCell(int row, int col, const std::wstring& text);
  // Opens the drop-down of a list cell and clicks the item with that index.
  void PickListItem(int row, int col, int index);
  // Sends the menu command of a menu item of the main window.
  void Menu(uint32_t itemId);

  // The next file dialog confirms this name (or cancels when it is empty).
  void AnswerFileDialog(const std::string& gbkName);
  std::vector<int> dialogKinds;  // kinds of the dialogs shown (0 open, 1 save)

  host_test::ExitSeam exitSeam;
  host_test::PromptSeam prompts;

 private:
  std::unique_ptr<rt::win::RuntimeHost> host_;
};

// The program with a book of its own in the temporary folder, new for every test.
class BookProgram : public NoteProgram {
 protected:
  explicit BookProgram(const char* bookName) : bookName_(bookName) {}
  void SetUp() override;
  void TearDown() override;

  std::string bookPath;  // GBK

 private:
  const char* bookName_;
};

// The directory of the test program (with a trailing backslash), wide.
std::wstring ProgramDirectory();
// Runs a program, waits for it (at most `ms`), returns its exit code; its standard
// output goes to `output` when given. -1 when it could not be started or did not end.
int RunAndWait(const std::wstring& commandLine, DWORD ms, std::string* output = nullptr);
// A file path in the temporary directory, GBK and wide.
std::string TempPath(const char* name);
// GBK text as UTF-8, as the book takes its path.
std::string Utf8(const std::string& gbk);
// Today's note number with that serial in the book's first format ("NO.20261209002").
std::string TodaysNumber(int serial);

}  // namespace appwin_test
