#include "tools/qgd/JsonWriter.h"

namespace qgd {

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) out_ += level.oneLine ? ", " : ",";
  if (!level.oneLine) {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
  }
  level.empty = false;
}

void JsonWriter::Open(char c, bool oneLine) {
  BeforeValue();
  out_ += c;
  // Inside a one-line container everything stays on that line.
  bool inherited = !levels_.empty() && levels_.back().oneLine;
  levels_.push_back({oneLine || inherited, true});
}

void JsonWriter::Close(char c) {
  Level level = levels_.back();
  levels_.pop_back();
  if (!level.oneLine && !level.empty) {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
  }
  out_ += c;
  if (levels_.empty()) out_ += '\n';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  Quote(name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::Integer(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  Quote(utf8);
}

void JsonWriter::Quote(std::string_view utf8) {
  static const char kHex[] = "0123456789abcdef";
  out_ += '"';
  for (char c : utf8) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out_ += "\\u00";
          out_ += kHex[(c >> 4) & 0xF];
          out_ += kHex[c & 0xF];
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
}

}  // namespace qgd
