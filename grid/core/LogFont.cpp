#include "grid/core/LogFont.h"

namespace grid {

void LogFont::SetFace(std::string_view face) {
  std::memset(faceName, 0, sizeof faceName);
  std::memcpy(faceName, face.data(), face.size() < 31 ? face.size() : 31);
}

LogFont DefaultGridFont() {
  LogFont f;
  f.height = -12;
  f.weight = 400;
  f.charSet = 134;  // GB2312
  f.SetFace("宋体");
  return f;
}

bool SameVisibleFont(const LogFont& a, const LogFont& b) {
  return a.Face() == b.Face() && a.height == b.height && a.weight == b.weight && a.italic == b.italic &&
         a.underline == b.underline && a.strikeOut == b.strikeOut;
}

const LogFont* FontPool::Intern(const LogFont& font) {
  LogFont normal = font;
  normal.SetFace(font.Face());
  std::string key(reinterpret_cast<const char*>(&normal), sizeof normal);
  auto found = index_.find(key);
  if (found != index_.end()) return found->second;
  fonts_.push_back(normal);
  const LogFont* stored = &fonts_.back();
  index_.emplace(std::move(key), stored);
  return stored;
}

void FontPool::Clear() {
  index_.clear();
  fonts_.clear();
}

}  // namespace grid
