// The print job: printer from the dialog or the shared state, the document, the pages,
// and the two failure boxes. Also the entry points behind the Print and PrintPreview
// commands.
#include <windows.h>

#include <new>
#include <stdexcept>

#include "grid/core/GridCommands.h"
#include "grid/core/GridModel.h"
#include "grid/win/GridPrinting.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/MessagePrompt.h"

namespace grid::win {

const char* const kPrinterInitError = "打印机初始化出错,请检查打印设置!";
const char* const kPrintPagesError = "打印表格出错,请检查打印设置或稍候重试!";

namespace {

constexpr const char* kErrorCaption = "错误";

GridWindowFinder g_finder = nullptr;

std::string& DocumentTitle() {
  static std::string title;
  return title;
}

void ShowError(const char* text) {
  rt::win::ShowMessagePrompt(nullptr, text, kErrorCaption, MB_OK | MB_ICONERROR);
}

std::wstring DocumentName(HWND gridWindow) {
  if (!DocumentTitle().empty()) return rt::win::GbkToWide(DocumentTitle());
  for (HWND w = gridWindow ? GetParent(gridWindow) : nullptr; w; w = GetParent(w)) {
    std::string text = rt::win::WindowTextGbk(w);
    if (!text.empty()) return rt::win::GbkToWide(text);
  }
  return std::wstring();
}

// The paper the print options ask for, on whatever printer was chosen.
void UseOptionsPaper(const GridModel& grid) {
  const PrintOptions& o = grid.Options();
  if (o.active && o.paperWidth > 0 && o.paperHeight > 0) UsePaperOnSharedPrinter(o.paperWidth, o.paperHeight);
}

// The printer context for this job, or null (the dialog cancelled, or none at all).
HDC ObtainPrinter(GridModel& grid, bool* cancelled) {
  *cancelled = false;
  if (grid.Settings().isShowDiglog) {
    PRINTDLGW pd;
    if (!RunPrintDialog(&pd)) {
      *cancelled = true;
      return nullptr;
    }
    AdoptDialogResult(pd);
  } else if (!SharedPrinterDC()) {
    AdoptDefaultPrinter();  // the context only: no dialog was confirmed
  }
  UseOptionsPaper(grid);
  return SharedPrinterDC();
}

void PrintGrid(GridModel& grid) {
  RunPrintJob(grid);
  if (HWND w = FindGridWindow(grid)) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The preview measures the shared printer: it gets the options' paper first, so that
// it shows the sheets the printer gets.
void PreviewGrid(GridModel& grid) {
  const PrintOptions& o = grid.Options();
  if (o.active && o.paperWidth > 0 && o.paperHeight > 0) {
    if (!SharedPrinterDC()) AdoptDefaultPrinter();
    UseOptionsPaper(grid);
  }
  RunPrintPreview(grid);
}

}  // namespace

GridWindowFinder SetGridWindowFinder(GridWindowFinder finder) {
  GridWindowFinder old = g_finder;
  g_finder = finder;
  return old;
}

HWND FindGridWindow(const GridModel& grid) { return g_finder ? g_finder(grid) : nullptr; }

void SetPrintDocumentTitle(const std::string& gbkTitle) { DocumentTitle() = gbkTitle; }

void RunPrintJob(GridModel& grid) {
  GridPagePainter painter(grid);
  RunPrintJob(painter, FindGridWindow(grid));
}

void RunPrintJob(GridPagePainter& painter, HWND gridWindow) {
  SetLastPrintJobSpooled(false);
  bool cancelled = false;
  HDC dc = ObtainPrinter(painter.Grid(), &cancelled);
  if (cancelled) return;
  if (!dc) return ShowError(kPrinterInitError);

  std::wstring name = DocumentName(gridWindow);
  DOCINFOW doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = name.c_str();
  // A document that did not start is not printed into (the platform answers <= 0).
  bool ok = StartDocW(dc, &doc) > 0;
  PageInfo info;
  info.draw = RECT{0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
  bool pageOpen = false;
  try {
    if (ok) {
      painter.BeginPrintJob(dc, &info);
      for (int page = info.minPage; page <= info.maxPage && ok; ++page) {
        pageOpen = StartPage(dc) > 0;
        info.currentPage = page;
        painter.PrintPage(dc, &info);
        pageOpen = false;
        ok = EndPage(dc) > 0;
      }
      painter.EndPrintJob(dc, &info);
    }
  } catch (const std::exception&) {
    // The page is closed before the document is aborted: a context aborted with an
    // open page cannot start another document.
    if (pageOpen) EndPage(dc);
    painter.EndPrintJob(dc, &info);
    ShowError(kPrintPagesError);
    ok = false;
  }
  if (ok) {
    SetLastPrintJobSpooled(EndDoc(dc) > 0);
    // The context stays the shared printer for the next job; only its state is reset.
    SetMapMode(dc, MM_TEXT);
  } else {
    AbortDoc(dc);
    RenewSharedPrinterDC();
  }
}

void InstallGridPrinting() {
  GridPrintHooks hooks;
  hooks.print = &PrintGrid;
  hooks.preview = &PreviewGrid;
  SetGridPrintHooks(hooks);
}

}  // namespace grid::win
