#include "tools/qgd/JsonReader.h"

#include <cstring>

namespace qgd {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(uint32_t cp, std::string* out) {
  if (cp < 0x80) {
    *out += char(cp);
  } else if (cp < 0x800) {
    *out += char(0xC0 | cp >> 6);
    *out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out += char(0xE0 | cp >> 12);
    *out += char(0x80 | (cp >> 6 & 0x3F));
    *out += char(0x80 | (cp & 0x3F));
  } else {
    *out += char(0xF0 | cp >> 18);
    *out += char(0x80 | (cp >> 12 & 0x3F));
    *out += char(0x80 | (cp >> 6 & 0x3F));
    *out += char(0x80 | (cp & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence at s[i], or 0.
size_t Utf8Length(std::string_view s, size_t i) {
  uint8_t b = uint8_t(s[i]);
  if (b < 0x80) return 1;
  size_t n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((uint8_t(s[i + k]) & 0xC0) != 0x80) return 0;
  uint8_t second = uint8_t(s[i + 1]);
  if (b == 0xE0 && second < 0xA0) return 0;   // overlong
  if (b == 0xED && second >= 0xA0) return 0;  // surrogate
  if (b == 0xF0 && second < 0x90) return 0;   // overlong
  if (b == 0xF4 && second >= 0x90) return 0;  // beyond U+10FFFF
  return n;
}

}  // namespace

JsonReader::JsonReader(std::string_view text, JsonLimits limits) : text_(text), limits_(limits) {
  if (text.size() > limits_.maxBytes)
    FailAt(0, "JSON input larger than " + std::to_string(limits_.maxBytes) + " bytes");
}

bool JsonReader::FailAt(size_t offset, const std::string& message) {
  if (failed_) return false;
  failed_ = true;
  size_t line = 1, column = 1;
  for (size_t i = 0; i < offset && i < text_.size(); ++i) {
    if (text_[i] == '\n') {
      ++line;
      column = 1;
    } else if ((uint8_t(text_[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  error_ = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
  return false;
}

bool JsonReader::Fail(const std::string& message) { return FailAt(valueStart_, message); }

void JsonReader::SkipSpace() {
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') break;
    ++pos_;
  }
}

bool JsonReader::Expect(char c, const char* what) {
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == c) {
    ++pos_;
    return true;
  }
  return FailAt(pos_, std::string("expected ") + what);
}

JsonReader::Kind JsonReader::Peek() {
  if (failed_) return Kind::kBad;
  SkipSpace();
  if (pos_ >= text_.size()) return Kind::kEnd;
  switch (text_[pos_]) {
    case 'n': return Kind::kNull;
    case 't':
    case 'f': return Kind::kBool;
    case '"': return Kind::kString;
    case '[': return Kind::kArray;
    case '{': return Kind::kObject;
    default: return text_[pos_] == '-' || IsDigit(text_[pos_]) ? Kind::kNumber : Kind::kBad;
  }
}

bool JsonReader::Open(char c) {
  if (failed_) return false;
  SkipSpace();
  valueStart_ = pos_;
  if (pos_ >= text_.size() || text_[pos_] != c)
    return FailAt(pos_, c == '{' ? "expected an object" : "expected an array");
  if (int(first_.size()) >= limits_.maxDepth)
    return FailAt(pos_, "nesting deeper than " + std::to_string(limits_.maxDepth) + " levels");
  ++pos_;
  first_.push_back(1);
  return true;
}

bool JsonReader::BeginObject() { return Open('{'); }
bool JsonReader::BeginArray() { return Open('['); }

bool JsonReader::NextMember(std::string* key) {
  if (failed_ || first_.empty()) return false;
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == '}') {
    ++pos_;
    first_.pop_back();
    return false;
  }
  if (!first_.back() && !Expect(',', "',' or '}'")) return false;
  first_.back() = 0;
  SkipSpace();
  if (pos_ >= text_.size() || text_[pos_] != '"') return FailAt(pos_, "expected a member name");
  if (!String(key)) return false;
  return Expect(':', "':'");
}

bool JsonReader::NextItem() {
  if (failed_ || first_.empty()) return false;
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == ']') {
    ++pos_;
    first_.pop_back();
    return false;
  }
  if (!first_.back() && !Expect(',', "',' or ']'")) return false;
  first_.back() = 0;
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == ']') return FailAt(pos_, "expected a value after ','");
  return true;
}

bool JsonReader::String(std::string* out) {
  if (failed_) return false;
  SkipSpace();
  valueStart_ = pos_;
  if (pos_ >= text_.size() || text_[pos_] != '"') return FailAt(pos_, "expected a string");
  ++pos_;
  out->clear();
  while (true) {
    if (pos_ >= text_.size()) return FailAt(valueStart_, "string without its closing quote");
    char c = text_[pos_];
    if (c == '"') {
      ++pos_;
      return true;
    }
    if (uint8_t(c) < 0x20) return FailAt(pos_, "control character in a string");
    if (c != '\\') {
      size_t n = Utf8Length(text_, pos_);
      if (n == 0) return FailAt(pos_, "invalid UTF-8 in a string");
      out->append(text_.data() + pos_, n);
      pos_ += n;
      continue;
    }
    if (pos_ + 1 >= text_.size()) return FailAt(pos_, "string without its closing quote");
    char e = text_[pos_ + 1];
    pos_ += 2;
    switch (e) {
      case '"': *out += '"'; break;
      case '\\': *out += '\\'; break;
      case '/': *out += '/'; break;
      case 'b': *out += '\b'; break;
      case 'f': *out += '\f'; break;
      case 'n': *out += '\n'; break;
      case 'r': *out += '\r'; break;
      case 't': *out += '\t'; break;
      case 'u': {
        auto hex4 = [&](uint32_t* v) {
          if (pos_ + 4 > text_.size()) return false;
          *v = 0;
          for (int k = 0; k < 4; ++k) {
            int h = HexValue(text_[pos_ + k]);
            if (h < 0) return false;
            *v = *v << 4 | uint32_t(h);
          }
          pos_ += 4;
          return true;
        };
        size_t escapeAt = pos_ - 2;
        uint32_t cp;
        if (!hex4(&cp)) return FailAt(escapeAt, "bad \\u escape");
        if (cp >= 0xDC00 && cp <= 0xDFFF) return FailAt(escapeAt, "lone low surrogate in \\u escape");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
          uint32_t low;
          if (pos_ + 2 > text_.size() || text_[pos_] != '\\' || text_[pos_ + 1] != 'u')
            return FailAt(escapeAt, "high surrogate without its low half");
          pos_ += 2;
          if (!hex4(&low) || low < 0xDC00 || low > 0xDFFF)
            return FailAt(escapeAt, "high surrogate without its low half");
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(cp, out);
        break;
      }
      default: return FailAt(pos_ - 2, "bad escape in a string");
    }
  }
}

bool JsonReader::ScanNumber(size_t* end, bool* integral) {
  size_t i = pos_;
  *integral = true;
  if (i < text_.size() && text_[i] == '-') ++i;
  if (i >= text_.size() || !IsDigit(text_[i])) return FailAt(pos_, "bad number");
  if (text_[i] == '0') {
    ++i;
  } else {
    while (i < text_.size() && IsDigit(text_[i])) ++i;
  }
  if (i < text_.size() && text_[i] == '.') {
    *integral = false;
    ++i;
    if (i >= text_.size() || !IsDigit(text_[i])) return FailAt(pos_, "bad number");
    while (i < text_.size() && IsDigit(text_[i])) ++i;
  }
  if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
    *integral = false;
    ++i;
    if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) ++i;
    if (i >= text_.size() || !IsDigit(text_[i])) return FailAt(pos_, "bad number");
    while (i < text_.size() && IsDigit(text_[i])) ++i;
  }
  *end = i;
  return true;
}

bool JsonReader::Integer(int64_t* out) {
  if (failed_) return false;
  SkipSpace();
  valueStart_ = pos_;
  if (Peek() != Kind::kNumber) return FailAt(pos_, "expected an integer");
  size_t end;
  bool integral;
  if (!ScanNumber(&end, &integral)) return false;
  if (!integral) return FailAt(pos_, "expected an integer, not a fraction or exponent");
  bool negative = text_[pos_] == '-';
  uint64_t magnitude = 0;
  const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
  for (size_t i = pos_ + (negative ? 1 : 0); i < end; ++i) {
    uint64_t digit = uint64_t(text_[i] - '0');
    if (magnitude > (limit - digit) / 10) return FailAt(pos_, "integer out of range");
    magnitude = magnitude * 10 + digit;
  }
  *out = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  pos_ = end;
  return true;
}

bool JsonReader::Bool(bool* out) {
  if (failed_) return false;
  SkipSpace();
  valueStart_ = pos_;
  std::string_view rest = text_.substr(pos_);
  if (rest.substr(0, 4) == "true") {
    *out = true;
    pos_ += 4;
    return true;
  }
  if (rest.substr(0, 5) == "false") {
    *out = false;
    pos_ += 5;
    return true;
  }
  return FailAt(pos_, "expected true or false");
}

bool JsonReader::Null() {
  if (failed_) return false;
  SkipSpace();
  valueStart_ = pos_;
  if (text_.substr(pos_, 4) == "null") {
    pos_ += 4;
    return true;
  }
  return FailAt(pos_, "expected null");
}

bool JsonReader::Skip() {
  std::string scratch;
  switch (Peek()) {
    case Kind::kNull: return Null();
    case Kind::kBool: {
      bool b;
      return Bool(&b);
    }
    case Kind::kString: return String(&scratch);
    case Kind::kNumber: {
      valueStart_ = pos_;
      size_t end;
      bool integral;
      if (!ScanNumber(&end, &integral)) return false;
      pos_ = end;
      return true;
    }
    case Kind::kArray:
      if (!BeginArray()) return false;
      while (NextItem())
        if (!Skip()) return false;
      return !failed_;
    case Kind::kObject:
      if (!BeginObject()) return false;
      while (NextMember(&scratch))
        if (!Skip()) return false;
      return !failed_;
    case Kind::kEnd: return FailAt(pos_, "unexpected end of input");
    default: return FailAt(pos_, "expected a value");
  }
}

bool JsonReader::Finish() {
  if (failed_) return false;
  SkipSpace();
  if (pos_ != text_.size()) return FailAt(pos_, "unexpected text after the end");
  return true;
}

}  // namespace qgd
