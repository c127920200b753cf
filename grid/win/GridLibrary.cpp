#include "grid/win/GridLibrary.h"

#include <memory>

#include "grid/core/GridCommands.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/GridPrinting.h"
#include "grid/win/GridUnit.h"
#include "grid/win/HostPictureService.h"
#include "runtime/win/CoreLibrary.h"

namespace grid::win {

namespace {

namespace pk = rt::win::propkind;

// The eight common properties, then the grid's 28 in property order. Colours are
// 32-bit values in the low word, like integers; pick lists are choices.
constexpr int kPropertyKinds[8 + prop::kCount] = {
    pk::kInteger, pk::kInteger, pk::kInteger, pk::kInteger, pk::kText, pk::kLogic, pk::kLogic, pk::kPointer,
    pk::kInteger,  // LineColor
    pk::kInteger,  // BkColor
    pk::kInteger,  // TextColor
    pk::kInteger,  // LightColor
    pk::kChoice,   // LineType
    pk::kLogic,    // IsResizeHeight
    pk::kLogic,    // IsResizeWidth
    pk::kInteger,  // RowHeight
    pk::kInteger,  // ColWidth
    pk::kInteger,  // RowCount
    pk::kInteger,  // ColCount
    pk::kInteger,  // HeadRowCount
    pk::kInteger,  // HeadColCount
    pk::kLogic,    // IsEdit
    pk::kLogic,    // IsShowDiglog
    pk::kLogic,    // CanSelection
    pk::kLogic,    // ShowPrintButton
    pk::kInteger,  // FixedBkColor
    pk::kChoice,   // PrintPageNo
    pk::kChoice,   // PrintDate
    pk::kChoice,   // EnterFunction
    pk::kLogic,    // ProcessClickFixed
    pk::kLogic,    // SelectRow
    pk::kInteger,  // SelectBkColor
    pk::kLogic,    // SizeToWidth
    pk::kInteger,  // LineWidth
    pk::kInteger,  // SelectColor
    pk::kLogic,    // ShowZeroInNumCell
};

// The runtime creates units with a final flag of 0: property reads give live values.
std::unique_ptr<rt::win::Unit> CreateGridUnit(const rt::win::UnitCreateParams& params) {
  return GridUnit::Create(params, false);
}

const rt::win::UnitTypeInfo kGridType = {"高级表格",       "QGrid",        0x80000040,
                                         8 + prop::kCount, kPropertyKinds, &CreateGridUnit};

rt::win::HostCallbackFn g_host = nullptr;
// One service for the process: grids that outlive the library's end notification (the
// host destroys windows after it) still release their bitmaps through it.
HostPictureService g_pictures;

GridModel* ResolveGrid(rt::UnitRef ref) {
  if (!g_host) return nullptr;
  // 2007 ends the program with the runtime error when nothing answers to the reference.
  auto* unit = reinterpret_cast<rt::win::Unit*>(
      g_host(rt::win::hostcall::kResolveUnitOrFail, intptr_t(ref.window), intptr_t(ref.unit)));
  GridUnit* grid = GridUnit::FromUnit(unit);
  return grid ? &grid->Model() : nullptr;
}

// The window a grid model is shown in, for printing: the grid windows of this thread's
// top-level windows, searched for the one that owns the model.
struct GridSearch {
  const GridModel* grid;
  HWND found;
};

BOOL CALLBACK MatchGridWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<GridSearch*>(param);
  CGridCtrl* ctrl = CGridCtrl::FromHwnd(hwnd);
  if (ctrl && &ctrl->Model() == search->grid) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK SearchTopLevel(HWND hwnd, LPARAM param) {
  EnumChildWindows(hwnd, &MatchGridWindow, param);
  return reinterpret_cast<GridSearch*>(param)->found ? FALSE : TRUE;
}

HWND WindowOfGrid(const GridModel& grid) {
  GridSearch search{&grid, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &SearchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

intptr_t GridLibraryNotify(int code, intptr_t arg1, intptr_t) {
  if (code == rt::win::libnotify::kStart) {
    g_host = reinterpret_cast<rt::win::HostCallbackFn>(arg1);
    g_pictures.SetHost(g_host);
    SetPictureService(&g_pictures);
    SetGridResolver(&ResolveGrid);
    InstallGridPrinting();
    SetGridWindowFinder(&WindowOfGrid);
  } else if (code == rt::win::libnotify::kEnd) {
    g_host = nullptr;
    g_pictures.SetHost(nullptr);
  }
  return 0;
}

const rt::win::LibraryInfo& GridLibrary() {
  static const rt::win::UnitTypeInfo* const types[2] = {&kGridType, &rt::win::kEmptyUnitType};
  static const rt::win::LibraryInfo library = [] {
    rt::win::LibraryInfo lib;
    lib.name = "grid";
    lib.typeCount = 2;
    lib.types = types;
    lib.commandCount = int(kGridCommandCount);
    lib.commands = kGridCommands;
    lib.notify = &GridLibraryNotify;
    return lib;
  }();
  return library;
}

}  // namespace grid::win
