// Building a window from its template: events blocked; menu bar; the window's own unit,
// then the other units in reverse template order; containers, stacking order and mouse
// pointers; the completion notifications; show; events 0, 3 and 4; modal disabling;
// the shown notifications and focus restoring.
#include <map>

#include "runtime/win/MenuBar.h"
#include "runtime/win/RuntimeHost.h"
#include "runtime/win/UnitCursors.h"
#include "runtime/win/WindowSubclass.h"

namespace rt::win {

namespace {

constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

bool HasNoWindowAtRunTime(const LiveUnit& u) {
  return u.type && (u.type->flags & typeflag::kHiddenAtRunTime);
}

UnitCreateParams ParamsFor(RuntimeHost* host, const LiveWindow& w, const LiveUnit& u) {
  UnitCreateParams p;
  p.host = host;
  p.ref = UnitRef{w.tmpl->windowId, u.tmpl->id};
  p.tmpl = u.tmpl;
  p.block = u.tmpl->propertyBlock.data();
  p.blockLength = u.tmpl->propertyBlock.size();
  p.rect = RECT{u.tmpl->left, u.tmpl->top, u.tmpl->left + u.tmpl->width, u.tmpl->top + u.tmpl->height};
  if (!HasNoWindowAtRunTime(u)) {
    p.visible = (u.tmpl->state & 1) != 0;
    p.disabled = (u.tmpl->state & 2) != 0;
  }
  return p;
}

}  // namespace

bool RuntimeHost::LoadWindowFromTemplate(uint32_t windowId, HWND parent, bool modal, bool* newlyBuilt) {
  if (newlyBuilt) *newlyBuilt = false;
  WindowTemplate* tmpl = templates_.Find(windowId);
  if (!tmpl || tmpl->units.empty()) return false;
  if (std::shared_ptr<LiveWindow> existing = FindLoadedWindow(windowId)) {
    if (existing->Alive() && !existing->closing) {
      BringBack(*existing);
      return true;
    }
    // A window on its way out goes at once and is built anew.
    if (existing->Alive()) {
      EndModal(*existing);
      DestroyWindow(existing->hwnd);
    }
    if (!existing->gone) OnWindowGone(*existing);
  }
  if (!BuildWindow(*tmpl, parent, modal)) return false;
  if (newlyBuilt) *newlyBuilt = true;
  return true;
}

void RuntimeHost::BringBack(LiveWindow& w) {
  if (IsIconic(w.hwnd)) {
    ShowWindow(w.hwnd, SW_RESTORE);
  } else if (IsWindowVisible(w.hwnd)) {  // a hidden window stays hidden
    SetForegroundWindow(w.hwnd);
    SetActiveWindow(w.hwnd);
  }
}

bool RuntimeHost::BuildWindow(WindowTemplate& tmpl, HWND parent, bool modal) {
  BlockEvents();
  auto w = std::make_shared<LiveWindow>();
  w->tmpl = &tmpl;
  w->units.reserve(tmpl.units.size());
  for (UnitTemplate& u : tmpl.units) {
    LiveUnit lu;
    lu.tmpl = &u;
    lu.type = FindUnitType(program_, u.typeId);
    w->units.push_back(std::move(lu));
    if (u.IsMenuItem()) w->menuItems.push_back(&u);
  }
  loaded_.push_back(w);
  HACCEL accel = nullptr;

  auto fail = [&]() {
    if (w->Alive()) {
      DestroyWindow(w->hwnd);  // takes the attached menu with it
    } else if (w->menu) {
      DestroyMenu(w->menu);
      w->menu = nullptr;
    }
    if (!w->gone) OnWindowGone(*w);
    if (accel) DestroyAcceleratorTable(accel);
    UnblockEvents();
    return false;
  };

  // Menu bar and accelerators from the menu items.
  MenuBar bar = BuildMenuBar(w->menuItems);
  w->menu = bar.menu;
  accel = bar.accel;

  // The window's own unit first.
  LiveUnit& wu = w->units.front();
  if (!wu.type || !wu.type->create) return fail();
  {
    UnitCreateParams p = ParamsFor(this, *w, wu);
    p.parent = modal ? nullptr : parent;
    p.menu = w->menu;
    wu.object = wu.type->create(p);
  }
  if (!wu.object || !wu.object->Hwnd()) {
    wu.object.reset();
    return fail();
  }
  w->hwnd = wu.hwnd = wu.object->Hwnd();
  wu.tmpl->unitObject = wu.object.get();
  tmpl.liveWindow = w.get();
  AttachWindowSubclass(this, *w);

  // The other units, last of the table first, with child ids 100, 110, ...
  int childId = kFirstChildId;
  for (size_t i = w->units.size(); i-- > 1;) {
    LiveUnit& u = w->units[i];
    if (u.tmpl->IsMenuItem()) continue;
    if (!u.type || !u.type->create) return fail();
    UnitCreateParams p = ParamsFor(this, *w, u);
    p.parent = w->hwnd;
    p.childId = childId;
    u.object = u.type->create(p);
    if (!u.object) return fail();
    childId += kChildIdStep;
    u.hwnd = u.object->Hwnd();
    u.tmpl->unitObject = u.object.get();
    if (u.hwnd) AttachUnitSubclass(this, *w, i);
  }

  // Units inside a container (a group box) move under it.
  for (size_t i = 1; i < w->units.size(); ++i) {
    LiveUnit& u = w->units[i];
    if (!u.hwnd || u.tmpl->containerId == 0) continue;
    LiveUnit* container = w->FindUnit(u.tmpl->containerId);
    if (container && container != &u && container->hwnd) SetParent(u.hwnd, container->hwnd);
  }

  // Stacking order follows the table: each control after the previous one that shares
  // its container.
  std::map<uint32_t, HWND> previous;
  for (size_t i = 1; i < w->units.size(); ++i) {
    LiveUnit& u = w->units[i];
    if (!u.hwnd) continue;
    auto it = previous.find(u.tmpl->containerId);
    HWND after = it == previous.end() ? HWND_TOP : it->second;
    SetWindowPos(u.hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous[u.tmpl->containerId] = u.hwnd;
  }

  // Mouse pointers.
  for (LiveUnit& u : w->units) {
    if (u.tmpl->IsMenuItem() || u.tmpl->pointerBlock.empty()) continue;
    u.cursor = CursorFromPointerBlock(u.tmpl->pointerBlock, &u.ownsCursor);
    u.tmpl->cursor = u.cursor;
  }

  // The window is complete: every unit (last first), then the window.
  for (size_t i = w->units.size(); i-- > 1;)
    if (w->units[i].object) w->units[i].object->OnWindowComplete();
  wu.object->OnWindowComplete();
  for (size_t i = 1; i < w->units.size(); ++i) {
    LiveUnit& u = w->units[i];
    if (!u.hwnd) continue;
    bool show = (u.tmpl->state & 1) && !HasNoWindowAtRunTime(u);
    ShowWindow(u.hwnd, show ? SW_SHOWNA : SW_HIDE);
  }
  if (wu.tmpl->state & 1) ShowWindow(w->hwnd, SW_SHOW);
  w->accel = accel;
  accel = nullptr;
  UnblockEvents();

  // Creation events, each only while the window still exists.
  UnitRef self{tmpl.windowId, wu.tmpl->id};
  RaiseEvent(self, 0);
  if (!w->Alive()) return true;
  RaiseEvent(self, 3);
  if (!w->Alive()) return true;
  RaiseEvent(self, 4);
  if (!w->Alive()) return true;

  if (modal) {
    for (const auto& other : loaded_) {
      if (other == w || !other->Alive() || GetWindow(other->hwnd, GW_OWNER)) continue;
      w->disabledByModal.emplace_back(other->hwnd, IsWindowEnabled(other->hwnd) != FALSE);
      EnableWindow(other->hwnd, FALSE);
    }
    w->modal = true;
  }

  HWND focus = GetFocus();
  for (size_t i = w->units.size(); i-- > 0;) {
    if (!w->Alive()) return true;
    if (w->units[i].object) w->units[i].object->OnWindowShown();
  }
  if (focus && IsWindow(focus) && GetFocus() != focus) SetFocus(focus);
  w->loaded = true;
  return true;
}

}  // namespace rt::win
