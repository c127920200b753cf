// How the handlers reach the units and commands they use: every call goes through the
// runtime services and the command-call convention, never to a window directly.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "runtime/core/DataValue.h"
#include "runtime/core/RuntimeServices.h"

namespace app {

// The grid's position in the library table (0-based; the core library is 0).
constexpr int kGridLibrary = 1;

// Unit property indices the handlers read and write.
namespace prop {
constexpr int32_t kEditContent = 8;      // edit box: its text
constexpr int32_t kCaption = 8;          // label: its text
constexpr int32_t kDateBoxDate = 10;     // date box: its date-time
constexpr int32_t kDialogFileName = 10;  // common dialog: the chosen file name
constexpr int32_t kDialogFilter = 11;    // common dialog: "description|pattern"
constexpr int32_t kGridRowCount = 17;    // grid: RowCount (its own property 9)
constexpr int32_t kGridColCount = 18;    // grid: ColCount (its own property 10)
constexpr int32_t kGridHeadRowCount = 19;
constexpr int32_t kTag = 4;              // every unit: its tag text
constexpr int32_t kVisible = 5;          // every unit: visible
constexpr int32_t kChecked = 18;         // check and radio box: checked
constexpr int32_t kGridIsShowDiglog = 22;
constexpr int32_t kGridShowPrintButton = 24;
}  // namespace prop

// An optional argument left out.
constexpr rt::DataValue kOmitted{};

// A command's result; a text or byte-set block it carries is released (FreeBlock) when
// the holder goes, so a runtime error raised in between leaks nothing.
class CommandResult {
 public:
  explicit CommandResult(rt::DataValue value) : value_(value) {}
  ~CommandResult();
  CommandResult(CommandResult&& other) noexcept : value_(other.value_) { other.value_ = {}; }
  CommandResult(const CommandResult&) = delete;
  CommandResult& operator=(const CommandResult&) = delete;
  CommandResult& operator=(CommandResult&&) = delete;

  const rt::DataValue& Value() const { return value_; }
  bool IsText() const { return value_.type == rt::tag::kText; }
  std::string Text() const { return rt::TextOf(value_); }  // the empty text for null
  bool Logic() const { return value_.type == rt::tag::kLogic && value_.low != 0; }
  int32_t Int() const { return int32_t(value_.low); }
  double Double() const { return rt::DoubleOf(value_); }

 private:
  rt::DataValue value_;
};

// Argument builders. A text argument points into `s`, which must outlive the call.
rt::DataValue TextArg(const std::string& s);
rt::DataValue TextArg(const char* s);
rt::DataValue WindowArg(uint32_t windowId, uint32_t windowUnitId);
rt::DataValue NoteGridArg();    // 高级表格1 of the main window
rt::DataValue MainWindowArg();  // the main window's own unit

// A grid command on the note grid: the grid unit goes in front of `args`.
CommandResult NoteGridCommand(rt::CommandFn command, std::initializer_list<rt::DataValue> args);
// A core command of the core library's table.
CommandResult CoreCommand(rt::CoreCommand command, std::initializer_list<rt::DataValue> args);

// A grid command on any grid unit: the grid goes in front of `args`.
CommandResult GridCommand(const rt::DataValue& grid, rt::CommandFn command, std::initializer_list<rt::DataValue> args);

// A cell's text on the note grid; empty when the cell holds no text or is not there.
std::string NoteCellText(int row, int col);

// SetCellData(row, column, kind 1, value) on the note grid; the result is ignored.
void SetNoteCell(int row, int col, rt::DataValue value);
void SetNoteCellText(int row, int col, const std::string& text);

// Core value commands, results unpacked.
double ToNumber(const rt::DataValue& value);
std::string ToText(const rt::DataValue& value);

// Unit properties of any window's units (the common properties of a window that is not
// open are its template's).
std::string ReadUnitText(uint32_t windowId, uint32_t unitId, int32_t index);
uint64_t ReadUnitWords(uint32_t windowId, uint32_t unitId, int32_t index);
void WriteUnitWords(uint32_t windowId, uint32_t unitId, int32_t index, uint64_t words);
void WriteUnitText(uint32_t windowId, uint32_t unitId, int32_t index, const std::string& text);

// Unit properties of the main window's units.
std::string ReadMainUnitText(uint32_t unitId, int32_t index);
uint64_t ReadMainUnitWords(uint32_t unitId, int32_t index);
void WriteMainUnitText(uint32_t unitId, int32_t index, const std::string& text);

}  // namespace app
