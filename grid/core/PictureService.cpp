#include "grid/core/PictureService.h"

namespace grid {

namespace {
PictureService* g_service = nullptr;
}

PictureService* CurrentPictureService() { return g_service; }

PictureService* SetPictureService(PictureService* service) {
  PictureService* previous = g_service;
  g_service = service;
  return previous;
}

Bitmap MemoryPictureService::FromBytes(const uint8_t* bytes, size_t length) {
  if (!bytes || length == 0) return 0;
  Bitmap handle = next_++;
  live_.emplace(handle, std::vector<uint8_t>(bytes, bytes + length));
  return handle;
}

bool MemoryPictureService::ToBytes(Bitmap bitmap, std::vector<uint8_t>* bytes) {
  auto found = live_.find(bitmap);
  if (found == live_.end()) return false;
  *bytes = found->second;
  return true;
}

void MemoryPictureService::Destroy(Bitmap bitmap) {
  if (live_.erase(bitmap) == 0) ++destroyedUnknown_;
}

}  // namespace grid
