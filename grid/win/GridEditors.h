// The in-place editors of the grid, one per column kind: a text box (with the number
// filter for number and currency columns), a drop-down list, a date picker and a
// picture button. An editor ends itself by calling CGridCtrl::OnEditorFinished with the
// key that ended it (Tab, Enter, Esc, or 0 for the focus leaving).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace grid::win {

class CGridCtrl;

constexpr UINT kEditorFinishedMessage = WM_APP + 0x4701;

// How editing started, which decides the editor's first state.
struct FirstInput {
  enum Kind { kCaretAtEnd, kBackspace, kSelectAll, kChar } kind = kCaretAtEnd;
  wchar_t ch = 0;  // for kChar
  static FirstInput FromChar(wchar_t ch);
};

class GridEditor {
 public:
  GridEditor(CGridCtrl& grid, int row, int col) : grid_(grid), row_(row), col_(col) {}
  virtual ~GridEditor();
  GridEditor(const GridEditor&) = delete;
  GridEditor& operator=(const GridEditor&) = delete;

  HWND Hwnd() const { return hwnd_; }
  int Row() const { return row_; }
  int Col() const { return col_; }
  // The text the edit ends with (GBK); false for an editor that edits no text.
  virtual bool Text(std::string* gbk) const = 0;
  const std::string& InitialText() const { return initial_; }
  // A starting key for an editor already open: taken as typed input.
  virtual void TypeInput(const FirstInput& input) {}
  // WM_COMMAND / WM_NOTIFY the grid received from the editor's controls.
  virtual bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }
  // Whether `window` is this editor or one of its parts (focus moving inside it).
  virtual bool Owns(HWND window) const;

  bool finishing = false;

 protected:
  // Routes a control's messages to Proc; the original procedure is kept per window.
  void Subclass(HWND control);
  virtual LRESULT Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT CallOriginal(HWND control, UINT msg, WPARAM wp, LPARAM lp);
  // Ends the edit (this object is gone when it returns).
  void Finish(UINT key);

  CGridCtrl& grid_;
  int row_, col_;
  HWND hwnd_ = nullptr;
  std::string initial_;

 private:
  static LRESULT CALLBACK SubclassProc(HWND control, UINT msg, WPARAM wp, LPARAM lp);
};

// Makes the editor for the cell's column kind over `rect`; null for check columns
// (they are only toggled) and when the control cannot be made.
std::unique_ptr<GridEditor> MakeGridEditor(CGridCtrl& grid, int row, int col, const RECT& rect,
                                           const FirstInput& first);

// A picture file turned into a bitmap by the picture service, failing that read as a
// Windows bitmap file; 0 when neither works.
uintptr_t LoadPictureFile(const std::string& gbkPath);

// The open-file filter of the picture button.
extern const char kPictureFileFilter[];

}  // namespace grid::win
