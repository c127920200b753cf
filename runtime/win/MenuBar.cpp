#include "runtime/win/MenuBar.h"

#include "runtime/core/MenuLayout.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

void MakeMenuOwnerDrawn(HMENU menu) {
  int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &mii)) continue;
    if (mii.hSubMenu) MakeMenuOwnerDrawn(mii.hSubMenu);
    if (mii.fType & MFT_OWNERDRAW) continue;
    mii.fMask = MIIM_FTYPE;
    mii.fType |= MFT_OWNERDRAW;
    SetMenuItemInfoW(menu, UINT(i), TRUE, &mii);
  }
}

MenuBar BuildMenuBar(const std::vector<UnitTemplate*>& items, bool ownerDrawn) {
  MenuBar bar;
  std::vector<const UnitTemplate*> view(items.begin(), items.end());
  MenuPlan plan = PlanMenu(view);
  if (plan.entries.empty()) return bar;

  bar.menu = CreateMenu();
  std::vector<HMENU> popups(plan.entries.size(), nullptr);
  for (size_t i = 0; i < plan.entries.size(); ++i) {
    const MenuEntry& e = plan.entries[i];
    HMENU parent = e.parent < 0 ? bar.menu : popups[size_t(e.parent)];
    if (!parent) continue;
    std::wstring text = GbkToWide(e.text);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    mii.wID = kFirstMenuCommand + UINT(e.item);
    mii.dwItemData = kFirstMenuCommand + ULONG_PTR(e.item);
    mii.fState = (e.disabled ? MFS_GRAYED : 0) | (e.checked ? MFS_CHECKED : 0);
    if (e.kind == MenuEntry::Kind::kSeparator) {
      mii.fType = MFT_SEPARATOR;
    } else {
      mii.fType = MFT_STRING;
      mii.fMask |= MIIM_STRING;
      mii.dwTypeData = &text[0];
      mii.cch = UINT(text.size());
      if (e.kind == MenuEntry::Kind::kPopup) {
        popups[i] = CreatePopupMenu();
        mii.fMask |= MIIM_SUBMENU;
        mii.hSubMenu = popups[i];
      }
    }
    InsertMenuItemW(parent, UINT(GetMenuItemCount(parent)), TRUE, &mii);
  }

  if (ownerDrawn) MakeMenuOwnerDrawn(bar.menu);

  if (!plan.accelerators.empty()) {
    std::vector<ACCEL> table;
    for (const AcceleratorEntry& a : plan.accelerators) {
      ACCEL acc{};
      acc.fVirt = BYTE(FVIRTKEY | (a.ctrl ? FCONTROL : 0) | (a.shift ? FSHIFT : 0) | (a.alt ? FALT : 0));
      acc.key = a.virtualKey;
      acc.cmd = WORD(a.command);
      table.push_back(acc);
    }
    bar.accel = CreateAcceleratorTableW(table.data(), int(table.size()));
  }
  return bar;
}

}  // namespace rt::win
