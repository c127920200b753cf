#include "grid/win/HostPictureService.h"

#include <cstring>

#include "runtime/win/Gbk.h"

namespace grid::win {

Bitmap HostPictureService::FromBytes(const uint8_t* bytes, size_t length) {
  if (!host_ || !bytes || length == 0 || length > size_t(INTPTR_MAX)) return 0;
  return Bitmap(
      host_(rt::win::hostcall::kPictureToBitmap, reinterpret_cast<intptr_t>(bytes), intptr_t(length)));
}

bool HostPictureService::ToBytes(Bitmap bitmap, std::vector<uint8_t>* bytes) {
  if (!host_ || !bitmap) return false;
  HGLOBAL memory = reinterpret_cast<HGLOBAL>(host_(rt::win::hostcall::kBitmapToPicture, intptr_t(bitmap), 0));
  if (!memory) return false;
  size_t size = GlobalSize(memory);
  const void* p = GlobalLock(memory);
  bool ok = p && size > 0;
  if (ok) {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    // A global block may be larger than asked for: a bitmap file says its own size.
    if (size >= 6 && b[0] == 'B' && b[1] == 'M') {
      uint32_t fileSize;
      std::memcpy(&fileSize, b + 2, 4);
      if (fileSize >= 6 && fileSize <= size) size = fileSize;
    }
    bytes->assign(b, b + size);
  }
  if (p) GlobalUnlock(memory);
  GlobalFree(memory);
  return ok;
}

void HostPictureService::Destroy(Bitmap bitmap) {
  if (bitmap) DeleteObject(reinterpret_cast<HBITMAP>(bitmap));
}

Bitmap HostPictureService::FromBitmapFile(const std::string& path) {
  std::wstring wide = rt::win::GbkToWide(path);
  HANDLE image = LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  return Bitmap(image);
}

}  // namespace grid::win
