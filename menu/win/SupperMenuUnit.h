// The owner-drawn menu unit ("超级菜单", SupperMenu): a hidden child window of its form
// that takes over the form's window procedure to draw the form's menu bar and pop-ups,
// keeps the colour, font and icon properties, and raises event 0 (an item was
// highlighted, argument its identifier) and event 1 (the menu loop ended).
#pragma once

#include <windows.h>

#include <memory>

#include "menu/win/CMenuEx.h"
#include "runtime/win/Unit.h"

namespace menu::win {

// Private messages.
constexpr UINT kMsgRebuildLayout = 0x8066;    // to the form: rebuild the layout cache
constexpr UINT kMsgRedrawBar = 0x8120;        // to the unit: the runtime redraws the bar
constexpr UINT kMsgItemHighlighted = 0x8121;  // to the unit: raise event 0 (wParam the item)
constexpr UINT_PTR kHotTrackTimer = 19820201;

namespace menuevent {
constexpr int kHighlighted = 0;
constexpr int kMenuClosed = 1;
}  // namespace menuevent

// Own property numbers (the unit's property 8 is own property 0).
enum MenuProperty {
  kMenuStyle = 0,
  kFirstColor = 1,  // 1..10: MenuBackColor .. SeparatorColor
  kMenuIcons = 11,
  kMenuItemIcons = 12,
  kBarBackColor = 13,
  kIconKeyColor = 14,
  kMenuFont = 15,
  kMenuPropertyCount = 16
};

// The process-wide operating-system code (worked out once); tests may set it.
int OperatingSystemCode();
void SetOperatingSystemCodeForTesting(int code);

class SupperMenuUnit : public rt::win::Unit {
 public:
  explicit SupperMenuUnit(const rt::win::UnitCreateParams& params);
  ~SupperMenuUnit() override;

  HWND Hwnd() const override { return hwnd_; }
  bool GetProperty(int ownIndex, rt::DataValue* out) override;
  bool SetProperty(int ownIndex, const rt::DataValue& value) override;

  bool InCharge() const { return form_ != nullptr; }
  HWND Form() const { return form_; }
  CMenuEx& Menu() { return menu_; }

  // From the taken-over procedure: true when the result is ours alone.
  bool OnFormMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous, LRESULT* result);
  void OnFormDestroyed() { form_ = nullptr; }
  LRESULT OwnMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void TakeOverForm();
  void HotTrack(HWND hwnd, LPARAM lp);
  void HotTimer(HWND hwnd);
  bool BarItemUnderCursor(HWND hwnd, POINT screen, int* index, RECT* rect) const;
  void DrawBarItemHot(HWND hwnd, int index, const RECT& screenRect);
  void ApplyFont(const uint8_t* record);

  rt::UnitRef ref_;
  HWND hwnd_ = nullptr;
  HWND form_ = nullptr;  // while taken over
  CMenuEx menu_;
  std::vector<uint8_t> fontRecord_;  // the MenuFont record as last set (60 bytes), or empty
};

std::unique_ptr<rt::win::Unit> CreateSupperMenu(const rt::win::UnitCreateParams& params);

}  // namespace menu::win
