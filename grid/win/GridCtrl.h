// The grid window: draws a grid::GridModel, routes keyboard, mouse and wheel input
// into it, runs the in-place editors and the clipboard, and reports what the user did
// through a GridEventSink. Window class "MYGridCtrl".
//
// The model stays the single source of truth; this class keeps only the view and input
// state (scroll position, mouse mode, the open editor). It may be used on its own in a
// plain parent window, or by the grid unit, which installs the sink.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "grid/core/GridLayout.h"
#include "grid/core/GridModel.h"
#include "grid/win/GridInputState.h"

namespace grid::win {

// The character WM_CHAR carries for the Esc key.
constexpr wchar_t kEscapeChar = 0x1B;

class CellPainter;
class FontCache;
class GridEditor;
class ZTitleTip;
struct FirstInput;

// What the grid tells its owner. The numbers are the unit's event numbers.
class GridEventSink {
 public:
  virtual ~GridEventSink() = default;
  virtual void FocusChanged() = 0;                                                // 0
  virtual void WillEdit() = 0;                                                    // 1
  virtual void EditEnded() = 0;                                                   // 2
  virtual void RowHeightChanged(int row) = 0;                                     // 3
  virtual void ColWidthChanged(int col) = 0;                                      // 4
  virtual void Clicked(int x, int y) = 0;                                         // 5, client coordinates
  virtual void ListItemPicked(int row, int col, const std::string& gbkText) = 0;  // 6
  virtual bool CanEdit() = 0;                              // 7: true when no handler gave a result
  virtual void HeaderClicked(int row, int col) = 0;        // 8
  virtual void HeaderDoubleClicked(int row, int col) = 0;  // 9
  // 10: a body cell (outside any border's resize zone), before the double-click edits it.
  virtual void CellDoubleClicked(int row, int col) = 0;
  virtual void CharTypedInDateEditor(int ch) = 0;  // common event -11
  virtual void FocusGained() = 0;                  // common event -7
  virtual void FocusLost() = 0;                    // common event -8
};

constexpr UINT_PTR kAutoScrollTimer = 513;
constexpr UINT kAutoScrollMs = 25;

// Chooses a picture file for a picture cell: true with a GBK path, false on cancel.
// The default shows the file-open dialog; tests install their own.
using PictureFileChooser = std::function<bool(HWND owner, const std::string& filter, std::string* gbkPath)>;
PictureFileChooser SetPictureFileChooser(PictureFileChooser chooser);  // returns the previous one

class CGridCtrl : public GridRepaint {
 public:
  // A grid with the system's colours and message font, not yet with a window.
  CGridCtrl();
  ~CGridCtrl() override;
  CGridCtrl(const CGridCtrl&) = delete;
  CGridCtrl& operator=(const CGridCtrl&) = delete;

  // Makes the grid window as a child (style plus clip-children and clip-siblings).
  // False when the window cannot be made.
  bool CreateWnd(HWND parent, DWORD style, const RECT& rect, int childId);
  // Constructs and creates in one step; null when the window cannot be made.
  static std::unique_ptr<CGridCtrl> Create(HWND parent, DWORD style, const RECT& rect, int childId);
  // The grid whose window this is, or null.
  static CGridCtrl* FromHwnd(HWND hwnd);

  HWND Hwnd() const { return hwnd_; }
  GridModel& Model() { return model_; }
  const GridModel& Model() const { return model_; }
  void SetEventSink(GridEventSink* sink) { sink_ = sink; }

  //--- Settings with window side effects
  // The grid font (GBK face): default row height and column width follow it.
  void SetGridFont(const LogFont& font);
  // Colours are plain values here: the unit converts system colour forms first.
  void SetLineType(int type);
  void SetLineWidth(int width);
  // Every row gets `height` / every column `width`, without override.
  void SetAllRowHeights(int height);
  void SetAllColWidths(int width);
  // System colours the grid's colours were taken from; used by system colour changes.
  void FollowSystemColours();

  //--- View
  // The first body row and column shown (absolute indices).
  int TopRow() const;
  int LeftCol() const;
  void ScrollToCell(int row, int col);
  // The cell rectangle in client coordinates (whole block for a master); empty when
  // not visible.
  RECT CellRect(int row, int col);
  int WheelLines() const { return wheel_.lines; }
  void SetWheelLines(int lines) { wheel_.lines = lines; }  // tests and the unit
  mouse::Mode MouseMode() const { return press_.mode; }
  int DragLinePos() const { return resize_.linePos; }  // -1 when no drag line is drawn
  const ZTitleTip& TitleTip() const { return *titleTip_; }

