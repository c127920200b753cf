#include "tests/app/NoteTestHost.h"

#include <cstdio>
#include <cstring>

#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/CoreValueCommands.h"
#include "runtime/core/RuntimeError.h"

namespace app::test {

namespace {

NoteTestHost* g_host = nullptr;

const char* const kGridNames[grid::kGridCommandCount] = {
    "GetCellData",       "SetCellData",   "SetPrintTitle",  "SetPrintMargin",
    "LoadFile",          "SaveFile",      "Print",          "PrintPreview",
    "MergeCells",        "SetColWidth",   "ClearListItems", "AddListItem",
    "AddColumnListItem", "SetColumnKind", "NewGrid",        "SetPrintOptions"};

const char* const kCoreNames[rt::kCoreCommandCount] = {
    "ToNumber",    "ToText",     "NumberToCapital",   "LoadWindow",     "DatePart",
    "CloseWindow", "OpenDialog", "InfoBox",           "GetClientWidth", "GetClientHeight",
    "MoveUnit",    "RunProgram", "SetEditCompletions"};

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
void FakeInfoBox(rt::DataValue* result, int argCount, rt::DataValue* args) {
  bool answered = argCount > 0 && g_host->boxAnswer;
  *result = rt::MakeInt(answered ? g_host->boxAnswer(rt::TextOf(args[0])) : 0);
}
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
    rt::CmdToNumber,       rt::CmdToText,    rt::CmdNumberToCapital, FakeLoadWindow,
    rt::CmdDatePart,       FakeCloseWindow,  FakeOpenDialog,         FakeInfoBox,
    FakeClientWidth,       FakeClientHeight, FakeMoveUnit,           FakeRunProgram,
    FakeSetEditCompletions};

// The unit's kind as the program's templates give it; 0 for none.
uint32_t UnitKind(uint32_t windowId, uint32_t unitId) {
  static const rt::TemplateSet templates = BuildProgramTemplates();
  const rt::WindowTemplate* w = templates.Find(windowId);
  const rt::UnitTemplate* u = w ? w->FindUnit(unitId) : nullptr;
  return u ? u->typeId : 0;
}

grid::GridModel* ResolveGrid(rt::UnitRef ref) {
  if (!g_host || UnitKind(ref.window, ref.unit) != rt::tag::kGrid) return nullptr;
  if (ref.window == kMainWindowId && ref.unit == kGridUnitId) return &g_host->grid;
  return &g_host->otherGrids[ref.unit];
}

double AsDouble(uint64_t words) {
  double value;
  std::memcpy(&value, &words, sizeof value);
  return value;
}

}  // namespace

std::string Call::Line() const {
  std::string s = name + "(";
  for (size_t i = 0; i < args.size(); ++i) s += (i ? "," : "") + args[i];
  return s + ")=" + result;
}

NoteTestHost::NoteTestHost() : previousServices_(rt::SetServices(this)) {
  g_host = this;
  grid::SetGridResolver(&ResolveGrid);
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
  const uint32_t kind = UnitKind(windowId, unitId);
  if (kind == 0) return 0;
  if (unitId == kDateBoxId && index == 10) return rt::Bits64(rt::MakeDateTime(noteDate));
  if (kind == rt::tag::kDateBox && index == 10) return rt::Bits64(rt::MakeDateTime(dates[unitId]));
  if (unitId == kGridUnitId && index == 17) return uint32_t(grid.RowCount());  // live values
  if (unitId == kGridUnitId && index == 18) return uint32_t(grid.ColCount());
  auto it = texts.find(Key(unitId, index));
  rt::DataValue v{};
  rt::SetPointer(v, rt::NewText(it == texts.end() ? std::string() : it->second));
  return rt::Bits64(v);
}

void NoteTestHost::SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t, uint32_t low,
                                   uint32_t high) {
  const uint32_t kind = UnitKind(windowId, unitId);
  if (kind == rt::tag::kDateBox && index == 10) {
    (unitId == kDateBoxId ? noteDate : dates[unitId]) = AsDouble(uint64_t(high) << 32 | low);
    return;
  }
  if (kind == rt::tag::kGrid && index == 19) {  // HeadRowCount
    ResolveGrid({windowId, unitId})->SetHeadRowCount(int32_t(low));
    return;
  }
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
