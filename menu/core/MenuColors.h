// The owner-drawn menu's colour set: the colour preset (MenuStyle) and the ten colours
// it loads, the rule that a changed colour makes the set custom, and the lighten,
// darken and blend arithmetic the drawing uses. Colours are 0x00BBGGRR values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace menu {

using Color = uint32_t;

constexpr Color Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
constexpr uint32_t RedOf(Color c) { return c & 0xFF; }
constexpr uint32_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(Color c) { return (c >> 16) & 0xFF; }

// The ten colours, in property order (properties 1..10).
enum ColorIndex {
  kMenuBack = 0,
  kMenuText,
  kDisabledText,
  kSelectedFill,
  kIconStripStart,
  kIconStripEnd,
  kHotStart,
  kHotEnd,
  kFrame,
  kSeparator,
  kColorCount
};

using ColorTable = std::array<Color, kColorCount>;

constexpr int kFirstPreset = 1;
constexpr int kLastPreset = 6;
constexpr int kCustomStyle = 0;

// The colours of preset 1..6; preset 1 for any other number.
const ColorTable& PresetColors(int preset);

// MenuStyle and the colours it governs.
class MenuColorSet {
 public:
  MenuColorSet() : style_(1), colors_(PresetColors(1)) {}

  int Style() const { return style_; }
  Color Get(ColorIndex i) const { return colors_[size_t(i)]; }
  const ColorTable& Colors() const { return colors_; }

  // A preset number loads that preset's colours; any other value is only stored.
  void SetStyle(int style);
  // A colour different from the current one turns the set custom (style 0); the
  // same value changes nothing.
  void SetColor(ColorIndex i, Color c);
  // Loads stored values as they are (style and colours side by side, no rule applied).
  void Restore(int style, const ColorTable& colors) {
    style_ = style;
    colors_ = colors;
  }
  // The designer offers the single colours only while the set is custom.
  bool ColorsEditable() const { return style_ == kCustomStyle; }

 private:
  int style_;
  ColorTable colors_;
};

// Each channel moved toward 255 (lighten) or 0 (darken) by the fraction f, truncated;
// the colour comes back unchanged unless 0 < f <= 1.
Color Lighten(Color c, double f);
Color Darken(Color c, double f);

// One channel of `over` laid on `under` with constant alpha a/255, as the platform's
// alpha blend does it (rounded).
uint32_t BlendChannel(uint32_t over, uint32_t under, uint32_t alpha);
Color Blend(Color over, Color under, uint32_t alpha);

// The shadow at the right edge of an open bar item, from the bar colour: the lowest 13
// pixels run from left to right between two shades; the 3 x 3 corner piece above them
// has a shade at each corner (top left, top right, bottom right, bottom left).
struct BarShadowShades {
  Color lowLeft, lowRight;
  Color corner[4];
};
BarShadowShades BarShadow(Color bar);

// A 16-bit gradient vertex channel (the 8-bit channel in the high byte).
constexpr uint16_t VertexChannel(uint32_t channel8) { return uint16_t(channel8 << 8); }

}  // namespace menu