  //--- Editing
  bool IsEditing() const { return edit_.editor != nullptr; }
  HWND EditorHwnd() const;
  // Begins editing the focus cell as F2 does.
  void EditFocusCell();
  // Ends an open edit, storing its text.
  void EndEditing();

  // GridRepaint
  void RepaintCell(int row, int col) override;
  void RepaintAll() override;
  void LayoutChanged() override;

  // Paints the visible part of the grid into `dc` (client coordinates). Used by the
  // window's paint handler through a back buffer, and by the benchmark.
  void PaintTo(HDC dc, const RECT& clip);

  // For the editors (GridEditors.cpp).
  void OnEditorFinished(UINT endKey, bool keepText);
  GridEventSink* Sink() const { return sink_; }
  // A pick in a list cell's drop-down: event 6 unless the same item was the last
  // one reported for that cell.
  void ReportListPick(int row, int col, const std::string& gbkItem);
  FontCache& Fonts() { return *fonts_; }

 private:
  friend class GridWindowProc;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Mouse and keyboard messages; false for the others and for a set-cursor request
  // the grid leaves to the default.
  bool HandleInputMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  // Paint and scroll (GridView.cpp)
  void OnPaint();
  void OnSize();
  void OnScroll(int bar, int code);
  void UpdateScrollBars();
  void ScrollBy(int rows, int cols);
  // The on-screen geometry (scroll position, cell rectangles, hit tests), refreshed
  // against the model. Not the print layout, which is the model's.
  GridLayout& ScreenLayout();

  // Keyboard and characters (GridKeys.cpp)
  void OnKeyDown(UINT key);
  // Paging, Delete, F2 and Space; false for other keys.
  bool OnCellKey(UINT key, CellPos focus);
  void OnChar(UINT ch);
  void MoveFocusTo(CellPos cell, UINT key);
  // Selects the cells from the anchor to `to` (whole rows while SelectRow is set).
  void SelectRange(CellPos from, CellPos to);
  void DeleteSelection();
  void ToggleCheck(int row, int col);

  // Mouse (GridMouse.cpp)
  void OnLButtonDown(POINT pt, WPARAM keys);
  void OnLButtonUp(POINT pt);
  void EndBorderDrag(Axis axis, POINT pt);
  void OnCaptureLost();
  void EndClick(POINT pt, bool afterDoubleClick);
  void OnLButtonDblClk(POINT pt);
  void OnMouseMove(POINT pt, WPARAM keys);
  // The steps of a press: false from PressCell when the press ends there.
  bool PressCell(CellPos pressed, WPARAM keys);
  void GrabBorder(Axis border, int index, POINT pt);
  void PressHeaderOrBody(CellPos pressed);
  // Moves by mouse mode: a border's inverted line, the selection, or the title tip.
  void DragBorder(POINT pt, WPARAM keys);
  void DragSelection(POINT pt, WPARAM keys);
  void ShowTitleTipAt(POINT pt);
  void OnMouseWheel(int delta);
  void OnTimer();
  bool OnSetCursor();
  void DrawDragLine();
  // Fits a column's width (a row's height) to the widest (tallest) content of its
  // cells; a change is reported on the button's release.
  void AutoFit(Axis axis, int index);

  // Editing (GridEditing.cpp)
  bool BeginEdit(int row, int col, const FirstInput& first);
  bool CellEditable(int row, int col) const;

  // Clipboard (GridClipboardWin.cpp)
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  void RaiseFocusChanged();

  HWND hwnd_ = nullptr;
  GridModel model_;
  GridEventSink* sink_ = nullptr;
  std::unique_ptr<GridLayout> screenLayout_;
  std::unique_ptr<FontCache> fonts_;
  std::unique_ptr<ZTitleTip> titleTip_;
  SystemDefaults system_;

  CellPos anchor_{-1, -1};  // where a Shift-extended selection grows from
  PressState press_;
  ResizeState resize_;
  EditState edit_;
  WheelState wheel_;
  PaintState paint_;
};

}  // namespace grid::win
