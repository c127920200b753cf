// The grid unit (QGrid, unit type 0x20001): a CGridCtrl made from the unit's stored
// property data, with the unit's PropertyMirror of its 28 own properties, and the grid's
// events raised through the host.
//
// The unit type's entry points map onto the host's unit interface: 1 (create) is the
// type's factory, 4 (set a property) SetProperty, 6 (read a property) GetProperty,
// 5 (property data for storing) PropertyData; the check 8 answers AnswersQuery.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "grid/core/PropertyMirror.h"
#include "grid/win/GridCtrl.h"
#include "runtime/win/Unit.h"

namespace grid::win {

class GridUnit : public rt::win::Unit, public GridEventSink {
 public:
  // Entry point 1. `readFromMirror` is the runtime's final creation flag: property
  // reads then come from the mirror instead of the live grid. Null (nothing left
  // behind) when the property data cannot be read or the window cannot be made.
  static std::unique_ptr<GridUnit> Create(const rt::win::UnitCreateParams& params, bool readFromMirror);
  ~GridUnit() override;

  HWND Hwnd() const override;
  bool GetProperty(int ownIndex, rt::DataValue* out) override;
  bool SetProperty(int ownIndex, const rt::DataValue& value) override;

  // Entry point 5: the stored form of the mirror (from the version word on).
  std::vector<uint8_t> PropertyData() const { return WritePropertyData(mirror_); }
  // Check 8: true for the runtime's query code 9.
  static bool AnswersQuery(int code) { return code == 9; }

  CGridCtrl& Grid() { return *grid_; }
  GridModel& Model() { return grid_->Model(); }
  const PropertyMirror& Mirror() const { return mirror_; }

  // The grid unit behind a unit object, or null.
  static GridUnit* FromUnit(rt::win::Unit* unit) { return dynamic_cast<GridUnit*>(unit); }

  // GridEventSink: the unit's events 0..11 and the common event -11. Event 11 follows
  // event 0 with the focus cell's row and column (-1, -1 when cleared), so a list can
  // tell which of its rows was chosen.
  void FocusChanged() override;
  void WillEdit() override { Raise(1); }
  void EditEnded() override { Raise(2); }
  void RowHeightChanged(int row) override { Raise(3, {rt::MakeInt(row)}); }
  void ColWidthChanged(int col) override { Raise(4, {rt::MakeInt(col)}); }
  void Clicked(int x, int y) override { Raise(5, {rt::MakeInt(x), rt::MakeInt(y)}); }
  void ListItemPicked(int row, int col, const std::string& gbkText) override;
  bool CanEdit() override;
  void HeaderClicked(int row, int col) override { Raise(8, {rt::MakeInt(row), rt::MakeInt(col)}); }
  void HeaderDoubleClicked(int row, int col) override { Raise(9, {rt::MakeInt(row), rt::MakeInt(col)}); }
  void CellDoubleClicked(int row, int col) override { Raise(10, {rt::MakeInt(row), rt::MakeInt(col)}); }
  void CharTypedInDateEditor(int ch) override { Raise(-11, {rt::MakeInt(ch)}); }
  // The host raises -7 and -8 for every unit window it has subclassed.
  void FocusGained() override {}
  void FocusLost() override {}

 private:
  GridUnit(const rt::win::UnitCreateParams& params, const PropertyMirror& mirror, bool readFromMirror);
  rt::HandlerResult Raise(int event, std::initializer_list<rt::DataValue> args = {});

  rt::win::UnitHost* host_;
  rt::UnitRef ref_;
  PropertyMirror mirror_;
  bool readFromMirror_;
  std::unique_ptr<CGridCtrl> grid_;
};

// The colour conversion of stored colours (0xFF000000 and the other system forms) for
// header backgrounds: the system's button face.
Colour ConvertFixedBkColor(Colour stored);

}  // namespace grid::win
