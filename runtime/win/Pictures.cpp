#include "runtime/win/Pictures.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "runtime/core/IconDirectory.h"

namespace rt::win {

namespace {

constexpr size_t kMaxPictureBytes = size_t(256) << 20;

constexpr int kHimetricPerInch = 2540;

// HIMETRIC (0.01 mm) to pixels of the screen.
int HimetricToPixels(long himetric, int pixelsPerInch) {
  return MulDiv(int(himetric), pixelsPerInch, kHimetricPerInch);
}

// The icon file layout: a header (type at 2, count at 4), then one entry per image
// (planes at 4, bit count at 6, the image's offset at 12); each image starts with a
// bitmap header whose bit count lies at 14.
constexpr size_t kDirHeaderSize = 6;
constexpr size_t kDirTypeAt = 2;
constexpr size_t kDirCountAt = 4;
constexpr size_t kEntrySize = 16;
constexpr size_t kEntryPlanesAt = 4;
constexpr size_t kEntryBitCountAt = 6;
constexpr size_t kEntryOffsetAt = 12;
constexpr size_t kImageBitCountAt = 14;
constexpr uint16_t kIconType = 1;

uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) { return uint32_t(Read16(p)) | (uint32_t(Read16(p + 2)) << 16); }
void Write16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}

// A cursor file in the form of an icon file: the same images, the directory's type 1,
// and the planes and bit count fields where the cursor keeps its hot spot. Not every
// platform picture loader takes cursors; all take icons. Empty for anything else.
std::vector<uint8_t> CursorAsIcon(const uint8_t* bytes, size_t length) {
  IconDirectory dir;
  if (!ReadIconDirectory(bytes, length, &dir) || !dir.isCursor) return {};
  std::vector<uint8_t> icon(bytes, bytes + length);
  Write16(icon.data() + kDirTypeAt, kIconType);
  uint16_t count = Read16(icon.data() + kDirCountAt);
  for (size_t i = 0; i < count && kDirHeaderSize + (i + 1) * kEntrySize <= length; ++i) {
    uint8_t* e = icon.data() + kDirHeaderSize + i * kEntrySize;
    uint32_t offset = Read32(e + kEntryOffsetAt);
    uint16_t bitCount = 0;
    if (offset <= length && length - offset >= kImageBitCountAt + 2)
      bitCount = Read16(bytes + offset + kImageBitCountAt);
    Write16(e + kEntryPlanesAt, 1);  // one plane
    Write16(e + kEntryBitCountAt, bitCount);
  }
  return icon;
}

}  // namespace

HBITMAP BitmapFromPictureBytes(const uint8_t* bytes, size_t length) {
  if (!bytes || length == 0 || length > kMaxPictureBytes) return nullptr;
  std::vector<uint8_t> icon = CursorAsIcon(bytes, length);
  if (!icon.empty()) {
    bytes = icon.data();
    length = icon.size();
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length);
  if (!memory) return nullptr;
  void* p = GlobalLock(memory);
  std::memcpy(p, bytes, length);
  GlobalUnlock(memory);

  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, LONG(length), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || !picture) return nullptr;

  // Render whatever the picture holds (bitmap, icon, metafile) into a bitmap of our own,
  // so the result does not depend on the picture object's lifetime.
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  picture->get_Width(&w);
  picture->get_Height(&h);
  HDC screen = GetDC(nullptr);
  int cx = HimetricToPixels(w, GetDeviceCaps(screen, LOGPIXELSX));
  int cy = HimetricToPixels(h, GetDeviceCaps(screen, LOGPIXELSY));
  HBITMAP result = nullptr;
  if (cx > 0 && cy > 0 && cx <= 32768 && cy <= 32768) {
    result = CreateCompatibleBitmap(screen, cx, cy);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, result);
    RECT r{0, 0, cx, cy};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    picture->Render(dc, 0, 0, cx, cy, 0, h, w, -h, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  ReleaseDC(nullptr, screen);
  picture->Release();
  return result;
}

HGLOBAL PictureBytesFromBitmap(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;

  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = bm.bmWidth;
  info.biHeight = bm.bmHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  size_t stride = (size_t(bm.bmWidth) * 3 + 3) & ~size_t(3);
  size_t pixels = stride * size_t(bm.bmHeight);
  info.biSizeImage = DWORD(pixels);

  std::vector<uint8_t> bits(pixels);
  HDC screen = GetDC(nullptr);
  int lines = GetDIBits(screen, bitmap, 0, UINT(bm.bmHeight), bits.data(),
                        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != bm.bmHeight) return nullptr;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = DWORD(file.bfOffBits + pixels);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, file.bfSize);
  if (!memory) return nullptr;
  uint8_t* p = static_cast<uint8_t*>(GlobalLock(memory));
  std::memcpy(p, &file, sizeof(file));
  std::memcpy(p + sizeof(file), &info, sizeof(info));
  std::memcpy(p + file.bfOffBits, bits.data(), pixels);
  GlobalUnlock(memory);
  return memory;
}

}  // namespace rt::win
