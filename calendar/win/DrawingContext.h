// A device context with one current pen, brush and font of its own. A replacement is
// made before the object it replaces is deleted, the context's previous objects come
// back at the end, and every creation and deletion is counted and passed to the
// calendar trace (which discards it unless a test listens).
#pragma once

#include <windows.h>

#include <string>

#include "calendar/core/MonthGridGeometry.h"

namespace cal::win {

// Receives the trace lines; null restores the default, which discards them.
using CalendarTraceFn = void (*)(const std::string& line);
CalendarTraceFn SetCalendarTrace(CalendarTraceFn fn);

class DrawingContext {
 public:
  explicit DrawingContext(HDC dc);
  ~DrawingContext();
  DrawingContext(const DrawingContext&) = delete;
  DrawingContext& operator=(const DrawingContext&) = delete;

  HDC Dc() const { return dc_; }

  void SetPen(COLORREF color, int width = 1, int style = PS_SOLID);
  void SetBrush(COLORREF color);
  // A font of the given pixel height; the face defaults to "宋体" (GBK).
  void SetFont(int height, int weight = FW_NORMAL, const char* faceGbk = nullptr);

  // With the current pen and brush.
  void Rectangle(const PixelRect& r);
  void Line(int x1, int y1, int x2, int y2);
  // Fills without drawing a border (the current brush).
  void Fill(const PixelRect& r);
  // GBK text in the current font, transparent background.
  void Text(const PixelRect& r, const std::string& gbk, UINT format, COLORREF color);

  int Pens() const { return pens_; }
  int Brushes() const { return brushes_; }
  int Fonts() const { return fonts_; }

 private:
  // Selects `made` (when it was made) and deletes the object it replaces.
  void Replace(HGDIOBJ made, HGDIOBJ* current, HGDIOBJ* original, int* counter, const char* kind);
  void Delete(HGDIOBJ* current, int* counter, const char* kind);

  HDC dc_;
  HGDIOBJ pen_ = nullptr, brush_ = nullptr, font_ = nullptr;
  HGDIOBJ originalPen_ = nullptr, originalBrush_ = nullptr, originalFont_ = nullptr;
  int pens_ = 0, brushes_ = 0, fonts_ = 0;
};

}  // namespace cal::win
