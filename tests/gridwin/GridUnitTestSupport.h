// A test program whose one window holds one grid unit, its events bound to recording
// handlers (grid event n to handler n, the common event -11 to handler 11, grid event
// 11 to handler 12), and
// helpers to reach the unit, its properties and the grid commands.
#pragma once

#include <gtest/gtest.h>

#include "app/core/LibraryUnitBlocks.h"
#include "grid/core/GridCommands.h"
#include "grid/win/GridUnit.h"
#include "runtime/win/LiveWindow.h"
#include "tests/win/HostTestSupport.h"

namespace gridunit_test {

constexpr uint32_t kWin = 0x52000700, kWinUnit = 0x06000701, kGridId = 0x16000702;
constexpr int kDateCharHandler = 11, kFocusCellHandler = 12;

inline rt::UnitTemplate GridTemplate(const std::vector<uint8_t>& block) {
  rt::UnitTemplate u;
  u.id = kGridId;
  u.typeId = rt::tag::kGrid;
  u.name = "高级表格1";
  u.left = 10;
  u.top = 10;
  u.width = 400;
  u.height = 200;
  u.state = 1;
  u.pointerBlock = {0, 0, 0, 0};
  u.propertyBlock = block;
  for (int e = 0; e <= 10; ++e) host_test::Bind(u, e, e);
  host_test::Bind(u, -11, kDateCharHandler);
  host_test::Bind(u, 11, kFocusCellHandler);
  return u;
}

class GridProgram {
 public:
  // The window stays hidden unless `visible` (hidden windows go away at once under Wine
  // without a window manager); the grid window inside it is made as shown.
  explicit GridProgram(const app::GridUnitProps& props = app::GridUnitProps(), bool load = true,
                       bool visible = false) {
    program.templates.windows = {host_test::Window(kWin, {host_test::WindowUnit(kWinUnit, "表格", visible),
                                                          GridTemplate(app::WriteGridUnitBlock(props))})};
    program.Boot();
    if (load) Load();
  }
  bool Load() {
    bool ok = program.Host().LoadWindowFromTemplate(kWin, nullptr, false);
    host_test::Log().calls.clear();
    return ok;
  }

  grid::win::GridUnit* Unit() {
    rt::win::LiveUnit* u = program.Host().ResolveUnit(rt::UnitRef{kWin, kGridId});
    return u ? grid::win::GridUnit::FromUnit(u->object.get()) : nullptr;
  }
  grid::GridModel& Model() { return Unit()->Model(); }
  HWND Hwnd() { return Unit()->Hwnd(); }

  // Own property n of the grid is unit property 8 + n.
  int32_t Get(int prop) { return int32_t(program.Host().GetUnitProperty(kWin, kGridId, 8 + prop, -1)); }
  void Set(int prop, int32_t value) {
    program.Host().SetUnitProperty(kWin, kGridId, 8 + prop, -1, uint32_t(value), 0);
  }

  // Runs grid command `index` of the library's table on this unit.
  rt::DataValue Command(size_t index, std::vector<rt::DataValue> args) {
    args.insert(args.begin(), host_test::Unit(kWin, kGridId, rt::tag::kGrid));
    return program.Host().CallLibraryCommand(1, grid::kGridCommands[index], int(args.size()), args.data());
  }

  host_test::TestProgram program;
};

// Grid command positions in the library's table.
namespace command {
constexpr size_t kGetCellData = 0, kSetCellData = 1, kLoadFile = 4, kSaveFile = 5, kSetColumnKind = 13;
}

}  // namespace gridunit_test
