// The item icons of the owner-drawn menu: an image list made from the stored icon
// data (icon size, then a picture strip), drawn with the key colour transparent, as it
// is, faded, or as a shadow.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace menu::win {

class MenuIcons {
 public:
  MenuIcons() = default;
  ~MenuIcons();
  MenuIcons(const MenuIcons&) = delete;
  MenuIcons& operator=(const MenuIcons&) = delete;

  // Empty or unreadable data leaves no icons (size 16 x 15).
  void Load(const std::vector<uint8_t>& data, uint32_t keyColor);
  const std::vector<uint8_t>& Data() const { return data_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Has(int index) const { return list_ && index >= 0 && index < ImageList_GetImageCount(list_); }

  enum class Look { kNormal, kFaded, kShadow };
  void Draw(HDC dc, int index, int x, int y, Look look, uint32_t shadowColor) const;

 private:
  HIMAGELIST list_ = nullptr;
  std::vector<uint8_t> data_;
  int width_ = 16, height_ = 15;
};

// The icons' key colour: the unset value means magenta.
uint32_t KeyColorOf(uint32_t stored);

}  // namespace menu::win
