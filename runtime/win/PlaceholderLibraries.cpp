// Stand-in for the owner-drawn menu library: its unit has no window and only the
// common properties, so the windows that carry such a unit can be built.
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

std::unique_ptr<Unit> CreateWindowlessPlaceholder(const UnitCreateParams&) {
  return std::make_unique<PlaceholderUnit>(nullptr);
}

constexpr int kCommonKinds[8] = {propkind::kInteger, propkind::kInteger, propkind::kInteger,
                                 propkind::kInteger, propkind::kText,    propkind::kLogic,
                                 propkind::kLogic,   propkind::kPointer};

const UnitTypeInfo kOwnerMenuPlaceholderType = {"超级菜单", "SupperMenu", 0x80008040,
                                                8,          kCommonKinds, &CreateWindowlessPlaceholder};

LibraryInfo MakeLibrary(const char* name, int typeCount, const UnitTypeInfo* const* types) {
  LibraryInfo lib;
  lib.name = name;
  lib.typeCount = typeCount;
  lib.types = types;
  return lib;
}

}  // namespace

const LibraryInfo& OwnerMenuPlaceholder() {
  static const UnitTypeInfo* const types[1] = {&kOwnerMenuPlaceholderType};
  static const LibraryInfo lib = MakeLibrary("owner-drawn menu", 1, types);
  return lib;
}

}  // namespace rt::win
