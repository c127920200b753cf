#include "runtime/core/UnitPropertyBlocks.h"

#include <algorithm>
#include <utility>

#include "runtime/core/ByteArchive.h"

namespace rt {

namespace {

//--- Shared pieces ------------------------------------------------------------------

// Skips the reserved words and reads the version, refusing one above `highest`.
bool Begin(ByteArchive& a, uint32_t highest, uint32_t* version) {
  return a.Skip(kReservedPropertyBytes) && a.ReadWord(version) && *version <= highest;
}

bool ReadFlag(ByteArchive& a, bool* out) {
  uint32_t w;
  if (!a.ReadWord(&w)) return false;
  *out = w != 0;
  return true;
}

bool ReadFont(ByteArchive& a, FontBytes* out) {
  return a.ReadCountedBytes(out) && (out->empty() || out->size() == kLogFontBytes);
}

// Every byte of the block must be accounted for.
bool End(const ByteArchive& a) { return a.Ok() && a.AtEnd(); }

ByteWriter Start(uint32_t version) {
  ByteWriter w;
  w.Zeros(kReservedPropertyBytes).Word(version);
  return w;
}

uint32_t Flag(bool b) { return b ? 1 : 0; }

}  // namespace

FontBytes MakeFontBytes(int32_t height, int32_t weight, uint8_t charSet, const std::string& face) {
  ByteWriter w;
  w.Int(height).Int(0).Int(0).Int(0).Int(weight);           // height, width, escapement, orientation, weight
  const uint8_t flags[8] = {0, 0, 0, charSet, 0, 0, 0, 0};  // italic .. pitch and family
  w.Bytes(flags, sizeof flags);
  char name[32] = {};
  std::copy_n(face.data(), std::min<size_t>(face.size(), 31), name);
  w.Bytes(name, sizeof name);
  return w.Take();
}

//--- Window -------------------------------------------------------------------------

bool ReadWindowProps(const uint8_t* block, size_t length, WindowProps* p) {
  ByteArchive a(block, length);
  WindowProps r;
  if (!Begin(a, 6, &r.version)) return false;
  a.ReadWord(&r.border);
  ReadFlag(a, &r.controlBox);
  ReadFlag(a, &r.minButton);
  ReadFlag(a, &r.maxButton);
  a.ReadWord(&r.backColor);
  a.ReadWord(&r.startPosition);
  ReadFlag(a, &r.topMost);
  a.ReadCountedBytes(&r.icon);
  a.ReadCountedText(&r.caption);
  a.ReadCountedText(&r.className);
  if (r.version >= 6 && !ReadFont(a, &r.font)) return false;
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteWindowProps(const WindowProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(p.border).Word(Flag(p.controlBox)).Word(Flag(p.minButton)).Word(Flag(p.maxButton));
  w.Word(p.backColor).Word(p.startPosition).Word(Flag(p.topMost));
  w.CountedBytes(p.icon).CountedText(p.caption).CountedText(p.className);
  if (p.version >= 6) w.CountedBytes(p.font);
  return w.Take();
}

//--- Label --------------------------------------------------------------------------

bool ReadLabelProps(const uint8_t* block, size_t length, LabelProps* p) {
  ByteArchive a(block, length);
  LabelProps r;
  if (!Begin(a, 2, &r.version)) return false;
  a.ReadWord(&r.textColor);
  a.ReadWord(&r.backColor);
  a.ReadWord(&r.align);
  a.ReadWord(&r.verticalAlign);
  a.ReadWord(&r.border);
  ReadFlag(a, &r.wordWrap);
  ReadFlag(a, &r.transparent);
  for (uint32_t& s : r.spare) a.ReadWord(&s);
  if (!ReadFont(a, &r.font)) return false;
  a.ReadCountedBytes(&r.picture);
  a.ReadCountedText(&r.caption);
  if (r.version >= 2) {
    a.ReadCountedText(&r.dataSource);
    a.ReadCountedText(&r.dataField);
  }
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteLabelProps(const LabelProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(p.textColor).Word(p.backColor).Word(p.align).Word(p.verticalAlign).Word(p.border);
  w.Word(Flag(p.wordWrap)).Word(Flag(p.transparent));
  for (uint32_t s : p.spare) w.Word(s);
  w.CountedBytes(p.font).CountedBytes(p.picture).CountedText(p.caption);
  if (p.version >= 2) w.CountedText(p.dataSource).CountedText(p.dataField);
  return w.Take();
}

//--- Edit box -----------------------------------------------------------------------

bool ReadEditBoxProps(const uint8_t* block, size_t length, EditBoxProps* p) {
  ByteArchive a(block, length);
  EditBoxProps r;
  if (!Begin(a, 2, &r.version)) return false;
  a.ReadWord(&r.border);
  a.ReadWord(&r.textColor);
  a.ReadWord(&r.backColor);
  ReadFlag(a, &r.hideSelection);
  ReadFlag(a, &r.readOnly);
  ReadFlag(a, &r.multiLine);
  a.ReadWord(&r.scrollBars);
  a.ReadWord(&r.align);
  ReadFlag(a, &r.password);
  a.ReadHalf(&r.passwordChar);
  a.ReadWord(&r.maxLength);
  a.ReadWord(&r.inputMode);
  a.ReadInt(&r.spinMinimum);
  a.ReadInt(&r.spinMaximum);
  a.ReadWord(&r.selectionStart);
  a.ReadWord(&r.selectionLength);
  if (!ReadFont(a, &r.font)) return false;
  a.ReadCountedText(&r.content);
  if (r.version >= 2) {
    a.ReadCountedText(&r.dataSource);
    a.ReadCountedText(&r.dataField);
  }
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteEditBoxProps(const EditBoxProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(p.border).Word(p.textColor).Word(p.backColor).Word(Flag(p.hideSelection));
  w.Word(Flag(p.readOnly)).Word(Flag(p.multiLine)).Word(p.scrollBars).Word(p.align);
  w.Word(Flag(p.password)).Half(p.passwordChar);
  w.Word(p.maxLength).Word(p.inputMode).Int(p.spinMinimum).Int(p.spinMaximum);
  w.Word(p.selectionStart).Word(p.selectionLength);
  w.CountedBytes(p.font).CountedText(p.content);
  if (p.version >= 2) w.CountedText(p.dataSource).CountedText(p.dataField);
  return w.Take();
}

//--- Button -------------------------------------------------------------------------

bool ReadButtonProps(const uint8_t* block, size_t length, ButtonProps* p) {
  ByteArchive a(block, length);
  ButtonProps r;
  if (!Begin(a, 1, &r.version)) return false;
  ReadFlag(a, &r.isDefault);
  ReadFlag(a, &r.isCancel);
  a.ReadWord(&r.align);
  if (!ReadFont(a, &r.font)) return false;
  a.ReadCountedBytes(&r.picture);
  a.ReadCountedText(&r.caption);
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteButtonProps(const ButtonProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(Flag(p.isDefault)).Word(Flag(p.isCancel)).Word(p.align);
  w.CountedBytes(p.font).CountedBytes(p.picture).CountedText(p.caption);
  return w.Take();
}

//--- Check box and radio box --------------------------------------------------------

namespace {

bool ReadCheck(const uint8_t* block, size_t length, uint32_t highest, CheckProps* p) {
  ByteArchive a(block, length);
  CheckProps r;
  if (!Begin(a, highest, &r.version)) return false;
  ReadFlag(a, &r.pushLike);
  ReadFlag(a, &r.textOnLeft);
  ReadFlag(a, &r.flat);
  ReadFlag(a, &r.multiLine);
  a.ReadWord(&r.align);
  a.ReadWord(&r.verticalAlign);
  a.ReadWord(&r.textColor);
  ReadFlag(a, &r.checked);
  if (!ReadFont(a, &r.font)) return false;
  a.ReadCountedBytes(&r.picture);
  a.ReadCountedText(&r.caption);
  if (r.version >= 2) {  // only the check box reaches version 2
    a.ReadCountedText(&r.dataSource);
    a.ReadCountedText(&r.dataField);
  }
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteCheck(const CheckProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(Flag(p.pushLike)).Word(Flag(p.textOnLeft)).Word(Flag(p.flat)).Word(Flag(p.multiLine));
  w.Word(p.align).Word(p.verticalAlign).Word(p.textColor).Word(Flag(p.checked));
  w.CountedBytes(p.font).CountedBytes(p.picture).CountedText(p.caption);
  if (p.version >= 2) w.CountedText(p.dataSource).CountedText(p.dataField);
  return w.Take();
}

}  // namespace

bool ReadCheckBoxProps(const uint8_t* block, size_t length, CheckProps* p) {
  return ReadCheck(block, length, 2, p);
}
bool ReadRadioBoxProps(const uint8_t* block, size_t length, CheckProps* p) {
  return ReadCheck(block, length, 1, p);
}
std::vector<uint8_t> WriteCheckBoxProps(const CheckProps& p) { return WriteCheck(p); }
std::vector<uint8_t> WriteRadioBoxProps(const CheckProps& p) { return WriteCheck(p); }

//--- Group box ----------------------------------------------------------------------

bool ReadGroupBoxProps(const uint8_t* block, size_t length, GroupBoxProps* p) {
  ByteArchive a(block, length);
  GroupBoxProps r;
  if (!Begin(a, 1, &r.version)) return false;
  a.ReadWord(&r.align);
  ReadFlag(a, &r.flat);
  a.ReadWord(&r.textColor);
  if (!ReadFont(a, &r.font)) return false;
  a.ReadCountedText(&r.caption);
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteGroupBoxProps(const GroupBoxProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(p.align).Word(Flag(p.flat)).Word(p.textColor).CountedBytes(p.font).CountedText(p.caption);
  return w.Take();
}

//--- Common dialog ------------------------------------------------------------------

bool ReadCommonDialogProps(const uint8_t* block, size_t length, CommonDialogProps* p) {
  ByteArchive a(block, length);
  CommonDialogProps r;
  if (!Begin(a, 1, &r.version)) return false;
  a.ReadWord(&r.kind);
  ReadFlag(a, &r.mustExist);
  ReadFlag(a, &r.overwritePrompt);
  a.ReadCountedText(&r.title);
  a.ReadCountedText(&r.filter);
  a.ReadCountedText(&r.defaultExt);
  a.ReadCountedText(&r.initialDir);
  a.ReadCountedText(&r.fileName);
  if (!End(a)) return false;
  *p = std::move(r);
  return true;
}

std::vector<uint8_t> WriteCommonDialogProps(const CommonDialogProps& p) {
  ByteWriter w = Start(p.version);
  w.Word(p.kind).Word(Flag(p.mustExist)).Word(Flag(p.overwritePrompt));
  w.CountedText(p.title).CountedText(p.filter).CountedText(p.defaultExt);
  w.CountedText(p.initialDir).CountedText(p.fileName);
  return w.Take();
}

//--- Date box -----------------------------------------------------------------------

bool ReadDateBoxProps(const uint8_t* block, size_t length) {
  return block && length == kReservedPropertyBytes;
}

std::vector<uint8_t> WriteDateBoxProps() { return std::vector<uint8_t>(kReservedPropertyBytes, 0); }

}  // namespace rt
