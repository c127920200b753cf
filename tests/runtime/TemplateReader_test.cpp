#include "runtime/core/TemplateReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/core/TemplateWriter.h"
#include "tests/runtime/TemplateSamples.h"

namespace rt {
namespace {

using sample::TwoWindows;

TemplateSet Load(const std::vector<uint8_t>& block) {
  TemplateSet set;
  EXPECT_TRUE(LoadWindowTemplates(block.data(), block.size(), &set));
  return set;
}

bool Loads(const std::vector<uint8_t>& block) {
  TemplateSet set;
  set.windows.resize(3);  // whatever was there must go on failure too
  bool ok = LoadWindowTemplates(block.data(), block.size(), &set);
  if (!ok) {
    EXPECT_TRUE(set.windows.empty());
  }
  return ok;
}

//--- Reading what the writer wrote --------------------------------------------------

TEST(TemplateReader, ReadsEveryFieldTheWriterWrote) {
  TemplateSet set = Load(WriteWindowTemplates(TwoWindows()));
  ASSERT_EQ(set.windows.size(), 2u);
  const WindowTemplate& a = set.windows[0];
  EXPECT_EQ(a.windowId, sample::kWindowA);
  EXPECT_EQ(a.idWord, 0x19000010u);
  EXPECT_EQ(a.text1, "甲");
  EXPECT_EQ(a.text2, "");
  ASSERT_EQ(a.units.size(), 9u);
  EXPECT_EQ(a.units[0].id, sample::kWindowUnitA);
  EXPECT_EQ(a.units[0].typeId, tag::kWindow);

  const UnitTemplate* edit = a.FindUnit(sample::kEdit);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->name, "编辑框1");
  EXPECT_EQ(edit->remark, "备注");
  EXPECT_EQ(edit->tagText, "标记");
  EXPECT_EQ(edit->left, 10);
  EXPECT_EQ(edit->top, -8);
  EXPECT_EQ(edit->width, 120);
  EXPECT_EQ(edit->height, 24);
  EXPECT_EQ(edit->containerId, sample::kGroup);
  EXPECT_EQ(edit->state, 5u);
  EXPECT_EQ(edit->pointerBlock, (std::vector<uint8_t>{0, 0, 0, 0}));
  ASSERT_EQ(edit->events.size(), 1u);
  EXPECT_EQ(edit->events[0].event, 0);
  EXPECT_EQ(edit->events[0].offset, 2u);
  EditBoxProps ep;
  ASSERT_TRUE(ReadEditBoxProps(edit->propertyBlock.data(), edit->propertyBlock.size(), &ep));
  EXPECT_EQ(ep.content, "内容");
  EXPECT_EQ(a.FindUnit(sample::kGroup)->containedIds, std::vector<uint32_t>{sample::kEdit});

  const UnitTemplate* recent = a.FindUnit(sample::kMenuRecentOne);
  ASSERT_NE(recent, nullptr);
  EXPECT_TRUE(recent->IsMenuItem());
  EXPECT_EQ(recent->level, 2u);
  EXPECT_EQ(recent->shortcut, 77u);
  EXPECT_EQ(recent->menuState, 4u);
  EXPECT_EQ(recent->caption, "一");
  EXPECT_EQ(recent->click.offset, 1u);
  EXPECT_EQ(a.FindUnit(sample::kMenuFile)->caption, "文件  ");  // trailing spaces kept

