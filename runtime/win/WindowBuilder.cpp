// Building a window from its template: events blocked; menu bar; the window's own unit,
// then the other units in reverse template order; containers, stacking order and mouse
// pointers; the completion notifications; show; events 0, 3 and 4; modal disabling;
// the shown notifications and focus restoring.
#include <map>

#include "runtime/win/MenuBar.h"
#include "runtime/win/RuntimeHost.h"
#include "runtime/win/UnitEvents.h"
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
    p.visible = u.tmpl->Visible();
    p.disabled = (u.tmpl->state & unitstate::kDisabled) != 0;
  }
  return p;
}

//--- Building steps ------------------------------------------------------------------

// The run-time record of a window about to be built: one entry per unit of its table.
std::shared_ptr<LiveWindow> NewLiveWindow(WindowTemplate& tmpl, const ProgramHeader& program) {
  auto w = std::make_shared<LiveWindow>();
  w->tmpl = &tmpl;
  w->units.reserve(tmpl.units.size());
  for (UnitTemplate& u : tmpl.units) {
    LiveUnit lu;
    lu.tmpl = &u;
    lu.type = FindUnitType(program, u.typeId);
    w->units.push_back(std::move(lu));
    if (u.IsMenuItem()) w->menuItems.push_back(&u);
  }
  return w;
}

// A build that failed half-way leaves nothing behind and lets events flow again.
void AbandonBuild(RuntimeHost& host, LiveWindow& w, HACCEL accel) {
  if (w.Alive()) {
    DestroyWindow(w.hwnd);  // takes the attached menu with it
  } else if (w.menu) {
    DestroyMenu(w.menu);
    w.menu = nullptr;
  }
  if (!w.gone) host.OnWindowGone(w);
  if (accel) DestroyAcceleratorTable(accel);
  host.UnblockEvents();
}

// The window's own unit, which makes the platform window the others live in.
bool CreateWindowUnit(RuntimeHost& host, LiveWindow& w, HWND parent) {
  LiveUnit& wu = w.units.front();
  if (!wu.type || !wu.type->create) return false;
  UnitCreateParams p = ParamsFor(&host, w, wu);
  p.parent = parent;
  p.menu = w.menu;
  wu.object = wu.type->create(p);
  if (!wu.object || !wu.object->Hwnd()) {
    wu.object.reset();
    return false;
  }
  w.hwnd = wu.hwnd = wu.object->Hwnd();
  wu.tmpl->unitObject = wu.object.get();
  w.tmpl->liveWindow = &w;
  AttachWindowSubclass(&host, w);
  return true;
}

// The other units, last of the table first, with child ids 100, 110, ...
bool CreateControlUnits(RuntimeHost& host, LiveWindow& w) {
  int childId = kFirstChildId;
  for (size_t i = w.units.size(); i-- > 1;) {
    LiveUnit& u = w.units[i];
    if (u.tmpl->IsMenuItem()) continue;
    if (!u.type || !u.type->create) return false;
    UnitCreateParams p = ParamsFor(&host, w, u);
    p.parent = w.hwnd;
    p.childId = childId;
    u.object = u.type->create(p);
    if (!u.object) return false;
    childId += kChildIdStep;
    u.hwnd = u.object->Hwnd();
    u.tmpl->unitObject = u.object.get();
    if (u.hwnd) AttachUnitSubclass(&host, w, i);
  }
  return true;
}

// Units inside a container (a group box) move under it.
void PlaceInContainers(LiveWindow& w) {
  for (size_t i = 1; i < w.units.size(); ++i) {
    LiveUnit& u = w.units[i];
    if (!u.hwnd || u.tmpl->containerId == 0) continue;
    LiveUnit* container = w.FindUnit(u.tmpl->containerId);
    if (container && container != &u && container->hwnd) SetParent(u.hwnd, container->hwnd);
  }
}

