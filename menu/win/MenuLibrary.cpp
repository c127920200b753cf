#include "menu/win/MenuLibrary.h"

#include "menu/win/HostLink.h"
#include "menu/win/SupperMenuUnit.h"

namespace menu::win {

namespace {

using namespace rt::win::propkind;

// The eight common properties, then MenuStyle, the ten colours, MenuIcons,
// MenuItemIcons, BarBackColor, the icons' key colour and MenuFont.
constexpr int kKinds[8 + kMenuPropertyCount] = {
    kInteger, kInteger, kInteger, kInteger, kText,    kLogic,   kLogic,   kPointer,  // common
    kInteger, kInteger, kInteger, kInteger, kInteger, kInteger, kInteger, kInteger,  // style, colours 1..7
    kInteger, kInteger, kInteger, kPointer, kPointer, kInteger, kInteger, kFont,     // 8..10, icons, map, ...
};

const rt::win::UnitTypeInfo kSupperMenuType = {
    "超级菜单", "SupperMenu", 0x80008040, 8 + kMenuPropertyCount, kKinds, &CreateSupperMenu};

intptr_t Notify(int code, intptr_t arg1, intptr_t) {
  if (code == rt::win::libnotify::kStart) {
    SetHostCallback(reinterpret_cast<rt::win::HostCallbackFn>(arg1));
    OperatingSystemCode();  // worked out once, before any unit exists
  } else if (code == rt::win::libnotify::kEnd) {
    SetHostCallback(nullptr);
  }
  return 0;
}

}  // namespace

const rt::win::LibraryInfo& OwnerMenuLibrary() {
  static const rt::win::UnitTypeInfo* const types[1] = {&kSupperMenuType};
  static const rt::win::LibraryInfo lib = [] {
    rt::win::LibraryInfo l;
    l.name = "owner-drawn menu";
    l.typeCount = 1;
    l.types = types;
    l.notify = &Notify;
    return l;
  }();
  return lib;
}

}  // namespace menu::win
