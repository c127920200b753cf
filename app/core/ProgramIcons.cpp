#include "app/core/ProgramIcons.h"

#include <cstdlib>
#include <functional>

#include "runtime/core/ByteArchive.h"

namespace app {

namespace {

//--- Packing ------------------------------------------------------------------------

struct Rgb {
  uint8_t r, g, b;
};

// A pixel: a palette index, or transparent.
struct Pixel {
  bool transparent;
  uint8_t index;
};
using Painter = std::function<Pixel(int x, int y, int size)>;  // y counted from the top

struct Image {
  int size;      // square images
  int bitCount;  // 4 or 8
  std::vector<uint8_t> bytes;
};

size_t RowBytes(int width, int bitCount) { return (size_t(width) * bitCount + 31) / 32 * 4; }

Image PaintImage(int size, int bitCount, const std::vector<Rgb>& palette, const Painter& paint) {
  const size_t colourRow = RowBytes(size, bitCount), maskRow = RowBytes(size, 1);
  std::vector<uint8_t> colours(colourRow * size, 0), mask(maskRow * size, 0);
  for (int y = 0; y < size; ++y) {
    const size_t row = size_t(size - 1 - y);  // bitmaps run bottom-up
    for (int x = 0; x < size; ++x) {
      Pixel p = paint(x, y, size);
      if (p.transparent) {
        mask[row * maskRow + x / 8] |= uint8_t(0x80 >> (x % 8));
        p.index = 0;  // black under the mask leaves the screen as it is
      }
      if (bitCount == 8)
        colours[row * colourRow + x] = p.index;
      else
        colours[row * colourRow + x / 2] |= uint8_t(x % 2 ? p.index & 0xF : (p.index & 0xF) << 4);
    }
  }
  rt::ByteWriter w;
  // BITMAPINFOHEADER: the height counts the colour bits and the mask together.
  w.Word(40).Int(size).Int(size * 2).Half(1).Half(uint16_t(bitCount)).Word(0);
  w.Word(uint32_t(colours.size() + mask.size())).Word(0).Word(0).Word(0).Word(0);
  for (size_t i = 0; i < (size_t(1) << bitCount); ++i) {
    Rgb c = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
    const uint8_t quad[4] = {c.b, c.g, c.r, 0};
    w.Bytes(quad, 4);
  }
  w.Bytes(colours).Bytes(mask);
  return {size, bitCount, w.Take()};
}

std::vector<uint8_t> PackIcon(const std::vector<Image>& images) {
  rt::ByteWriter w;
  w.Half(0).Half(1).Half(uint16_t(images.size()));  // reserved, type 1 = icon, count
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (const Image& image : images) {
    const uint8_t head[4] = {uint8_t(image.size), uint8_t(image.size), uint8_t(image.bitCount == 4 ? 16 : 0),
                             0};
    w.Bytes(head, 4).Half(1).Half(uint16_t(image.bitCount));
    w.Word(uint32_t(image.bytes.size())).Word(offset);
    offset += uint32_t(image.bytes.size());
  }
  for (const Image& image : images) w.Bytes(image.bytes);
  return w.Take();
}

//--- The sheet ----------------------------------------------------------------------

// The usual 16-colour palette.
const std::vector<Rgb> kSixteenColours = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
constexpr uint8_t kGrey = 8, kSilver = 7, kNavy = 4, kWhite = 15;

// A white sheet with a dark frame, a navy title band and ruled cells.
Pixel PaintSheet(int x, int y, int size) {
  const int margin = size / 16 + 1;
  const int cell = size / 4;
  const int left = margin, right = size - 1 - margin, top = margin, bottom = size - 1 - margin;
  if (x < left || x > right || y < top || y > bottom) return {true, 0};
  if (x == left || x == right || y == top || y == bottom) return {false, kGrey};
  if (y < top + cell / 2 + 1) return {false, kNavy};
  if ((y - top) % (cell / 2 + 1) == 0 || (x - left) % cell == 0) return {false, kSilver};
  return {false, kWhite};
}

//--- The disc -----------------------------------------------------------------------

// 3-3-2 palette: index = red (3 bits) | green (3 bits) | blue (2 bits).
std::vector<Rgb> ThreeThreeTwoPalette() {
  std::vector<Rgb> palette;
  for (int i = 0; i < 256; ++i)
    palette.push_back(
        {uint8_t((i >> 5) * 255 / 7), uint8_t(((i >> 2) & 7) * 255 / 7), uint8_t((i & 3) * 255 / 3)});
  return palette;
}
uint8_t Index332(int r, int g, int b) {
  return uint8_t((r * 7 / 255) << 5 | (g * 7 / 255) << 2 | b * 3 / 255);
}

// A disc shading from light green in the middle to dark green at the rim, crossed by a
// pale stalk that bends to the right at the top.
Pixel PaintDisc(int x, int y, int size) {
  const int centre2 = size - 1;  // twice the centre coordinate
  const int dx = 2 * x - centre2, dy = 2 * y - centre2;
  const int distance2 = dx * dx + dy * dy, radius2 = size * size;
  if (distance2 > radius2) return {true, 0};
  const bool stalk = std::abs(dx) <= 1 && dy > -size / 2;
  const bool ear = dy <= -size / 2 + 2 && dx > 0 && dx < size / 2 && std::abs(dx + dy + size / 2) <= 2;
  if (stalk || ear) return {false, Index332(255, 255, 170)};
  const int shade = 255 - 150 * distance2 / radius2;
  return {false, Index332(0, shade, 0)};
}

}  // namespace

const std::vector<uint8_t>& SheetIcon() {
  static const std::vector<uint8_t> icon = PackIcon(
      {PaintImage(32, 4, kSixteenColours, PaintSheet), PaintImage(16, 4, kSixteenColours, PaintSheet)});
  return icon;
}

const std::vector<uint8_t>& AboutIcon() {
  static const std::vector<Rgb> palette = ThreeThreeTwoPalette();
  static const std::vector<uint8_t> icon =
      PackIcon({PaintImage(16, 8, palette, PaintDisc), PaintImage(24, 8, palette, PaintDisc)});
  return icon;
}

}  // namespace app