// Stacking order follows the table: each control after the previous one that shares
// its container.
void StackInTableOrder(LiveWindow& w) {
  std::map<uint32_t, HWND> previous;
  for (size_t i = 1; i < w.units.size(); ++i) {
    LiveUnit& u = w.units[i];
    if (!u.hwnd) continue;
    auto it = previous.find(u.tmpl->containerId);
    HWND after = it == previous.end() ? HWND_TOP : it->second;
    SetWindowPos(u.hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous[u.tmpl->containerId] = u.hwnd;
  }
}

void MakeUnitCursors(LiveWindow& w) {
  for (LiveUnit& u : w.units) {
    if (u.tmpl->IsMenuItem() || u.tmpl->pointerBlock.empty()) continue;
    u.RemakeCursor();
  }
}

// Every unit (last first), then the window, learns that the window is complete; then
// each control and the window take their stored visibility.
void CompleteAndShow(LiveWindow& w) {
  for (size_t i = w.units.size(); i-- > 1;)
    if (w.units[i].object) w.units[i].object->OnWindowComplete();
  w.units.front().object->OnWindowComplete();
  for (size_t i = 1; i < w.units.size(); ++i) {
    LiveUnit& u = w.units[i];
    if (!u.hwnd) continue;
    bool show = u.tmpl->Visible() && !HasNoWindowAtRunTime(u);
    ShowWindow(u.hwnd, show ? SW_SHOWNA : SW_HIDE);
  }
  if (w.units.front().tmpl->Visible()) ShowWindow(w.hwnd, SW_SHOW);
}

// Window events 0, 3 and 4, each only while the window still exists. False when a
// handler has closed it.
bool RaiseCreationEvents(RuntimeHost& host, LiveWindow& w) {
  UnitRef self{w.WindowId(), w.WindowUnitId()};
  for (int event : {windowevent::kCreated, windowevent::kMoved, windowevent::kResized}) {
    host.RaiseEvent(self, event);
    if (!w.Alive()) return false;
  }
  return true;
}

// A modal window disables every other loaded top-level window without an owner,
// remembering whether each was enabled.
void DisableOthersFor(RuntimeHost& host, const std::shared_ptr<LiveWindow>& w) {
  for (const auto& other : host.LoadedWindows()) {
    if (other == w || !other->Alive() || GetWindow(other->hwnd, GW_OWNER)) continue;
    w->disabledByModal.emplace_back(other->hwnd, IsWindowEnabled(other->hwnd) != FALSE);
    EnableWindow(other->hwnd, FALSE);
  }
  w->modal = true;
}

// Every unit, last first, learns that the window is shown. False when one of them has
// closed the window.
bool NotifyShown(LiveWindow& w) {
  for (size_t i = w.units.size(); i-- > 0;) {
    if (!w.Alive()) return false;
    if (w.units[i].object) w.units[i].object->OnWindowShown();
  }
  return true;
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
  // 1. Block events and make the window's run-time record.
  BlockEvents();
  std::shared_ptr<LiveWindow> w = NewLiveWindow(tmpl, program_);
  loaded_.push_back(w);

  // 2. The menu bar and accelerators from the menu items.
  MenuBar bar = BuildMenuBar(w->menuItems);
  w->menu = bar.menu;

  // 3. The window's own unit first, then the other units.
  if (!CreateWindowUnit(*this, *w, modal ? nullptr : parent) || !CreateControlUnits(*this, *w)) {
    AbandonBuild(*this, *w, bar.accel);
    return false;
  }

  // 4. Containers, stacking order and mouse pointers.
  PlaceInContainers(*w);
  StackInTableOrder(*w);
  MakeUnitCursors(*w);

  // 5. The window is complete: tell the units, show them, install the accelerators,
  // let events flow.
  CompleteAndShow(*w);
  w->accel = bar.accel;
  UnblockEvents();

  // 6. The creation events; a handler that closes the window ends the build here.
  if (!RaiseCreationEvents(*this, *w)) return true;

  // 7. A modal window disables the other top-level windows.
  if (modal) DisableOthersFor(*this, w);

  // 8. The units learn that the window is shown; the focus goes back where it was.
  HWND focus = GetFocus();
  if (!NotifyShown(*w)) return true;
  if (focus && IsWindow(focus) && GetFocus() != focus) SetFocus(focus);
  w->loaded = true;
  return true;
}

}  // namespace rt::win
