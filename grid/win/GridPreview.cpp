// The print preview window: a modal window with a toolbar over a page view that draws
// one page at a time on a sheet of paper through the grid's page painter, with zoom,
// scrolling, page navigation, page jump, margins and printer set-up.
#include "grid/win/GridPreview.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <utility>

#include "grid/core/GridModel.h"
#include "grid/core/PreviewMath.h"
#include "grid/win/GridPrinting.h"
#include "grid/win/ThreadWindowsDisabled.h"
#include "resources/GridPreviewIds.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/MessagePrompt.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

namespace pv = grid::preview;

// The border on both sides of the paper, for the scrolled extent.
constexpr int kPaperBorders = 2 * pv::kPaperBorder;

namespace {

constexpr UINT kOpenedMessage = WM_APP + 0x51;

PreviewHook& OpenedHook() {
  static PreviewHook hook;
  return hook;
}
PreviewHook& DialogHook() {
  static PreviewHook hook;
  return hook;
}

PreviewState* g_current = nullptr;

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

//--- Mapping -------------------------------------------------------------------------

// Tenths of a millimetre at the zoom, y growing downward.
void MapView(HDC dc, int zoom) {
  SetMapMode(dc, MM_LOMETRIC);
  SetMapMode(dc, MM_ANISOTROPIC);
  SIZE ext;
  GetWindowExtEx(dc, &ext);
  long cx = ext.cx, cy = -ext.cy;
  if (zoom != pv::kRealSize && zoom > 0) {
    cx = MulDiv(cx, pv::kRealSize, zoom);
    cy = MulDiv(cy, pv::kRealSize, zoom);
  }
  SetWindowExtEx(dc, cx, cy, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
}

SIZE ClientLogical(HWND view, int zoom) {
  RECT rc;
  GetClientRect(view, &rc);
  rt::win::WindowDc dc(view);
  MapView(dc.Get(), zoom);
  POINT p[2] = {{0, 0}, {rc.right, rc.bottom}};
  DPtoLP(dc.Get(), p, 2);
  return SIZE{p[1].x - p[0].x, p[1].y - p[0].y};
}

// The paper plus its border, in screen pixels at real size.
SIZE PaperDevice(HWND view, const pv::PaperMetrics& paper) {
  rt::win::WindowDc dc(view);
  MapView(dc.Get(), pv::kRealSize);
  POINT p[2] = {{0, 0}, {paper.paperWidth + kPaperBorders, paper.paperHeight + kPaperBorders}};
  LPtoDP(dc.Get(), p, 2);
  return SIZE{p[1].x - p[0].x, p[1].y - p[0].y};
}

pv::PaperMetrics MeasureDC(HDC dc) {
  pv::PrinterCaps c;
  c.logPixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  c.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  c.physicalWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
  c.physicalHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
  c.physicalOffsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
  c.physicalOffsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
  c.horzRes = GetDeviceCaps(dc, HORZRES);
  c.vertRes = GetDeviceCaps(dc, VERTRES);
  return pv::MeasurePaper(c);
}

// The default printer's paper (the shared context when there is one), else A4.
pv::PaperMetrics MeasurePrinterPaper() {
  HDC probe = DefaultPrinterDC();
  if (!probe) return pv::A4Paper();
  pv::PaperMetrics m = MeasureDC(SharedPrinterDC() ? SharedPrinterDC() : probe);
  DeleteDC(probe);
  return m;
}

//--- The page view ---------------------------------------------------------------------

SCROLLINFO ScrollInfo(UINT mask) {
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = mask;
  return si;
}

void RebuildScrollBars(PreviewState& s) {
  SIZE client = ClientLogical(s.view, s.zoom);
  s.scrollX = s.scrollY = 0;
  SCROLLINFO si = ScrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL);
  si.nMin = 0;
  si.nMax = s.paper.paperHeight + kPaperBorders;
  si.nPage = UINT(std::max<long>(0, client.cy));
  SetScrollInfo(s.view, SB_VERT, &si, TRUE);
  si.nMax = s.paper.paperWidth + kPaperBorders;
  si.nPage = UINT(std::max<long>(0, client.cx));
  SetScrollInfo(s.view, SB_HORZ, &si, TRUE);
}

void Refresh(PreviewState& s) {
  RedrawWindow(s.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void UpdateStatus(PreviewState& s) {
  if (s.pageCount == 0) return;
  wchar_t text[40];
  swprintf(text, 40, L"%d / %d", s.currentPage, s.pageCount);
  SetDlgItemTextW(s.window, QGRID_IDC_STATUS, text);
}

void SetZoom(PreviewState& s, int zoom) {
  s.zoom = zoom;
  RebuildScrollBars(s);
  Refresh(s);
}

void Fit(PreviewState& s, bool width) {
  for (int i = 0; i < 2; ++i) {  // again once the scroll bars have adapted
    RECT rc;
    GetClientRect(s.view, &rc);
    SIZE paper = PaperDevice(s.view, s.paper);
    s.zoom = width ? pv::FitZoom(rc.right, paper.cx) : pv::FitZoom(rc.bottom, paper.cy);
    RebuildScrollBars(s);
  }
  s.zoomChosen = true;
  Refresh(s);
}

void ScrollTo(PreviewState& s, int bar, int pos) {
  SCROLLINFO si = ScrollInfo(SIF_ALL);
  GetScrollInfo(s.view, bar, &si);
  int maxPos = std::max(0, si.nMax - int(si.nPage) + 1);
  pos = std::clamp(pos, 0, maxPos);
  int& current = bar == SB_VERT ? s.scrollY : s.scrollX;
  if (pos == current) return;
  current = pos;
  SetScrollPos(s.view, bar, pos, TRUE);
  if (pos == 0 || pos == maxPos) s.erase = true;
  InvalidateRect(s.view, nullptr, s.erase);
}

void ScrollBy(PreviewState& s, int bar, int delta) {
  ScrollTo(s, bar, (bar == SB_VERT ? s.scrollY : s.scrollX) + delta);
}

int PageSize(PreviewState& s, int bar) {
  SIZE c = ClientLogical(s.view, s.zoom);
  return bar == SB_VERT ? c.cy : c.cx;
}

void OnScroll(PreviewState& s, int bar, int code) {
  SCROLLINFO si = ScrollInfo(SIF_ALL);
  GetScrollInfo(s.view, bar, &si);
  switch (code) {
    case SB_LINEUP: ScrollBy(s, bar, -pv::kLineStep); break;
    case SB_LINEDOWN: ScrollBy(s, bar, pv::kLineStep); break;
    case SB_PAGEUP: ScrollBy(s, bar, -PageSize(s, bar)); break;
    case SB_PAGEDOWN: ScrollBy(s, bar, PageSize(s, bar)); break;
    case SB_THUMBTRACK:
      s.erase = false;
      ScrollTo(s, bar, si.nTrackPos);
      break;
    case SB_TOP: ScrollTo(s, bar, 0); break;
    case SB_BOTTOM: ScrollTo(s, bar, si.nMax); break;
    case SB_ENDSCROLL:
      s.erase = true;
      InvalidateRect(s.view, nullptr, TRUE);
      break;
  }
}

// The scroll keys, shared by the view and the toolbar.
bool ScrollKey(PreviewState& s, WPARAM key) {
  switch (key) {
    case VK_PRIOR: ScrollBy(s, SB_VERT, -PageSize(s, SB_VERT)); return true;
    case VK_NEXT: ScrollBy(s, SB_VERT, PageSize(s, SB_VERT)); return true;
    case VK_HOME: ScrollTo(s, SB_VERT, 0); return true;
    case VK_END: ScrollTo(s, SB_VERT, s.paper.paperHeight + kPaperBorders); return true;
    case VK_UP: ScrollBy(s, SB_VERT, -pv::kLineStep); return true;
    case VK_DOWN: ScrollBy(s, SB_VERT, pv::kLineStep); return true;
    case VK_LEFT: ScrollBy(s, SB_HORZ, -PageSize(s, SB_HORZ)); return true;
    case VK_RIGHT: ScrollBy(s, SB_HORZ, PageSize(s, SB_HORZ)); return true;
  }
  return false;
}

void PaintView(PreviewState& s, HDC dc) {
  MapView(dc, s.zoom);
  RECT rc;
  GetClientRect(s.view, &rc);
  POINT client[2] = {{0, 0}, {rc.right, rc.bottom}};
  DPtoLP(dc, client, 2);
  int clientWidth = client[1].x - client[0].x;
  int left = std::max(pv::kPaperBorder, (clientWidth - s.paper.paperWidth) / 2) - s.scrollX;
  int top = pv::kPaperBorder - s.scrollY;
  int right = left + s.paper.paperWidth, bottom = top + s.paper.paperHeight;

  {
    rt::win::SelectedObject pen(dc, GetStockObject(BLACK_PEN));
    rt::win::SelectedObject brush(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, left, top, right, bottom);
    rt::win::ScopedBrush shadow(CreateSolidBrush(RGB(0, 0, 0)));
    RECT below = {left + 20, bottom, right + 20, bottom + 20};
    RECT beside = {right, 70 - s.scrollY, right + 20, bottom + 20};
    FillRect(dc, &below, shadow.Get());
    FillRect(dc, &beside, shadow.Get());
  }

  POINT origin = {left + s.paper.leftStrip, top + s.paper.topStrip};
  LPtoDP(dc, &origin, 1);
  PreviewSurface surface;
  surface.printableWidth = s.paper.printableWidth;
  surface.printableHeight = s.paper.printableHeight;
  surface.origin = origin;
  surface.zoom = s.zoom;
  GridPagePainter painter(*s.grid);
  painter.SetPreview(surface);
  PageInfo info;
  painter.BeginPrintJob(dc, &info);
  info.currentPage = s.currentPage;
  painter.PrintPage(dc, &info);
  painter.EndPrintJob(dc, &info);
  s.pageCount = painter.PageTotal();
}

INT_PTR CALLBACK ViewProc(HWND view, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PreviewState*>(GetWindowLongPtrW(view, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG: SetWindowLongPtrW(view, GWLP_USERDATA, lp); return TRUE;
    case WM_ERASEBKGND: {
      if (s && !s->erase) return TRUE;
      RECT rc;
      GetClientRect(view, &rc);
      FillRect(HDC(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
      SetWindowLongPtrW(view, DWLP_MSGRESULT, 1);
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(view, &ps);
      if (s) PaintView(*s, dc);
      EndPaint(view, &ps);
      return TRUE;
    }
    case WM_SIZE:
      if (!s) break;
      if (!s->zoomChosen) Fit(*s, false), s->zoomChosen = false;
      RebuildScrollBars(*s);
      return TRUE;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (s) OnScroll(*s, msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wp));
      return TRUE;
    case WM_MOUSEWHEEL:
      if (s) {
        int lines = pv::WheelLines(&s->wheel, GET_WHEEL_DELTA_WPARAM(wp));
        for (; lines > 0; --lines) OnScroll(*s, SB_VERT, SB_LINEUP);
        for (; lines < 0; ++lines) OnScroll(*s, SB_VERT, SB_LINEDOWN);
      }
      return TRUE;
    case WM_LBUTTONDOWN: SetFocus(view); return TRUE;
    case WM_GETDLGCODE: SetWindowLongPtrW(view, DWLP_MSGRESULT, DLGC_WANTALLKEYS); return TRUE;
    case WM_KEYDOWN:
      if (!s) break;
      if (wp == VK_ESCAPE)
        PostMessageW(s->window, WM_COMMAND, QGRID_IDC_EXIT, 0);
      else
        ScrollKey(*s, wp);
      return TRUE;
  }
  return FALSE;
}

//--- The page-jump and margins dialogs ----------------------------------------------------

// Reads an integer field; on text that is not one (or out of lo..hi) the standard
// message is shown and false returned.
bool ReadInteger(HWND dialog, int id, int lo, int hi, int* value) {
  wchar_t text[64] = {};
  GetDlgItemTextW(dialog, id, text, 64);
  wchar_t* end = nullptr;
  long v = wcstol(text, &end, 10);
  while (end && *end == L' ') ++end;
  if (!text[0] || !end || *end) {
    rt::win::ShowMessagePrompt(dialog, "请键入一个整数。", "", MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, id));
    return false;
  }
  if (v < lo || v > hi) {
    char message[80];
    std::snprintf(message, sizeof message, "“请填入一个在%d和%d之间的整数。”", lo, hi);
    rt::win::ShowMessagePrompt(dialog, message, "", MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, id));
    return false;
  }
  *value = int(v);
  return true;
}

struct JumpArgs {
  int current, count, chosen;
};

INT_PTR CALLBACK JumpProc(HWND d, UINT msg, WPARAM wp, LPARAM lp) {
  auto* a = reinterpret_cast<JumpArgs*>(GetWindowLongPtrW(d, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(d, GWLP_USERDATA, lp);
      a = reinterpret_cast<JumpArgs*>(lp);
      SendDlgItemMessageW(d, QGRID_IDC_GOTO_SPIN, UDM_SETRANGE32, 1, a->count);
      SendDlgItemMessageW(d, QGRID_IDC_GOTO_SPIN, UDM_SETPOS32, 0, a->current);
      SetDlgItemInt(d, QGRID_IDC_GOTO_EDIT, UINT(a->current), TRUE);
      if (DialogHook()) PostMessageW(d, kOpenedMessage, 0, 0);
      return TRUE;
    case kOpenedMessage:
      if (DialogHook()) DialogHook()(d);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == QGRID_IDC_GOTO_EDIT && HIWORD(wp) == EN_KILLFOCUS) {
        BOOL ok = FALSE;
        int v = int(GetDlgItemInt(d, QGRID_IDC_GOTO_EDIT, &ok, TRUE));
        if (ok) SetDlgItemInt(d, QGRID_IDC_GOTO_EDIT, UINT(pv::ClampJumpPage(v, a->count)), TRUE);
        return TRUE;
      }
      if (LOWORD(wp) == IDOK || LOWORD(wp) == QGRID_IDC_GOTO_OK) {
        int v = 0;
        if (!ReadInteger(d, QGRID_IDC_GOTO_EDIT, 1, 9999, &v)) return TRUE;
        v = pv::ClampJumpPage(v, a->count);
        a->chosen = v;
        EndDialog(d, v == a->current ? IDCANCEL : IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == QGRID_IDC_GOTO_CANCEL) EndDialog(d, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

constexpr int kMarginEdits[7] = {QGRID_IDC_MARGIN_TOP,   QGRID_IDC_MARGIN_BOTTOM, QGRID_IDC_MARGIN_LEFT,
                                 QGRID_IDC_MARGIN_RIGHT, QGRID_IDC_MARGIN_HEADER, QGRID_IDC_MARGIN_FOOTER,
                                 QGRID_IDC_MARGIN_GAP};
constexpr int kMarginSpins[7] = {QGRID_IDC_SPIN_TOP,   QGRID_IDC_SPIN_BOTTOM, QGRID_IDC_SPIN_LEFT,
                                 QGRID_IDC_SPIN_RIGHT, QGRID_IDC_SPIN_HEADER, QGRID_IDC_SPIN_FOOTER,
                                 QGRID_IDC_SPIN_GAP};

int* MarginField(PrintLayout& l, int i) {
  int* fields[7] = {&l.topMargin,  &l.bottomMargin, &l.leftMargin, &l.rightMargin,
                    &l.headerBand, &l.footerBand,   &l.titleGap};
  return fields[i];
}

void ShowMargins(HWND d, PrintLayout l) {
  for (int i = 0; i < 7; ++i) SetDlgItemInt(d, kMarginEdits[i], UINT(*MarginField(l, i)), TRUE);
}

INT_PTR CALLBACK MarginsProc(HWND d, UINT msg, WPARAM wp, LPARAM lp) {
  auto* layout = reinterpret_cast<PrintLayout*>(GetWindowLongPtrW(d, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(d, GWLP_USERDATA, lp);
      for (int id : kMarginSpins) SendDlgItemMessageW(d, id, UDM_SETRANGE32, 0, 999);
      ShowMargins(d, *reinterpret_cast<PrintLayout*>(lp));
      if (DialogHook()) PostMessageW(d, kOpenedMessage, 0, 0);
      return TRUE;
    case kOpenedMessage:
      if (DialogHook()) DialogHook()(d);
      return TRUE;
    case WM_COMMAND: {
      int id = LOWORD(wp);
      if (HIWORD(wp) == EN_KILLFOCUS) {
        BOOL ok = FALSE;
        int v = int(GetDlgItemInt(d, id, &ok, TRUE));
        if (ok) SetDlgItemInt(d, id, UINT(pv::ClampMarginValue(v)), TRUE);
        return TRUE;
      }
      if (id == QGRID_IDC_MARGIN_DEFAULT) {
        ShowMargins(d, pv::DefaultLayout());
        return TRUE;
      }
      if (id == IDOK || id == QGRID_IDC_MARGIN_OK) {
        PrintLayout read = *layout;
        for (int i = 0; i < 7; ++i) {
          int v = 0;
          if (!ReadInteger(d, kMarginEdits[i], INT_MIN, INT_MAX, &v)) return TRUE;
          *MarginField(read, i) = pv::ClampMarginValue(v);
        }
        *layout = read;
        EndDialog(d, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL || id == QGRID_IDC_MARGIN_CANCEL) EndDialog(d, IDCANCEL);
      return TRUE;
    }
  }
  return FALSE;
}

//--- The window ----------------------------------------------------------------------------

void ShowPage(PreviewState& s, int page) {
  s.currentPage = page;
  RebuildScrollBars(s);
  Refresh(s);
  UpdateStatus(s);
}

void EnableNav(PreviewState& s, bool prev, bool next) {
  EnableWindow(GetDlgItem(s.window, QGRID_IDC_PREV), prev);
  EnableWindow(GetDlgItem(s.window, QGRID_IDC_NEXT), next);
}

void LayoutChildren(PreviewState& s) {
  RECT rc, exit;
  GetClientRect(s.window, &rc);
  GetWindowRect(GetDlgItem(s.window, QGRID_IDC_EXIT), &exit);
  int toolbar = (exit.bottom - exit.top) + 10;
  MoveWindow(s.view, 0, toolbar, rc.right, std::max(0L, rc.bottom - toolbar), TRUE);
}

void Command(PreviewState& s, int id) {
  switch (id) {
    case QGRID_IDC_PRINT:
      s.printAfterClose = true;
      EndDialog(s.window, IDOK);
      break;
    case QGRID_IDC_MARGINS: {
      PrintLayout layout = s.grid->Layout();
      if (DialogBoxParamW(Module(), L"QGRID_IDD_SETMARGIN", s.window, MarginsProc, LPARAM(&layout)) == IDOK) {
        s.grid->Layout() = layout;
        RebuildScrollBars(s);
        Refresh(s);
      }
      break;
    }
    case QGRID_IDC_SETUP: {
      PRINTDLGW pd;
      if (RunPrintDialog(&pd)) {
        AdoptDialogResult(pd);
        if (SharedPrinterDC()) s.paper = MeasureDC(SharedPrinterDC());
        Fit(s, false);
      }
      break;
    }
    case QGRID_IDC_NEXT:
      ShowPage(s, s.currentPage + 1);
      EnableNav(s, true, s.currentPage < s.pageCount);
      break;
    case QGRID_IDC_PREV:
      if (s.currentPage <= 1) {
        EnableWindow(GetDlgItem(s.window, QGRID_IDC_PREV), FALSE);
        break;
      }
      ShowPage(s, s.currentPage - 1);
      EnableNav(s, s.currentPage > 1, true);
      break;
    case QGRID_IDC_GOTO: {
      JumpArgs a{s.currentPage, s.pageCount, s.currentPage};
      if (DialogBoxParamW(Module(), L"QGRID_IDD_PREVIEW_GOTO", s.window, JumpProc, LPARAM(&a)) != IDOK) break;
      ShowPage(s, a.chosen);
      EnableNav(s, a.chosen > 1, a.chosen < s.pageCount);
      break;
    }
    case QGRID_IDC_ZOOMIN:
      s.zoomChosen = true;
      SetZoom(s, pv::ZoomIn(s.zoom));
      break;
    case QGRID_IDC_ZOOMOUT:
      s.zoomChosen = true;
      SetZoom(s, pv::ZoomOut(s.zoom));
      break;
    case QGRID_IDC_FITWIDTH: Fit(s, true); break;
    case QGRID_IDC_FITHEIGHT: Fit(s, false); break;
    case QGRID_IDC_EXIT:
    case IDCANCEL: EndDialog(s.window, IDCANCEL); break;
  }
}

// The window's key table, for keys pressed while a toolbar button has the focus.
HHOOK g_keyHook = nullptr;
LRESULT CALLBACK KeyFilter(int code, WPARAM wp, LPARAM lp) {
  MSG* m = reinterpret_cast<MSG*>(lp);
  if (code == MSGF_DIALOGBOX && g_current && m->message == WM_KEYDOWN &&
      GetParent(m->hwnd) == g_current->window && m->hwnd != g_current->view) {
    PreviewState& s = *g_current;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    int command = 0;
    if (ctrl) {
      switch (m->wParam) {
        case 'G': command = QGRID_IDC_GOTO; break;
        case 'M': command = QGRID_IDC_MARGINS; break;
        case 'P': command = QGRID_IDC_PRINT; break;
        case 'S': command = QGRID_IDC_SETUP; break;
        case VK_ADD: command = QGRID_IDC_ZOOMIN; break;
        case VK_SUBTRACT: command = QGRID_IDC_ZOOMOUT; break;
      }
    }
    if (command) {
      Command(s, command);
      return 1;
    }
    if (!ctrl && ScrollKey(s, m->wParam)) return 1;
  }
  return CallNextHookEx(g_keyHook, code, wp, lp);
}

INT_PTR CALLBACK WindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PreviewState*>(GetWindowLongPtrW(w, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(w, GWLP_USERDATA, lp);
      s = reinterpret_cast<PreviewState*>(lp);
      s->window = w;
      ShowWindow(w, SW_SHOWMAXIMIZED);
      if (!s->grid->Settings().showPrintButton) ShowWindow(GetDlgItem(w, QGRID_IDC_PRINT), SW_HIDE);
      s->paper = MeasurePrinterPaper();
      s->view = CreateDialogParamW(Module(), L"QGRID_IDD_PREVIEW", w, ViewProc, lp);
      ShowWindow(s->view, SW_SHOW);
      LayoutChildren(*s);
      RebuildScrollBars(*s);
      PostMessageW(w, kOpenedMessage, 0, 0);
      return TRUE;
    }
    case kOpenedMessage:
      // Once the window has its maximised size: fit the page height, draw the first
      // page (which gives the page count) and show the status.
      if (!IsZoomed(w)) ShowWindow(w, SW_SHOWMAXIMIZED);
      LayoutChildren(*s);
      Fit(*s, false);
      Fit(*s, false);
      UpdateWindow(s->view);
      UpdateStatus(*s);
      if (s->pageCount == 1) EnableNav(*s, false, false);
      if (OpenedHook()) OpenedHook()(w);
      return TRUE;
    case WM_SIZE:
      if (s && s->view) {
        LayoutChildren(*s);
        InvalidateRect(w, nullptr, TRUE);
      }
      return TRUE;
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(w, &rc);
      FillRect(HDC(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
      if (s && s->view) {
        RECT view;
        GetWindowRect(s->view, &view);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&view), 2);
        rt::win::ScopedBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
        FillRect(HDC(wp), &view, grey.Get());
      }
      SetWindowLongPtrW(w, DWLP_MSGRESULT, 1);
      return TRUE;
    }
    case WM_COMMAND:
      if (s && HIWORD(wp) == BN_CLICKED) Command(*s, LOWORD(wp));
      return TRUE;
    case WM_CLOSE: EndDialog(w, IDCANCEL); return TRUE;
  }
  return FALSE;
}

}  // namespace

PreviewHook SetPreviewOpenedHook(PreviewHook hook) { return std::exchange(OpenedHook(), std::move(hook)); }
PreviewHook SetPreviewDialogHook(PreviewHook hook) { return std::exchange(DialogHook(), std::move(hook)); }
const PreviewState* CurrentPreview() { return g_current; }

void RunPrintPreview(GridModel& grid) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  PreviewState state;
  state.grid = &grid;
  PreviewState* outer = std::exchange(g_current, &state);
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
  HHOOK outerHook = std::exchange(g_keyHook, hook);
  {
    // Modal for the thread: the note cannot be edited, nor a second preview or print
    // started, behind the preview.
    ThreadWindowsDisabled modal;
    DialogBoxParamW(Module(), L"QGRID_IDD_PREVIEW_PARENT", nullptr, WindowProc, LPARAM(&state));
  }
  if (hook) UnhookWindowsHookEx(hook);
  g_keyHook = outerHook;
  g_current = outer;
  // Print from the preview: after the window is gone, with or without the dialog.
  if (state.printAfterClose) {
    RunPrintJob(grid);
    if (HWND w = FindGridWindow(grid)) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

}  // namespace grid::win
