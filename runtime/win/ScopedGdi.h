// Small owners for device contexts and GDI objects, so that a release cannot be
// forgotten on an early return: a window's DC, a memory DC, an object selected into a
// DC (the previous one put back), a created pen, brush, font or bitmap, a saved DC
// state. Header-only: the grid, the menu and the calendar all draw through them.
#pragma once

#include <windows.h>

#include <utility>

namespace rt::win {

// A window's client-area DC (GetDC), or its whole-window DC (GetWindowDC) with
// kWholeWindow; released when the scope ends. A null window gives the screen's DC.
class WindowDc {
 public:
  enum Area { kClient, kWholeWindow };
  explicit WindowDc(HWND hwnd, Area area = kClient)
      : hwnd_(hwnd), dc_(area == kWholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory DC compatible with `like` (CreateCompatibleDC), deleted when the scope ends.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// `object` selected into `dc`; the object it replaced is selected again when the
// scope ends. Nothing happens for a null DC or object.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A created GDI object (pen, brush, font, bitmap) that this owner deletes. It must not
// be selected into a DC any more when it goes: declare it before the SelectedObject
// that selects it.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Deletes the object held and takes `handle` instead.
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }
  // Gives the object up without deleting it.
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_;
};
using ScopedPen = GdiObject<HPEN>;
using ScopedBrush = GdiObject<HBRUSH>;
using ScopedFont = GdiObject<HFONT>;
using ScopedBitmap = GdiObject<HBITMAP>;

// A memory DC with a bitmap selected into it: `bitmap` (not owned), or a bitmap of its
// own compatible with `like` of the given size (at least 1 x 1). The DC goes first,
// then the bitmap it held.
class BitmapDc {
 public:
  BitmapDc(HDC like, HBITMAP bitmap) : dc_(like), selected_(dc_.Get(), bitmap), bitmap_(bitmap) {}
  BitmapDc(HDC like, int width, int height)
      : owned_(CreateCompatibleBitmap(like, width > 0 ? width : 1, height > 0 ? height : 1)),
        dc_(like),
        selected_(dc_.Get(), owned_.Get()),
        bitmap_(owned_.Get()) {}
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;

  HDC Get() const { return dc_.Get(); }
  // False when the DC or the bitmap could not be made: draw straight to the target then.
  bool Ok() const { return dc_.Get() != nullptr && bitmap_ != nullptr; }

 private:
  ScopedBitmap owned_;  // declared first: deleted after the DC let go of it
  MemoryDc dc_;
  SelectedObject selected_;
  HBITMAP bitmap_;
};

// The DC's state (objects, colours, modes, clipping) saved, and restored when the scope
// ends.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Fills `rect` with `colour`: ExtTextOut with an opaque rectangle fills without making
// a brush. An empty rectangle fills nothing.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

// A one-pixel frame just inside `rect`, in `colour`. Each edge is filled on its own: a
// rectangle without width still shows its left and right edges.
inline void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
  FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

}  // namespace rt::win
