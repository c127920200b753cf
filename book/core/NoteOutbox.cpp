#include "book/core/NoteOutbox.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace book {

namespace {

constexpr std::string_view kHeader = "NOTE-OUTBOX 1\n";
constexpr std::string_view kMarker = "@entry ";
constexpr size_t kMaxEntryBytes = size_t(1) << 24;  // a note is a few KB

uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xffffffffu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

//--- Fields: each its length, a colon, then its bytes -------------------------------

void Put(std::string* out, std::string_view field) {
  *out += std::to_string(field.size());
  *out += ':';
  *out += field;
}

class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : rest_(bytes) {}
  bool Next(std::string* field) {
    size_t colon = rest_.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 9) return false;
    size_t size = 0;
    for (char c : rest_.substr(0, colon)) {
      if (c < '0' || c > '9') return false;
      size = size * 10 + size_t(c - '0');
    }
    if (size > rest_.size() - colon - 1) return false;
    field->assign(rest_.substr(colon + 1, size));
    rest_.remove_prefix(colon + 1 + size);
    return true;
  }
  bool Number(int64_t low, int64_t high, int64_t* value) {
    std::string text;
    if (!Next(&text) || text.empty() || text.size() > 20) return false;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end || v < low || v > high) return false;
    *value = v;
    return true;
  }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// The texts of an entry and of an item in the order they are written, for writing
// (const) and reading alike.
template <class Entry>
auto EntryTexts(Entry& e) {
  auto& n = e.note;
  return std::array{&e.savedAt, &n.filePath, &n.number, &n.customer, &n.handler, &n.noteDate, &n.printTitle};
}

template <class Item>
auto ItemTexts(Item& i) {
  return std::array{&i.dimensions, &i.quantity, &i.unit, &i.price, &i.amount, &i.remarks};
}

std::string Payload(const OutboxEntry& e) {
  const NoteRecord& n = e.note;
  std::string out;
  for (const std::string* f : EntryTexts(e)) Put(&out, *f);
  Put(&out, std::to_string(n.total));
  Put(&out, std::to_string(n.items.size()));
  for (const NoteItem& i : n.items) {
    Put(&out, std::to_string(i.row));
    for (const std::string* f : ItemTexts(i)) Put(&out, *f);
  }
  return out;
}

bool ReadItem(FieldReader& r, NoteItem* item) {
  int64_t row = 0;
  if (!r.Number(0, 1000, &row)) return false;
  item->row = int(row);
  for (std::string* f : ItemTexts(*item))
    if (!r.Next(f)) return false;
  return true;
}

bool ReadPayload(std::string_view bytes, OutboxEntry* e) {
  FieldReader r(bytes);
  NoteRecord& n = e->note;
  for (std::string* f : EntryTexts(*e))
    if (!r.Next(f)) return false;
  int64_t total = 0, count = 0;
  if (!r.Number(INT64_MIN + 1, INT64_MAX, &total) || !r.Number(0, 1000, &count)) return false;
  n.total = total;
  n.items.resize(size_t(count));
  for (NoteItem& item : n.items)
    if (!ReadItem(r, &item)) return false;
  return r.AtEnd();
}

// One entry at `at` (its marker): its end, or npos when it does not read.
size_t ReadEntry(std::string_view bytes, size_t at, OutboxEntry* e) {
  size_t lineEnd = bytes.find('\n', at);
  if (lineEnd == std::string_view::npos || lineEnd - at > 40) return std::string_view::npos;
  std::string line(bytes.substr(at + kMarker.size(), lineEnd - at - kMarker.size()));
  unsigned long long size = 0;
  unsigned crc = 0;
  char tail = 0;
  if (std::sscanf(line.c_str(), "%llu %8x%c", &size, &crc, &tail) != 2 || size > kMaxEntryBytes)
    return std::string_view::npos;
  size_t start = lineEnd + 1, end = start + size_t(size);
  if (end >= bytes.size() || bytes[end] != '\n') return std::string_view::npos;
  std::string_view payload = bytes.substr(start, size_t(size));
  if (Crc32(payload) != crc || !ReadPayload(payload, e)) return std::string_view::npos;
  return end + 1;
}

}  // namespace

std::string WriteOutbox(const std::vector<OutboxEntry>& entries) {
  std::string out(kHeader);
  for (const OutboxEntry& e : entries) {
    std::string payload = Payload(e);
    char line[48];
    std::snprintf(line, sizeof line, "%zu %08x\n", payload.size(), unsigned(Crc32(payload)));
    out += kMarker;
    out += line;
    out += payload;
    out += '\n';
  }
  return out;
}

// Each entry starts at a marker at the start of a line; a span that does not read is
// kept whole up to the next marker that starts an entry which does.
OutboxContents ReadOutbox(std::string_view bytes) {
  OutboxContents contents;
  size_t at = bytes.substr(0, kHeader.size()) == kHeader ? kHeader.size() : 0;
  size_t damagedFrom = std::string_view::npos;
  while (at < bytes.size()) {
    size_t next = at;
    OutboxEntry entry;
    bool marked = bytes.substr(at, kMarker.size()) == kMarker && (at == 0 || bytes[at - 1] == '\n');
    if (marked) next = ReadEntry(bytes, at, &entry);
    if (marked && next != std::string_view::npos) {
      if (damagedFrom != std::string_view::npos)
        contents.damaged.emplace_back(bytes.substr(damagedFrom, at - damagedFrom));
      damagedFrom = std::string_view::npos;
      contents.entries.push_back(std::move(entry));
      at = next;
      continue;
    }
    if (damagedFrom == std::string_view::npos) damagedFrom = at;
    size_t line = bytes.find('\n', at);
    at = line == std::string_view::npos ? bytes.size() : line + 1;
  }
  if (damagedFrom != std::string_view::npos) contents.damaged.emplace_back(bytes.substr(damagedFrom));
  return contents;
}

}  // namespace book
