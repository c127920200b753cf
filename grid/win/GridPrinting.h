// Printing a grid on the Windows printer: the process-wide printer state, the page
// painter shared by paper and preview, and the print job.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

#include "grid/core/GridPageLayout.h"
#include "runtime/win/ScopedGdi.h"

namespace grid {
class GridModel;
}

namespace grid::win {

//--- Shared printer state -------------------------------------------------------------

// The printer context of the last job or set-up, kept for the life of the process and
// shared by every grid and preview; null until one was obtained.
HDC SharedPrinterDC();
// The device-mode block of the last print dialog confirmed with OK (null until then).
HGLOBAL SharedPrinterSettings();
// Replaces both after a confirmed dialog (the old context and blocks are released).
void AdoptDialogResult(PRINTDLGW& dialog);
// Forgets the shared state (tests).
void ResetSharedPrinter();

// The print dialog with the job's flags, preloaded with the last confirmed settings.
// True on OK, with pd's context and blocks ready for AdoptDialogResult.
bool RunPrintDialog(PRINTDLGW* pd);
// The default printer's context without a dialog; null when there is none.
HDC DefaultPrinterDC();
// Makes the default printer's context the shared one (the settings stay as they are).
void AdoptDefaultPrinter();
// A context whose document was aborted cannot start another one here: the shared
// context is made again for the same printer and mode.
void RenewSharedPrinterDC();

// Puts this paper (tenths of a millimetre) into the shared printer's mode and makes its
// context again: the printer's own form of that size when it offers one, else a
// user-defined size. False without a shared printer.
bool UsePaperOnSharedPrinter(int widthTenths, int heightTenths);
// Makes the named printer the shared one; false when there is no such printer.
bool AdoptNamedPrinter(const std::wstring& name);
// Whether the last print job handed its document to the spooler.
bool LastPrintJobSpooled();
void SetLastPrintJobSpooled(bool spooled);

// Test seam: when set, it stands in for PrintDlgW (it may call it itself).
using PrintDialogHook = std::function<BOOL(PRINTDLGW*)>;
PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);

//--- The page painter -------------------------------------------------------------------

struct PageInfo {
  int minPage = 1;
  int maxPage = 1;
  int currentPage = 1;
  RECT draw = {};
};

// What the preview hands the painter for one page: the printable area in tenths of a
// millimetre, the device position of its top-left corner and the zoom.
struct PreviewSurface {
  int printableWidth = 2100;
  int printableHeight = 2970;
  POINT origin = {};
  int zoom = 1000;
};

// Draws a grid's pages. The print variant maps the printer context itself; the preview
// variant keeps the mapping the preview put on a screen context.
class GridPagePainter {
 public:
  explicit GridPagePainter(GridModel& grid) : grid_(grid) {}
  virtual ~GridPagePainter();
  GridPagePainter(const GridPagePainter&) = delete;
  GridPagePainter& operator=(const GridPagePainter&) = delete;

  // Lays the table out for this context: page size, bands, page count (info->maxPage).
  virtual void BeginPrintJob(HDC dc, PageInfo* info);
  // Draws info->currentPage.
  virtual void PrintPage(HDC dc, PageInfo* info);
  virtual void EndPrintJob(HDC dc, PageInfo* info);
  virtual void PrintTitleBand(HDC dc, const PageRect& band);
  virtual void PrintFooterBand(HDC dc, const PageRect& band, const PageInfo& info);
  // One cell inside `rect` (page units): own background, diagonal, then its text,
  // check mark, date or picture as the screen draws them.
  virtual void PrintCellContent(HDC dc, int row, int col, const PageRect& rect, bool fixedRow);

  // The subtitle or the sign line, one line in the grid's font.
  virtual void PrintLine(HDC dc, const std::string& text, const PageRect& band, UINT align);

  void SetPreview(const PreviewSurface& surface) {
    preview_ = surface;
    previewMode_ = true;
  }
  bool PreviewMode() const { return previewMode_; }
  const PageGeometry& Geometry() const { return geometry_; }
  int PageTotal() const { return geometry_.pageTotal; }
  GridModel& Grid() { return grid_; }

 private:
  void MapPage(HDC dc) const;
  HFONT MakeFont(const LOGFONTW& base, const std::string& face, int height, int weight) const;

  GridModel& grid_;
  PageGeometry geometry_;
  bool previewMode_ = false;
  PreviewSurface preview_;
  rt::win::ScopedFont printTextFont_;
};

//--- The print job and the commands' entry points ---------------------------------------

// The printing failures' boxes.
extern const char* const kPrinterInitError;  // "打印机初始化出错,请检查打印设置!"
extern const char* const kPrintPagesError;   // "打印表格出错,请检查打印设置或稍候重试!"

// Finds the window a grid model is shown in (installed by the grid window layer).
using GridWindowFinder = HWND (*)(const GridModel& grid);
GridWindowFinder SetGridWindowFinder(GridWindowFinder finder);
HWND FindGridWindow(const GridModel& grid);

// The document name: this title when set, else the nearest ancestor window text.
void SetPrintDocumentTitle(const std::string& gbkTitle);

// The whole print job with the grid's own painter, or with the one given.
void RunPrintJob(GridModel& grid);
void RunPrintJob(GridPagePainter& painter, HWND gridWindow);

// The preview window (GridPreview.cpp); returns when it closes.
void RunPrintPreview(GridModel& grid);

// Installs Print and PrintPreview behind the grid commands.
void InstallGridPrinting();

}  // namespace grid::win
