// The host's picture service as the grid sees it: bytes in, bitmaps out, and back.
// The Windows layer installs one over host callbacks 1003 and 2034; tests and tools
// install a MemoryPictureService. The grid owns the bitmaps it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "grid/core/GridTypes.h"

namespace grid {

class PictureService {
 public:
  virtual ~PictureService() = default;
  // A bitmap made from picture bytes in a format the host knows; 0 when it cannot.
  virtual Bitmap FromBytes(const uint8_t* bytes, size_t length) = 0;
  // The byte form of a bitmap; false when it cannot be had.
  virtual bool ToBytes(Bitmap bitmap, std::vector<uint8_t>* bytes) = 0;
  // Releases a bitmap the grid owns.
  virtual void Destroy(Bitmap bitmap) = 0;
  // Last resort for a picture file the host could not read: a Windows bitmap file
  // (GBK path). The platform-free default knows none.
  virtual Bitmap FromBitmapFile(const std::string& path) { return 0; }
};

// The service in use, or null (then no picture can be made and Destroy does nothing).
PictureService* CurrentPictureService();
PictureService* SetPictureService(PictureService* service);  // returns the previous one

// Bitmaps are the bytes themselves, kept by handle. Used by tools that move grid
// files around without showing them, and by tests (it counts what is alive).
class MemoryPictureService : public PictureService {
 public:
  // Empty input makes no bitmap; anything else is accepted as it is.
  Bitmap FromBytes(const uint8_t* bytes, size_t length) override;
  bool ToBytes(Bitmap bitmap, std::vector<uint8_t>* bytes) override;
  void Destroy(Bitmap bitmap) override;

  size_t LiveCount() const { return live_.size(); }
  size_t DestroyedUnknown() const { return destroyedUnknown_; }  // double or foreign destroys

 private:
  std::map<Bitmap, std::vector<uint8_t>> live_;
  Bitmap next_ = 0x1000;
  size_t destroyedUnknown_ = 0;
};

// Installs a service for its lifetime (tests, tools).
class ScopedPictureService {
 public:
  explicit ScopedPictureService(PictureService* service) : previous_(SetPictureService(service)) {}
  ~ScopedPictureService() { SetPictureService(previous_); }
  ScopedPictureService(const ScopedPictureService&) = delete;
  ScopedPictureService& operator=(const ScopedPictureService&) = delete;

 private:
  PictureService* previous_;
};

}  // namespace grid
