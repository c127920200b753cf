// The window template block and the core property blocks from arbitrary bytes: reading
// must never crash, hang or read out of bounds, and whatever reads back must survive
// a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/core/DataValue.h"
#include "runtime/core/TemplateReader.h"
#include "runtime/core/TemplateWriter.h"
#include "runtime/core/UnitPropertyBlocks.h"

namespace {

rt::HandlerResult Handler(const rt::EventArgs&) { return rt::HandlerResult::None(); }
const rt::EventHandler kEntries[18] = {Handler, Handler, Handler, Handler, Handler, Handler,
                                       Handler, Handler, Handler, Handler, Handler, Handler,
                                       Handler, Handler, Handler, Handler, Handler, Handler};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Read, write, read again: the second write must give the same bytes.
template <typename Props, typename Reader, typename Writer>
void RoundTrip(const uint8_t* data, size_t size, Reader read, Writer write) {
  Props p;
  if (!read(data, size, &p)) return;
  std::vector<uint8_t> once = write(p);
  Props q;
  Check(read(once.data(), once.size(), &q));
  Check(write(q) == once);
}

void ReadProperties(const uint8_t* data, size_t size) {
  RoundTrip<rt::WindowProps>(data, size, rt::ReadWindowProps, rt::WriteWindowProps);
  RoundTrip<rt::LabelProps>(data, size, rt::ReadLabelProps, rt::WriteLabelProps);
  RoundTrip<rt::EditBoxProps>(data, size, rt::ReadEditBoxProps, rt::WriteEditBoxProps);
  RoundTrip<rt::ButtonProps>(data, size, rt::ReadButtonProps, rt::WriteButtonProps);
  RoundTrip<rt::CheckProps>(data, size, rt::ReadCheckBoxProps, rt::WriteCheckBoxProps);
  RoundTrip<rt::CheckProps>(data, size, rt::ReadRadioBoxProps, rt::WriteRadioBoxProps);
  RoundTrip<rt::GroupBoxProps>(data, size, rt::ReadGroupBoxProps, rt::WriteGroupBoxProps);
  RoundTrip<rt::CommonDialogProps>(data, size, rt::ReadCommonDialogProps, rt::WriteCommonDialogProps);
  rt::ReadDateBoxProps(data, size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReadProperties(data, size);

  rt::TemplateSet set;
  if (!rt::LoadWindowTemplates(data, size, &set)) {
    Check(set.windows.empty());
    return 0;
  }
  // Every unit's own block goes to the reader of its kind.
  for (const rt::WindowTemplate& w : set.windows)
    for (const rt::UnitTemplate& u : w.units) ReadProperties(u.propertyBlock.data(), u.propertyBlock.size());

  std::vector<uint8_t> once = rt::WriteWindowTemplates(set);
  rt::TemplateSet again;
  Check(rt::LoadWindowTemplates(once.data(), once.size(), &again));
  Check(rt::WriteWindowTemplates(again) == once);

  rt::BindHandlers(&set, rt::HandlerTable{kEntries, 18});
  rt::BindHandlers(&set, rt::HandlerTable{nullptr, 0});
  return 0;
}
