// A pull reader of JSON text: the caller walks objects and arrays in the order they
// come and takes each value as the type it expects. Errors are sticky: after the
// first one every call returns false, and Error() tells where and what in one line.
// Nesting depth and input size are limited; strings must be valid UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qgd {

struct JsonLimits {
  size_t maxBytes = size_t(1) << 30;
  int maxDepth = 64;
};

class JsonReader {
 public:
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject, kEnd, kBad };

  explicit JsonReader(std::string_view text, JsonLimits limits = JsonLimits());

  // The kind of the next value (white space skipped); kEnd at the end of the input.
  Kind Peek();

  // Objects: BeginObject, then NextMember until it returns false (at the closing brace,
  // which it consumes, or on an error); read or Skip each member's value in between.
  bool BeginObject();
  bool NextMember(std::string* key);
  // Arrays likewise with NextItem.
  bool BeginArray();
  bool NextItem();

  bool String(std::string* out);
  // An integer literal (no fraction or exponent) within the 64-bit range.
  bool Integer(int64_t* out);
  bool Bool(bool* out);
  bool Null();
  // Any one value, checked as strictly as the typed readers check theirs.
  bool Skip();
  // Only white space may remain.
  bool Finish();

  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }
  // Records an error at the start of the value last begun (for callers' own checks).
  bool Fail(const std::string& message);

 private:
  void SkipSpace();
  bool Expect(char c, const char* what);
  bool FailAt(size_t offset, const std::string& message);
  bool ScanNumber(size_t* end, bool* integral);
  bool Open(char c);

  std::string_view text_;
  JsonLimits limits_;
  size_t pos_ = 0;
  size_t valueStart_ = 0;
  std::vector<char> first_;  // per open container: no member or item read yet
  bool failed_ = false;
  std::string error_;
};

}  // namespace qgd
