#include "menu/core/MenuColors.h"

namespace menu {

namespace {

// Presets as RGB triples, columns in property order.
const ColorTable kPresets[kLastPreset] = {
    {Rgb(249, 248, 247), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(255, 238, 194), Rgb(227, 239, 255),
     Rgb(136, 174, 228), Rgb(255, 244, 204), Rgb(255, 215, 157), Rgb(0, 0, 128), Rgb(106, 140, 203)},
    {Rgb(249, 248, 247), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(182, 189, 210), Rgb(249, 248, 247),
     Rgb(215, 212, 204), Rgb(182, 189, 210), Rgb(182, 189, 210), Rgb(10, 36, 106), Rgb(166, 166, 166)},
    {Rgb(249, 248, 247), Rgb(0, 0, 0), Rgb(141, 141, 141), Rgb(215, 233, 177), Rgb(255, 255, 255),
     Rgb(152, 177, 152), Rgb(255, 255, 255), Rgb(152, 177, 152), Rgb(0, 102, 102), Rgb(128, 160, 128)},
    {Rgb(255, 236, 245), Rgb(0, 0, 0), Rgb(147, 55, 81), Rgb(255, 193, 218), Rgb(255, 255, 255),
     Rgb(255, 128, 192), Rgb(255, 255, 255), Rgb(255, 128, 192), Rgb(128, 0, 0), Rgb(192, 96, 0)},
    {Rgb(237, 235, 245), Rgb(0, 0, 0), Rgb(146, 134, 198), Rgb(240, 199, 252), Rgb(255, 255, 255),
     Rgb(198, 174, 253), Rgb(255, 255, 255), Rgb(198, 174, 253), Rgb(0, 0, 160), Rgb(64, 80, 187)},
    {Rgb(255, 235, 215), Rgb(0, 0, 0), Rgb(192, 96, 0), Rgb(237, 123, 99), Rgb(255, 209, 164),
     Rgb(192, 96, 0), Rgb(255, 209, 164), Rgb(192, 96, 0), Rgb(128, 0, 0), Rgb(192, 96, 0)},
};

bool ValidFraction(double f) { return f > 0 && f <= 1; }

Color MapChannels(Color c, uint32_t (*fn)(uint32_t, double), double f) {
  return Rgb(fn(RedOf(c), f), fn(GreenOf(c), f), fn(BlueOf(c), f));
}

uint32_t LightenChannel(uint32_t ch, double f) { return uint32_t(ch + f * (255 - ch)); }
uint32_t DarkenChannel(uint32_t ch, double f) { return uint32_t(ch - f * ch); }

}  // namespace

const ColorTable& PresetColors(int preset) {
  if (preset < kFirstPreset || preset > kLastPreset) preset = kFirstPreset;
  return kPresets[preset - 1];
}

void MenuColorSet::SetStyle(int style) {
  style_ = style;
  if (style >= kFirstPreset && style <= kLastPreset) colors_ = PresetColors(style);
}

void MenuColorSet::SetColor(ColorIndex i, Color c) {
  if (i < 0 || i >= kColorCount || colors_[size_t(i)] == c) return;
  colors_[size_t(i)] = c;
  style_ = kCustomStyle;
}

Color Lighten(Color c, double f) { return ValidFraction(f) ? MapChannels(c, &LightenChannel, f) : c; }
Color Darken(Color c, double f) { return ValidFraction(f) ? MapChannels(c, &DarkenChannel, f) : c; }

BarShadowShades BarShadow(Color bar) {
  return BarShadowShades{Darken(bar, 0.25),
                         Darken(bar, 0.07),
                         {Darken(bar, 0.1), Darken(bar, 0.03), Darken(bar, 0.1), Darken(bar, 0.2)}};
}

uint32_t BlendChannel(uint32_t over, uint32_t under, uint32_t alpha) {
  if (alpha > 255) alpha = 255;
  return (over * alpha + under * (255 - alpha) + 127) / 255;
}

Color Blend(Color over, Color under, uint32_t alpha) {
  return Rgb(BlendChannel(RedOf(over), RedOf(under), alpha),
             BlendChannel(GreenOf(over), GreenOf(under), alpha),
             BlendChannel(BlueOf(over), BlueOf(under), alpha));
}

}  // namespace menu
