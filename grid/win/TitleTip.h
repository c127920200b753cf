// ZTitleTip: a borderless pop-up that shows a cut-off cell text in full over the cell.
// It keeps no input for itself: a move out of it, a key or a button press hides it and
// goes on to the window that should have had it.
#pragma once

#include <windows.h>

#include <string>

namespace grid::win {

class ZTitleTip {
 public:
  ZTitleTip() = default;
  ~ZTitleTip();
  ZTitleTip(const ZTitleTip&) = delete;
  ZTitleTip& operator=(const ZTitleTip&) = delete;

  // Shows `text` (GBK) over `cellRect` (client coordinates of `owner`) in the font and
  // colours given, as wide as the text needs.
  void Show(HWND owner, const RECT& cellRect, const std::string& text, HFONT font, COLORREF textColour,
            COLORREF backColour, UINT format);
  void Hide();
  bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
  HWND Hwnd() const { return hwnd_; }
  // The text shown (GBK), for tests.
  const std::string& Text() const { return text_; }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void PassButton(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  RECT shownOver_{};  // screen rectangle of the cell the tip stands for
  std::string text_;
  std::wstring wide_;
  HFONT font_ = nullptr;
  COLORREF text_colour_ = 0, back_colour_ = 0;
  UINT format_ = 0;
  DWORD lastDown_ = 0;
};

}  // namespace grid::win
