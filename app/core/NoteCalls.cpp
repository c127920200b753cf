#include "app/core/NoteCalls.h"

#include <vector>

#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app {

CommandResult::~CommandResult() {
  if (value_.type == rt::tag::kText || value_.type == rt::tag::kByteSet)
    rt::Services().FreeBlock(rt::PointerOf(value_));
}

rt::DataValue TextArg(const std::string& s) { return rt::MakeTextPointer(s.c_str()); }
rt::DataValue TextArg(const char* s) { return rt::MakeTextPointer(s); }

rt::DataValue WindowArg(uint32_t windowId, uint32_t windowUnitId) {
  return rt::MakeUnit(rt::tag::kWindow, rt::UnitRef{windowId, windowUnitId});
}

rt::DataValue NoteGridArg() { return rt::MakeUnit(rt::tag::kGrid, rt::UnitRef{kMainWindowId, kGridUnitId}); }

rt::DataValue MainWindowArg() { return WindowArg(kMainWindowId, kMainWindowUnitId); }

CommandResult GridCommand(const rt::DataValue& grid, rt::CommandFn command,
                          std::initializer_list<rt::DataValue> args) {
  std::vector<rt::DataValue> all;
  all.reserve(args.size() + 1);
  all.push_back(grid);
  all.insert(all.end(), args.begin(), args.end());
  return CommandResult(rt::Services().CallLibraryCommand(kGridLibrary, command, int(all.size()), all.data()));
}

CommandResult NoteGridCommand(rt::CommandFn command, std::initializer_list<rt::DataValue> args) {
  return GridCommand(NoteGridArg(), command, args);
}

std::string NoteCellText(int row, int col) {
  CommandResult cell = NoteGridCommand(grid::cmd::GetCellData, {rt::MakeInt(row), rt::MakeInt(col)});
  return cell.IsText() ? cell.Text() : std::string();
}

CommandResult CoreCommand(rt::CoreCommand command, std::initializer_list<rt::DataValue> args) {
  std::vector<rt::DataValue> all(args);
  return CommandResult(rt::CallCore(command, int(all.size()), all.data()));
}

void SetNoteCell(int row, int col, rt::DataValue value) {
  NoteGridCommand(grid::cmd::SetCellData, {rt::MakeInt(row), rt::MakeInt(col), rt::MakeInt(1), value});
}

void SetNoteCellText(int row, int col, const std::string& text) { SetNoteCell(row, col, TextArg(text)); }

double ToNumber(const rt::DataValue& value) {
  return CoreCommand(rt::CoreCommand::kToNumber, {value}).Double();
}

std::string ToText(const rt::DataValue& value) {
  return CoreCommand(rt::CoreCommand::kToText, {value}).Text();
}

std::string ReadUnitText(uint32_t windowId, uint32_t unitId, int32_t index) {
  uint64_t words = ReadUnitWords(windowId, unitId, index);
  // The property service hands text over as a new heap block.
  return CommandResult(rt::DataValue{uint32_t(words), uint32_t(words >> 32), rt::tag::kText}).Text();
}

uint64_t ReadUnitWords(uint32_t windowId, uint32_t unitId, int32_t index) {
  return rt::Services().GetUnitProperty(windowId, unitId, index, rt::kNotAnArray);
}

void WriteUnitWords(uint32_t windowId, uint32_t unitId, int32_t index, uint64_t words) {
  rt::Services().SetUnitProperty(windowId, unitId, index, rt::kNotAnArray, uint32_t(words), uint32_t(words >> 32));
}

void WriteUnitText(uint32_t windowId, uint32_t unitId, int32_t index, const std::string& text) {
  rt::DataValue v = TextArg(text);  // copied by the service
  rt::Services().SetUnitProperty(windowId, unitId, index, rt::kNotAnArray, v.low, v.high);
}

std::string ReadMainUnitText(uint32_t unitId, int32_t index) { return ReadUnitText(kMainWindowId, unitId, index); }

uint64_t ReadMainUnitWords(uint32_t unitId, int32_t index) { return ReadUnitWords(kMainWindowId, unitId, index); }

void WriteMainUnitText(uint32_t unitId, int32_t index, const std::string& text) {
  WriteUnitText(kMainWindowId, unitId, index, text);
}

}  // namespace app
