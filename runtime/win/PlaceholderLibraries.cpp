// Stand-ins for the grid and month calendar libraries: each unit is a plain framed
// child window with only the common properties, so the windows that carry these units can be built.
#include <memory>

#include "runtime/win/CoreLibrary.h"

namespace rt::win {

namespace {

class PlaceholderUnit : public Unit {
 public:
  explicit PlaceholderUnit(HWND hwnd) : hwnd_(hwnd) {}
  ~PlaceholderUnit() override {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND Hwnd() const override { return hwnd_; }
  bool GetProperty(int, DataValue*) override { return false; }
  bool SetProperty(int, const DataValue&) override { return false; }

 private:
  HWND hwnd_;
};

std::unique_ptr<Unit> CreateFramedPlaceholder(const UnitCreateParams& p) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | SS_WHITERECT | (p.disabled ? WS_DISABLED : 0);
  HWND hwnd =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"", style, p.rect.left, p.rect.top,
                      p.rect.right - p.rect.left, p.rect.bottom - p.rect.top, p.parent,
                      reinterpret_cast<HMENU>(INT_PTR(p.childId)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  return std::make_unique<PlaceholderUnit>(hwnd);
}

constexpr int kCommonKinds[8] = {propkind::kInteger, propkind::kInteger, propkind::kInteger,
                                 propkind::kInteger, propkind::kText,    propkind::kLogic,
                                 propkind::kLogic,   propkind::kPointer};

const UnitTypeInfo kGridPlaceholderType = {"高级表格", "QGrid",      0x80000040,
                                           8,          kCommonKinds, &CreateFramedPlaceholder};
const UnitTypeInfo kCalendarPlaceholderType = {"农历月历", "CnMonthCalendar", 0x80000040,
                                               8,          kCommonKinds,      &CreateFramedPlaceholder};

LibraryInfo MakeLibrary(const char* name, int typeCount, const UnitTypeInfo* const* types) {
  LibraryInfo lib;
  lib.name = name;
  lib.typeCount = typeCount;
  lib.types = types;
  return lib;
}

}  // namespace

const LibraryInfo& GridPlaceholder() {
  static const UnitTypeInfo* const types[2] = {&kGridPlaceholderType, &kEmptyUnitType};
  static const LibraryInfo lib = MakeLibrary("grid", 2, types);
  return lib;
}

const LibraryInfo& CalendarPlaceholder() {
  static const UnitTypeInfo* const types[11] = {
      &kEmptyUnitType, &kEmptyUnitType, &kEmptyUnitType,           &kEmptyUnitType,
      &kEmptyUnitType, &kEmptyUnitType, &kEmptyUnitType,           &kEmptyUnitType,
      &kEmptyUnitType, &kEmptyUnitType, &kCalendarPlaceholderType,
  };
  static const LibraryInfo lib = MakeLibrary("lunar calendar", 11, types);
  return lib;
}

}  // namespace rt::win
