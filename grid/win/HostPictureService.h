// The grid's picture service over the host's picture callbacks: 1003 turns picture file
// bytes into a bitmap, 2034 turns a bitmap into the bytes of a bitmap file (the form
// grid files and GetCellData carry). Bitmaps are GDI bitmaps the grid owns.
#pragma once

#include <windows.h>

#include "grid/core/PictureService.h"
#include "runtime/win/Library.h"

namespace grid::win {

class HostPictureService : public PictureService {
 public:
  explicit HostPictureService(rt::win::HostCallbackFn host = nullptr) : host_(host) {}
  // Without a host no picture is made, but bitmaps are still released.
  void SetHost(rt::win::HostCallbackFn host) { host_ = host; }

  Bitmap FromBytes(const uint8_t* bytes, size_t length) override;
  bool ToBytes(Bitmap bitmap, std::vector<uint8_t>* bytes) override;
  void Destroy(Bitmap bitmap) override;
  // A Windows bitmap file (GBK path) loaded as it is.
  Bitmap FromBitmapFile(const std::string& path) override;

 private:
  rt::win::HostCallbackFn host_;
};

}  // namespace grid::win
