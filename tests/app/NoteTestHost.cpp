#include "tests/app/NoteTestHost.h"

#include <cstdio>

#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/CoreValueCommands.h"
#include "runtime/core/RuntimeError.h"

namespace app::test {

namespace {

NoteTestHost* g_host = nullptr;

const char* const kGridNames[grid::kGridCommandCount] = {
    "GetCellData",    "SetCellData", "SetPrintTitle",     "SetPrintMargin", "LoadFile",
    "SaveFile",       "Print",       "PrintPreview",      "MergeCells",     "SetColWidth",
    "ClearListItems", "AddListItem", "AddColumnListItem", "SetColumnKind", "NewGrid"};

const char* const kCoreNames[rt::kCoreCommandCount] = {
    "ToNumber",   "ToText",  "NumberToCapital", "LoadWindow",      "DatePart", "CloseWindow",
    "OpenDialog", "InfoBox", "GetClientWidth",  "GetClientHeight", "MoveUnit", "RunProgram",
    "SetEditCompletions"};

std::string Describe(const rt::DataValue& v) {
  char buf[64];
  switch (v.type) {
    case rt::tag::kNone: return "-";
    case rt::tag::kInt: return std::to_string(int32_t(v.low));
    case rt::tag::kLogic: return v.low ? "true" : "false";
    case rt::tag::kText: return "\"" + std::string(rt::TextOf(v)) + "\"";
    case rt::tag::kDouble: std::snprintf(buf, sizeof buf, "%.13g", rt::DoubleOf(v)); return buf;
    case rt::tag::kDateTime: std::snprintf(buf, sizeof buf, "date:%.13g", rt::DoubleOf(v)); return buf;
    case rt::tag::kByteSet: return "bytes";
    default: std::snprintf(buf, sizeof buf, "unit:%x/%x", v.low, v.high); return buf;
  }
}

//--- The window commands, faked ---------------------------------------------------

void FakeLoadWindow(rt::DataValue* result, int, rt::DataValue*) { *result = rt::MakeLogic(true); }
void FakeCloseWindow(rt::DataValue*, int, rt::DataValue*) {}
void FakeOpenDialog(rt::DataValue* result, int argCount, rt::DataValue* args) {
  bool confirmed = argCount > 0 && g_host->dialogAnswer && g_host->dialogAnswer(args[0].high);
  *result = rt::MakeLogic(confirmed);
}
void FakeInfoBox(rt::DataValue* result, int, rt::DataValue*) { *result = rt::MakeInt(0); }
void FakeClientWidth(rt::DataValue* result, int, rt::DataValue*) {
  *result = rt::MakeInt(g_host->clientWidth);
}
void FakeClientHeight(rt::DataValue* result, int, rt::DataValue*) {
  *result = rt::MakeInt(g_host->clientHeight);
}
void FakeMoveUnit(rt::DataValue*, int, rt::DataValue*) {}
void FakeRunProgram(rt::DataValue* result, int, rt::DataValue*) { *result = rt::MakeLogic(false); }
void FakeSetEditCompletions(rt::DataValue*, int, rt::DataValue*) {}

const rt::CommandFn kCoreTable[rt::kCoreCommandCount] = {
    rt::CmdToNumber, rt::CmdToText,    rt::CmdNumberToCapital, FakeLoadWindow,
    rt::CmdDatePart, FakeCloseWindow,  FakeOpenDialog,         FakeInfoBox,
    FakeClientWidth, FakeClientHeight, FakeMoveUnit,           FakeRunProgram,
    FakeSetEditCompletions};

grid::GridModel* ResolveNoteGrid(rt::UnitRef ref) {
  bool note = ref == rt::UnitRef{kMainWindowId, kGridUnitId};
  return note && g_host ? &g_host->grid : nullptr;
}

}  // namespace

std::string Call::Line() const {
  std::string s = name + "(";
  for (size_t i = 0; i < args.size(); ++i) s += (i ? "," : "") + args[i];
  return s + ")=" + result;
}

NoteTestHost::NoteTestHost() : previousServices_(rt::SetServices(this)) {
  g_host = this;
  grid::SetGridResolver(&ResolveNoteGrid);
  rt::SetCoreCommandTable(kCoreTable, rt::kCoreCommandCount);
  grid.SetDefaultRowHeight(24);
  grid.SetDefaultColWidth(60);
  grid.SetRowCount(24);
  grid.SetColCount(7);
  grid.SetHeadRowCount(0);
  grid.SetHeadColCount(0);
}

NoteTestHost::~NoteTestHost() {
  rt::SetCoreCommandTable(nullptr, 0);
  grid::SetGridResolver(nullptr);
  rt::SetServices(previousServices_);
  g_host = nullptr;
}

std::vector<Call> NoteTestHost::Named(const std::string& name) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.name == name) out.push_back(c);
  return out;
}

