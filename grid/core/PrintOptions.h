// Options a caller sets for printing beyond the title and margins: the paper, the rows
// that go on paper, rows repeated on every sheet and rows kept for the last one, fitting
// on one sheet, an offset, two extra lines and texts printed in place of cells. Set with
// the SetPrintOptions command as "Key=Value" lines; the empty text sets none of them,
// and then the table prints as it always did.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grid {

struct PrintOptions {
  bool active = false;  // false: none of the fields below is used
  // The paper in tenths of a millimetre; 0 x 0 keeps the printer's own paper.
  int paperWidth = 0, paperHeight = 0;
  // The rows printed, in this order (empty: every row).
  std::vector<int> rows;
  int repeatRows = 0;            // the first rows printed, repeated at the top of every sheet
  int tailRows = 0;              // the last rows printed, kept together on the last sheet
  bool fitToSheet = false;       // scaled down (never up) to one sheet
  int offsetX = 0, offsetY = 0;  // tenths of a millimetre, everything printed moves
  std::string subtitle;          // a line under the title band
  std::string signLine;          // a line under the table on the last sheet
  // Texts printed instead of a cell's own (row, column).
  std::map<std::pair<int, int>, std::string> cellTexts;

  const std::string* CellText(int row, int col) const {
    auto it = cellTexts.find({row, col});
    return it == cellTexts.end() ? nullptr : &it->second;
  }
};

// Reads the option text; unknown keys and bad values are left out.
//   Paper=W,H  Rows=r,r,...  RepeatRows=n  TailRows=n  FitToSheet=0|1  Offset=x,y
//   Subtitle=text  SignLine=text  Cell=row,col,text
PrintOptions ParsePrintOptions(std::string_view text);

// A printer's form: its number and size in tenths of a millimetre.
struct PaperForm {
  int number = 0;
  int width = 0, height = 0;
};
// The form of `width` x `height` (within a millimetre), upright first, else turned
// (`*landscape` set); -1 when the printer has none of that size.
int MatchPaperForm(const std::vector<PaperForm>& forms, int width, int height, bool* landscape);

}  // namespace grid
