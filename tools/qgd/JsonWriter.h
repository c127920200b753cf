// Writes JSON text (UTF-8) into a string. Containers opened as "one line" keep their
// contents on one line, which makes a long list of records easy to read; the others
// put each member or item on a line of its own, indented by two spaces per level.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qgd {

class JsonWriter {
 public:
  void BeginObject(bool oneLine = false) { Open('{', oneLine); }
  void EndObject() { Close('}'); }
  void BeginArray(bool oneLine = false) { Open('[', oneLine); }
  void EndArray() { Close(']'); }

  // The member name for the next value (inside an object).
  void Key(std::string_view name);
  void Integer(int64_t value);
  // `utf8` must be valid UTF-8; quotes, backslashes and control characters are escaped.
  void String(std::string_view utf8);
  void Bool(bool value);

  // The text, ending with a line break once the outermost value is closed.
  const std::string& Text() const { return out_; }
  std::string Take() { return std::move(out_); }

 private:
  struct Level {
    bool oneLine;
    bool empty;
  };
  void Open(char c, bool oneLine);
  void Close(char c);
  void BeforeValue();
  void Quote(std::string_view utf8);

  std::string out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace qgd