rt::DataValue NoteTestHost::Record(const std::string& name, rt::CommandFn command, int argCount,
                                   rt::DataValue* args) {
  Call call;
  call.name = name;
  for (int i = 0; i < argCount; ++i) call.args.push_back(Describe(args[i]));
  rt::DataValue result{};
  command(&result, argCount, args);
  call.result = Describe(result);
  calls.push_back(call);
  return result;
}

void NoteTestHost::RaiseRuntimeError(int code) { rt::RaiseRuntimeError(code); }

rt::DataValue NoteTestHost::CallLibraryCommand(int library, rt::CommandFn command, int argCount,
                                               rt::DataValue* args) {
  for (size_t i = 0; i < grid::kGridCommandCount; ++i)
    if (grid::kGridCommands[i] == command && library == 1)
      return Record(kGridNames[i], command, argCount, args);
  return Record("library " + std::to_string(library) + " command", command, argCount, args);
}

rt::DataValue NoteTestHost::CallCoreCommand(rt::CommandFn command, int argCount, rt::DataValue* args) {
  for (int i = 0; i < rt::kCoreCommandCount; ++i)
    if (kCoreTable[i] == command) return Record(kCoreNames[i], command, argCount, args);
  return Record("unknown core command", command, argCount, args);
}

uint64_t NoteTestHost::GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t) {
  if (windowId != kMainWindowId) return 0;
  if (unitId == kDateBoxId && index == 10) return rt::Bits64(rt::MakeDateTime(noteDate));
  if (unitId == kGridUnitId && index == 17) return uint32_t(grid.RowCount());  // live values
  if (unitId == kGridUnitId && index == 18) return uint32_t(grid.ColCount());
  auto it = texts.find(Key(unitId, index));
  rt::DataValue v{};
  rt::SetPointer(v, rt::NewText(it == texts.end() ? std::string() : it->second));
  return rt::Bits64(v);
}

void NoteTestHost::SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t, uint32_t low,
                                   uint32_t high) {
  std::string text = rt::TextOf(rt::DataValue{low, high, rt::tag::kText});
  texts[Key(unitId, index)] = text;
  char buf[48];
  std::snprintf(buf, sizeof buf, "SetUnitProperty(%x,%x,%d)=", windowId, unitId, index);
  trail.push_back(buf + text);
}

void* NoteTestHost::AllocateBlock(size_t size) { return rt::AllocateBlock(size); }
void* NoteTestHost::ReallocateBlock(void* block, size_t size) { return rt::ReallocateBlock(block, size); }
void NoteTestHost::FreeBlock(void* block) { rt::FreeBlock(block); }

void NoteTestHost::EndProgram(int exitCode) { throw ProgramEnded{exitCode}; }

void NoteTestHost::LoadStartWindow(uint32_t windowId) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "LoadStartWindow(%x)", windowId);
  trail.push_back(buf);
}

intptr_t NoteTestHost::RuntimeNotify(int code, intptr_t arg1, intptr_t) {
  trail.push_back("RuntimeNotify(" + std::to_string(code) + ")");
  if (code == rt::notify::kRegisterExitRoutine) exitRoutine = reinterpret_cast<rt::ExitRoutine>(arg1);
  return 1;
}

}  // namespace app::test
