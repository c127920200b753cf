// The window unit (core type 1): a top-level window of the registered class KXWindow
// (or the class the template names), with the caption, icon, frame and background of
// its property block. The host drives its messages; this kind creates it and answers
// its own properties.
#pragma once

#include <windows.h>

#include <memory>

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/Unit.h"

namespace rt::win {

extern const UnitTypeInfo kWindowType;    // type 1
extern const UnitTypeInfo kMenuItemType;  // type 3 (items are built by the host, not created)

// Registers KXWindow once per process; false when the platform refuses.
bool RegisterWindowClass();
extern const wchar_t kWindowClassName[];

class WindowUnit : public Unit {
 public:
  static std::unique_ptr<Unit> Create(const UnitCreateParams& params);
  ~WindowUnit() override;

  HWND Hwnd() const override { return hwnd_; }
  // Own property 0: the caption (text).
  bool GetProperty(int ownIndex, DataValue* out) override;
  bool SetProperty(int ownIndex, const DataValue& value) override;

  // Fills the client area with the window's background colour (the class has no brush).
  void EraseBackground(HDC dc) const;

 private:
  WindowUnit() = default;
  HWND hwnd_ = nullptr;
  WindowProps props_;
  HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
};

// Outer window style of a template window.
DWORD WindowStyleOf(const WindowProps& props, bool disabled);

// Icons from an icon file's bytes (null when absent or unreadable).
HICON IconFromFileBytes(const std::vector<uint8_t>& file, int size);

}  // namespace rt::win