  EXPECT_EQ(set.windows[1].units.size(), 2u);
  // A second write gives the same bytes: nothing is lost on the way.
  EXPECT_EQ(WriteWindowTemplates(set), WriteWindowTemplates(TwoWindows()));
}

TEST(TemplateReader, EmptyBlocksHoldNoWindows) {
  TemplateSet set;
  set.windows.resize(2);
  EXPECT_TRUE(LoadWindowTemplates(nullptr, 0, &set));
  EXPECT_TRUE(set.windows.empty());
  const std::vector<uint8_t> noWindows = {0, 0, 0, 0};
  EXPECT_TRUE(Loads(noWindows));
}

TEST(TemplateLookup, FindsWindowsAndUnitsByWholeId) {
  TemplateSet set = Load(WriteWindowTemplates(TwoWindows()));
  ASSERT_NE(set.Find(sample::kWindowB), nullptr);
  EXPECT_EQ(set.Find(sample::kWindowB)->units[1].name, "按钮1");
  EXPECT_EQ(set.Find(sample::kWindowB & 0xFFFF), nullptr);
  EXPECT_EQ(set.Find(0), nullptr);
  const TemplateSet& constant = set;
  EXPECT_EQ(constant.Find(sample::kWindowA)->FindUnit(sample::kLabel)->name, "标签1");
  // Unit ids are looked up inside their own window only.
  EXPECT_EQ(set.Find(sample::kWindowB)->FindUnit(sample::kLabel), nullptr);
  EXPECT_EQ(&set.Find(sample::kWindowA)->WindowUnit(), &set.Find(sample::kWindowA)->units[0]);
}

//--- Record offsets -----------------------------------------------------------------

// One window whose records are laid out in `order` (indices into its units), with the
// offsets pointing at them.
std::vector<uint8_t> BlockWithRecordOrder(const WindowTemplate& w, const std::vector<size_t>& order) {
  std::vector<uint32_t> offsets(w.units.size());
  ByteWriter records;
  for (size_t i : order) {
    offsets[i] = uint32_t(records.Size());
    records.CountedBytes(WriteUnitRecord(w.units[i]));
  }
  ByteWriter b;
  b.Word(8).Word(w.windowId).Word(0);
  b.Word(0).Word(w.idWord).CountedText(w.text1).CountedText(w.text2);
  b.Word(uint32_t(w.units.size())).Word(uint32_t(w.units.size() * 8 + records.Size()));
  for (const UnitTemplate& u : w.units) b.Word(u.id);
  for (uint32_t o : offsets) b.Word(o);
  b.Bytes(records.Data());
  return b.Take();
}

TEST(TemplateReader, OffsetsNotPositionsLocateRecords) {
  const WindowTemplate w = TwoWindows().windows[0];
  std::vector<size_t> reversed(w.units.size());
  for (size_t i = 0; i < reversed.size(); ++i) reversed[i] = reversed.size() - 1 - i;
  std::vector<size_t> shuffled = {3, 7, 0, 5, 1, 8, 2, 6, 4};

  for (const auto& order : {reversed, shuffled}) {
    TemplateSet set = Load(BlockWithRecordOrder(w, order));
    ASSERT_EQ(set.windows.size(), 1u);
    ASSERT_EQ(set.windows[0].units.size(), w.units.size());
    // Units keep the order of the id table, each with its own record.
    for (size_t i = 0; i < w.units.size(); ++i) {
      EXPECT_EQ(set.windows[0].units[i].id, w.units[i].id);
      EXPECT_EQ(WriteUnitRecord(set.windows[0].units[i]), WriteUnitRecord(w.units[i]));
    }
  }
}

//--- Handler binding ----------------------------------------------------------------

HandlerResult First(const EventArgs&) { return HandlerResult::Of(1); }
HandlerResult Second(const EventArgs&) { return HandlerResult::Of(2); }
HandlerResult Third(const EventArgs&) { return HandlerResult::Of(3); }
const EventHandler kTable[] = {First, Second, Third};

TEST(TemplateBinding, OffsetZeroIsTheFirstHandlerAndMinusOneIsNone) {
  TemplateSet set = Load(WriteWindowTemplates(TwoWindows()));
  ASSERT_TRUE(BindHandlers(&set, HandlerTable{kTable, 3}));
  WindowTemplate& a = *set.Find(sample::kWindowA);
  ASSERT_EQ(a.units[0].events.size(), 2u);
  EXPECT_EQ(a.units[0].events[0].handler, &First);   // offset 0 is bound
  EXPECT_EQ(a.units[0].events[1].handler, nullptr);  // -1 is not
  EXPECT_EQ(a.FindUnit(sample::kEdit)->events[0].handler, &Third);
  EXPECT_EQ(a.FindUnit(sample::kMenuOpen)->click.handler, &Second);
  EXPECT_EQ(a.FindUnit(sample::kMenuFile)->click.handler, nullptr);
  // A separator keeps its caption and whatever handler it names; the menu builder
  // makes it a separator by its caption.
  EXPECT_EQ(a.FindUnit(sample::kMenuLine)->caption, "-");
  EXPECT_EQ(a.FindUnit(sample::kMenuLine)->click.handler, &Third);
  EXPECT_EQ(set.Find(sample::kWindowB)->units[1].events[0].handler, &First);
}

TEST(TemplateBinding, AnOffsetPastTheTableBindsNothing) {
  TemplateSet set = Load(WriteWindowTemplates(TwoWindows()));
  // The sample uses offsets up to 2: a table of two entries is one short.
  EXPECT_FALSE(BindHandlers(&set, HandlerTable{kTable, 2}));
  EXPECT_EQ(set.windows[0].units[0].events[0].handler, nullptr);
  EXPECT_EQ(set.windows[0].FindUnit(sample::kMenuOpen)->click.handler, nullptr);
  EXPECT_FALSE(BindHandlers(&set, HandlerTable{nullptr, 0}));

  // A menu item's offset is checked the same way.
  TemplateSet menuOnly = TwoWindows();
  for (UnitTemplate& u : menuOnly.windows[0].units) {
    for (EventBinding& e : u.events) e.offset = kNoHandlerOffset;
    if (u.id != sample::kMenuOpen) u.click.offset = kNoHandlerOffset;
  }
  for (EventBinding& e : menuOnly.windows[1].units[1].events) e.offset = kNoHandlerOffset;
  menuOnly.windows[0].FindUnit(sample::kMenuOpen)->click.offset = 3;
  EXPECT_FALSE(BindHandlers(&menuOnly, HandlerTable{kTable, 3}));
  menuOnly.windows[0].FindUnit(sample::kMenuOpen)->click.offset = 2;
  EXPECT_TRUE(BindHandlers(&menuOnly, HandlerTable{kTable, 3}));
  EXPECT_TRUE(BindHandlers(&menuOnly, HandlerTable{kTable, 3}));  // binding again is harmless
}

}  // namespace
}  // namespace rt
