#include "calendar/win/DrawingContext.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "runtime/win/Gbk.h"

namespace cal::win {

namespace {

void Discard(const std::string&) {}
CalendarTraceFn g_trace = &Discard;

template <class... Args>
void Trace(const char* format, Args... args) {
  char line[160];
  std::snprintf(line, sizeof line, format, args...);
  g_trace(line);
}

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

CalendarTraceFn SetCalendarTrace(CalendarTraceFn fn) {
  CalendarTraceFn previous = g_trace;
  g_trace = fn ? fn : &Discard;
  return previous;
}

DrawingContext::DrawingContext(HDC dc) : dc_(dc) {}

DrawingContext::~DrawingContext() {
  if (originalPen_) SelectObject(dc_, originalPen_);
  if (originalBrush_) SelectObject(dc_, originalBrush_);
  if (originalFont_) SelectObject(dc_, originalFont_);
  if (pen_) Delete(&pen_, &pens_, "pen");
  if (brush_) Delete(&brush_, &brushes_, "brush");
  if (font_) Delete(&font_, &fonts_, "font");
  Trace("After RemoveDC(), pen counter: %d, bursh counter: %d, font counter: %d \n", pens_, brushes_, fonts_);
}

void DrawingContext::Replace(HGDIOBJ made, HGDIOBJ* current, HGDIOBJ* original, int* counter,
                             const char* kind) {
  if (!made) {
    Trace("!!! Create %s ERROR! ErrNo.[%d]", kind, int(GetLastError()));
    return;  // the current object stays in use
  }
  ++*counter;
  Trace("+ Create %s No.%d", kind, *counter);
  HGDIOBJ previous = SelectObject(dc_, made);
  if (!*original) *original = previous;
  if (*current) Delete(current, counter, kind);
  *current = made;
}

void DrawingContext::Delete(HGDIOBJ* current, int* counter, const char* kind) {
  if (!*current || *counter == 0) {
    Trace("  NO %s to delete", kind);
    return;
  }
  if (!DeleteObject(*current)) {
    Trace("!!! Delete %s ERROR!", kind);
  } else {
    Trace("- Delete %s No.%d", kind, *counter);
    --*counter;
  }
  *current = nullptr;
}

void DrawingContext::SetPen(COLORREF color, int width, int style) {
  Replace(CreatePen(style, width, color), &pen_, &originalPen_, &pens_, "pen");
}

void DrawingContext::SetBrush(COLORREF color) {
  Replace(CreateSolidBrush(color), &brush_, &originalBrush_, &brushes_, "brush");
}

void DrawingContext::SetFont(int height, int weight, const char* faceGbk) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring face = rt::win::GbkToWide(faceGbk ? faceGbk : "宋体");
  face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
  std::memcpy(lf.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
  Replace(CreateFontIndirectW(&lf), &font_, &originalFont_, &fonts_, "font");
}

void DrawingContext::Rectangle(const PixelRect& r) { ::Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

void DrawingContext::Line(int x1, int y1, int x2, int y2) {
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
}

void DrawingContext::Fill(const PixelRect& r) {
  RECT rc = ToRect(r);
  HBRUSH brush = brush_ ? static_cast<HBRUSH>(brush_) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(dc_, &rc, brush);
}

void DrawingContext::Text(const PixelRect& r, const std::string& gbk, UINT format, COLORREF color) {
  if (gbk.empty()) return;
  RECT rc = ToRect(r);
  std::wstring wide = rt::win::GbkToWide(gbk);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  DrawTextW(dc_, wide.c_str(), int(wide.size()), &rc, format | DT_NOPREFIX);
}

}  // namespace cal::win
