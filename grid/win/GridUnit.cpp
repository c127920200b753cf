#include "grid/win/GridUnit.h"

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace grid::win {

namespace {

using namespace prop;

bool IsLogicProperty(int index) {
  switch (index) {
    case kIsResizeHeight:
    case kIsResizeWidth:
    case kIsEdit:
    case kIsShowDiglog:
    case kCanSelection:
    case kShowPrintButton:
    case kProcessClickFixed:
    case kSelectRow:
    case kSizeToWidth:
    case kShowZeroInNumCell: return true;
    default: return false;
  }
}

}  // namespace

Colour ConvertFixedBkColor(Colour stored) { return rt::win::ResolveColor(stored, COLOR_BTNFACE); }

GridUnit::GridUnit(const rt::win::UnitCreateParams& params, const PropertyMirror& mirror, bool readFromMirror)
    : host_(params.host), ref_(params.ref), mirror_(mirror), readFromMirror_(readFromMirror) {}

GridUnit::~GridUnit() {
  if (grid_) grid_->SetEventSink(nullptr);
}

std::unique_ptr<GridUnit> GridUnit::Create(const rt::win::UnitCreateParams& params, bool readFromMirror) {
  // 1. The mirror: defaults, then the stored data after the unit record's reserved
  // bytes (none: the defaults stay).
  PropertyMirror mirror = PropertyMirror::Defaults(GetSysColor(COLOR_HIGHLIGHT));
  if (params.block && params.blockLength > 0) {
    if (params.blockLength < rt::kReservedPropertyBytes) return nullptr;
    if (!ReadPropertyData(params.block + rt::kReservedPropertyBytes,
                          params.blockLength - rt::kReservedPropertyBytes, &mirror))
      return nullptr;
  }
  std::unique_ptr<GridUnit> unit(new GridUnit(params, mirror, readFromMirror));

  // 2. The grid window.
  DWORD style = WS_TABSTOP;
  if (params.visible) style |= WS_VISIBLE;
  if (params.disabled) style |= WS_DISABLED;
  unit->grid_ = CGridCtrl::Create(params.parent, style, params.rect, params.childId);
  if (!unit->grid_) return nullptr;

  // 3. The mirror applied in the unit's order; events only once the grid is set up.
  ApplyPropertyMirror(unit->mirror_, unit->Model(), &ConvertFixedBkColor);
  unit->grid_->SetEventSink(unit.get());
  return unit;
}

HWND GridUnit::Hwnd() const { return grid_ ? grid_->Hwnd() : nullptr; }

bool GridUnit::GetProperty(int ownIndex, rt::DataValue* out) {
  int32_t value = 0;
  if (!GetGridProperty(Model(), mirror_, ownIndex, readFromMirror_, &value)) return false;
  *out = IsLogicProperty(ownIndex) ? rt::MakeLogic(value != 0) : rt::MakeInt(value);
  return true;
}

bool GridUnit::SetProperty(int ownIndex, const rt::DataValue& value) {
  int32_t v = IsLogicProperty(ownIndex) ? int32_t(value.low != 0) : int32_t(value.low);
  return SetGridProperty(Model(), mirror_, ownIndex, v, &ConvertFixedBkColor);
}

void GridUnit::FocusChanged() {
  const int row = Model().FocusRow(), col = Model().FocusCol();
  Raise(0);
  Raise(11, {rt::MakeInt(row), rt::MakeInt(col)});
}

void GridUnit::ListItemPicked(int row, int col, const std::string& gbkText) {
  // The text lives in this frame for the length of the call; the handler copies it.
  Raise(6, {rt::MakeInt(row), rt::MakeInt(col), rt::MakeTextPointer(gbkText.c_str())});
}

bool GridUnit::CanEdit() {
  // Only a handler that returned false keeps the cell from editing.
  rt::HandlerResult r = Raise(7);
  return !r.has || uint32_t(r.value) != 0;
}

rt::HandlerResult GridUnit::Raise(int event, std::initializer_list<rt::DataValue> args) {
  if (!host_) return rt::HandlerResult::None();
  rt::EventArgs a;
  for (const rt::DataValue& v : args)
    if (a.count < rt::EventArgs::kMax) a.values[a.count++] = v;
  return host_->RaiseEvent(ref_, event, a);
}

}  // namespace grid::win
