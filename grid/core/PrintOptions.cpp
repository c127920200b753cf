#include "grid/core/PrintOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace grid {

namespace {

// The integers of a comma list; false when any is not a whole number in range.
bool ReadInts(std::string_view text, std::vector<int>* out, size_t most) {
  out->clear();
  while (!text.empty()) {
    size_t comma = text.find(',');
    std::string item(text.substr(0, comma));
    if (item.empty() || out->size() >= most) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(item.c_str(), &end, 10);
    if (*end || errno || v < INT_MIN / 4 || v > INT_MAX / 4) return false;
    out->push_back(int(v));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return !out->empty();
}

// Row lists longer than any grid are refused.
constexpr size_t kMostRows = 1u << 20;

void ReadLine(std::string_view key, std::string_view value, PrintOptions* o) {
  std::vector<int> n;
  if (key == "Paper" && ReadInts(value, &n, 2) && n.size() == 2 && n[0] > 0 && n[1] > 0) {
    o->paperWidth = n[0];
    o->paperHeight = n[1];
  } else if (key == "Rows" && ReadInts(value, &n, kMostRows)) {
    o->rows = n;
  } else if (key == "RepeatRows" && ReadInts(value, &n, 1) && n[0] >= 0) {
    o->repeatRows = n[0];
  } else if (key == "TailRows" && ReadInts(value, &n, 1) && n[0] >= 0) {
    o->tailRows = n[0];
  } else if (key == "FitToSheet" && ReadInts(value, &n, 1)) {
    o->fitToSheet = n[0] != 0;
  } else if (key == "Offset" && ReadInts(value, &n, 2) && n.size() == 2) {
    o->offsetX = n[0];
    o->offsetY = n[1];
  } else if (key == "Subtitle") {
    o->subtitle = std::string(value);
  } else if (key == "SignLine") {
    o->signLine = std::string(value);
  } else if (key == "Cell") {
    size_t first = value.find(','), second = first == value.npos ? first : value.find(',', first + 1);
    if (second != value.npos && ReadInts(value.substr(0, second), &n, 2) && n.size() == 2)
      o->cellTexts[{n[0], n[1]}] = std::string(value.substr(second + 1));
  }
}

}  // namespace

PrintOptions ParsePrintOptions(std::string_view text) {
  PrintOptions o;
  o.active = !text.empty();
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    size_t eq = line.find('=');
    if (eq != std::string_view::npos) ReadLine(line.substr(0, eq), line.substr(eq + 1), &o);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return o;
}

int MatchPaperForm(const std::vector<PaperForm>& forms, int width, int height, bool* landscape) {
  auto near = [](int a, int b) { return a - b <= 10 && b - a <= 10; };
  *landscape = false;
  for (const PaperForm& f : forms)
    if (near(f.width, width) && near(f.height, height)) return f.number;
  for (const PaperForm& f : forms) {
    if (near(f.width, height) && near(f.height, width)) {
      *landscape = true;
      return f.number;
    }
  }
  return -1;
}

}  // namespace grid
