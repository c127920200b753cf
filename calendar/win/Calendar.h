// CCalendar: the day grid control (window class "CCalendar"). It shows the month of
// its MonthGrid as a week band, six rows of day cells and a status band, tracks the
// cell under the mouse, and tells its owner about clicks, hovering and selections
// with the notifications of CalendarNotify.h.
#pragma once

#include <windows.h>

#include <string>

#include "calendar/core/MonthGrid.h"

namespace cal::win {

class CCalendar {
 public:
  // Selects today (local time).
  CCalendar();
  ~CCalendar();
  CCalendar(const CCalendar&) = delete;
  CCalendar& operator=(const CCalendar&) = delete;

  // Makes the control as a visible child at (x, y), 365 x 232. The owner receives the
  // notifications. False when the class or the window could not be made.
  bool Create(HWND parent, int x, int y, int controlId, HWND owner);
  HWND Hwnd() const { return hwnd_; }

  // Selects a date (see MonthGrid::Select); with `notify` the owner is posted
  // notification 3. Redraws. False when the date was rejected.
  bool SetSelected(const GregorianDate& date, bool notify);
  bool SetSelectedLunar(const LunarDate& lunar, bool notify);
  // Selects the date the year and month list items stand for (CalendarLists.h).
  bool SelectFromLists(int yearIndex, int monthIndex, bool notify);
  void SetLayout(CalendarLayout layout);

  const MonthGrid& Grid() const { return grid_; }
  int HotCell() const { return hot_; }
  const std::string& HoverText() const { return hoverText_; }  // the right status text

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool Selected(SelectResult result, bool notify);  // notifies and redraws
  void Paint();
  void OnMouseMove(int x, int y);
  void SetHot(int cell);
  int ShownCellAt(LPARAM lp) const;  // the cell of the shown month under the point, or -1
  void Redraw();
  void RedrawCell(int cell);

  MonthGrid grid_;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  int hot_ = -1;
  std::string hoverText_;
  bool trackingLeave_ = false;
  bool painting_ = false;
};

}  // namespace cal::win
