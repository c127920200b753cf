#include "app/core/PrintSettings.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "app/core/NoteRows.h"
#include "app/core/SettingsText.h"

namespace app::print {

namespace {

struct NamedPaper {
  const char* name;
  int width, height;
};
constexpr NamedPaper kPapers[] = {
    {"A4", 210, 297}, {"A5L", 210, 148}, {"241x280", 241, 280}, {"241x140", 241, 140}, {"241x93", 241, 93},
};

// A whole number in [low, high], optional sign; false for anything else.
bool ReadNumber(std::string_view text, int low, int high, int* out) {
  std::string s(TrimSetting(text));
  if (s.empty() || s.size() > 6) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (*end || v < low || v > high) return false;
  *out = int(v);
  return true;
}

bool ReadFlag(std::string_view text, bool* out) {
  int v = 0;
  if (!ReadNumber(text, 0, 1, &v)) return false;
  *out = v != 0;
  return true;
}

void ReadValue(std::string_view key, std::string_view value, PrintSettings* s) {
  if (SameWord(key, "Paper")) {
    if (!ParsePaperName(value, &s->paperWidth, &s->paperHeight)) s->paperWidth = s->paperHeight = 0;
  } else if (SameWord(key, "FilledRowsOnly")) {
    ReadFlag(value, &s->filledRowsOnly);
  } else if (SameWord(key, "FitToSheet")) {
    ReadFlag(value, &s->fitToSheet);
  } else if (SameWord(key, "HidePrices")) {
    ReadFlag(value, &s->hidePrices);
  } else if (SameWord(key, "OffsetX")) {
    ReadNumber(value, -30, 30, &s->offsetX);
  } else if (SameWord(key, "OffsetY")) {
    ReadNumber(value, -30, 30, &s->offsetY);
  } else if (SameWord(key, "SignLine")) {
    s->signLine = std::string(value);
  } else if (SameWord(key, "Subtitle")) {
    s->subtitle = std::string(value);
  }
}

PrintSettingsSaver g_saver = nullptr;

}  // namespace

bool PrintSettings::IsDefault() const { return *this == PrintSettings(); }

bool PrintSettings::operator==(const PrintSettings& o) const {
  return paperWidth == o.paperWidth && paperHeight == o.paperHeight && filledRowsOnly == o.filledRowsOnly &&
         fitToSheet == o.fitToSheet && offsetX == o.offsetX && offsetY == o.offsetY &&
         signLine == o.signLine && subtitle == o.subtitle && hidePrices == o.hidePrices;
}

std::string PaperName(int width, int height) {
  if (width <= 0 || height <= 0) return "printer";
  for (const NamedPaper& p : kPapers)
    if (p.width == width && p.height == height) return p.name;
  return std::to_string(width) + "x" + std::to_string(height);
}

bool ParsePaperName(std::string_view name, int* width, int* height) {
  name = TrimSetting(name);
  if (SameWord(name, "printer")) {
    *width = *height = 0;
    return true;
  }
  for (const NamedPaper& p : kPapers) {
    if (SameWord(name, p.name)) {
      *width = p.width;
      *height = p.height;
      return true;
    }
  }
  size_t x = name.find_first_of("xX");
  int w = 0, h = 0;
  if (x == std::string_view::npos || !ReadNumber(name.substr(0, x), 50, 500, &w) ||
      !ReadNumber(name.substr(x + 1), 50, 500, &h))
    return false;
  *width = w;
  *height = h;
  return true;
}

PrintSettings ParsePrintSettings(std::string_view text) {
  PrintSettings s;
  ForEachSetting(text, "[print]",
                 [&s](std::string_view key, std::string_view value) { ReadValue(key, value, &s); });
  return s;
}

std::string FormatPrintSettings(const PrintSettings& s) {
  std::string t = "[print]\r\n";
  t += "Paper=" + PaperName(s.paperWidth, s.paperHeight) + "\r\n";
  t += std::string("FilledRowsOnly=") + (s.filledRowsOnly ? "1" : "0") + "\r\n";
  t += std::string("FitToSheet=") + (s.fitToSheet ? "1" : "0") + "\r\n";
  t += "OffsetX=" + std::to_string(s.offsetX) + "\r\n";
  t += "OffsetY=" + std::to_string(s.offsetY) + "\r\n";
  t += "SignLine=" + s.signLine + "\r\n";
  t += "Subtitle=" + s.subtitle + "\r\n";
  t += std::string("HidePrices=") + (s.hidePrices ? "1" : "0") + "\r\n";
  return t;
}

PrintSettings& CurrentPrintSettings() {
  static PrintSettings settings;
  return settings;
}

void SetPrintSettingsSaver(PrintSettingsSaver saver) { g_saver = saver; }

bool SavePrintSettings() { return g_saver && g_saver(FormatPrintSettings(CurrentPrintSettings())); }

std::string NotePrintOptions(const PrintSettings& s, bool (*rowHasText)(int row)) {
  if (s.IsDefault()) return std::string();
  std::string t;
  if (s.paperWidth > 0)
    t += "Paper=" + std::to_string(s.paperWidth * 10) + "," + std::to_string(s.paperHeight * 10) + "\n";
  t += "Rows=" + std::to_string(kTitleRow1) + "," + std::to_string(kTitleRow2) + "," +
       std::to_string(kHeaderRow);
  for (int r = kFirstItemRow; r <= kLastItemRow; ++r)
    if (!s.filledRowsOnly || rowHasText(r)) t += "," + std::to_string(r);
  t += "," + std::to_string(kTotalRow) + "\nRepeatRows=3\nTailRows=1\n";
  t += std::string("FitToSheet=") + (s.fitToSheet ? "1" : "0") + "\n";
  t += "Offset=" + std::to_string(s.offsetX * 10) + "," + std::to_string(s.offsetY * 10) + "\n";
  // Line breaks would end the option line: they print as spaces.
  auto oneLine = [](std::string v) {
    for (char& c : v)
      if (c == '\r' || c == '\n') c = ' ';
    return v;
  };
  if (!s.subtitle.empty()) t += "Subtitle=" + oneLine(s.subtitle) + "\n";
  if (!s.signLine.empty()) t += "SignLine=" + oneLine(s.signLine) + "\n";
  if (s.hidePrices) {
    for (int r = kFirstItemRow; r <= kLastItemRow; ++r)
      t += "Cell=" + std::to_string(r) + "," + std::to_string(kPriceColumn) + ",\nCell=" + std::to_string(r) +
           "," + std::to_string(kAmountColumn) + ",\n";
    t += "Cell=" + std::to_string(kTotalRow) + "," + std::to_string(kCapitalColumn) + "," + kCapitalPrefix +
         "\n";
    t += "Cell=" + std::to_string(kTotalRow) + "," + std::to_string(kAmountColumn) + "," + kFiguresPrefix +
         "\n";
  }
  return t;
}

}  // namespace app::print
