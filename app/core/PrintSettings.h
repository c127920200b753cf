// The print settings kept per user (print.ini, section [print]): the paper, which rows
// go on paper, fitting on one sheet, an offset, a sign line, a subtitle and a copy
// without prices. The text here is GBK; the file's UTF-8 is converted where it is read
// and written. A missing or bad value is the default, which prints as the note always did.
#pragma once

#include <string>
#include <string_view>

namespace app::print {

struct PrintSettings {
  int paperWidth = 0, paperHeight = 0;  // millimetres; 0 x 0: the printer's own paper
  bool filledRowsOnly = false;
  bool fitToSheet = false;
  int offsetX = 0, offsetY = 0;  // millimetres, -30..30
  std::string signLine;
  std::string subtitle;
  bool hidePrices = false;

  bool IsDefault() const;
  bool operator==(const PrintSettings& o) const;
};

// The paper's name in the file: printer, A4, A5L, 241x280, 241x140, 241x93 or WxH.
std::string PaperName(int width, int height);
// False for a name that is none of those (or a size outside 50..500 mm).
bool ParsePaperName(std::string_view name, int* width, int* height);

PrintSettings ParsePrintSettings(std::string_view gbkText);
std::string FormatPrintSettings(const PrintSettings& settings);

// The settings of this run: read at start-up, replaced when the settings window is
// confirmed, and then handed to the saver the program's entry installed.
PrintSettings& CurrentPrintSettings();
using PrintSettingsSaver = bool (*)(const std::string& gbkText);
void SetPrintSettingsSaver(PrintSettingsSaver saver);
bool SavePrintSettings();

// The option text for the note grid's SetPrintOptions: empty for the defaults; else
// the paper, the rows that go on paper (title rows and header row repeated, the total
// row kept for the last sheet), and the rest. `rowHasText(row)` says whether an item
// row holds any text beside its number.
std::string NotePrintOptions(const PrintSettings& settings, bool (*rowHasText)(int row));

}  // namespace app::print
