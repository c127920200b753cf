#include "runtime/core/MenuLayout.h"

#include <gtest/gtest.h>

#include "runtime/core/MenuShortcutKeys.h"

namespace rt {
namespace {

UnitTemplate Item(uint32_t level, const char* caption, uint32_t state = 0, uint32_t shortcut = 0) {
  UnitTemplate u;
  u.id = 0x26000000;
  u.typeId = 0x10003;
  u.level = level;
  u.caption = caption;
  u.menuState = state;
  u.shortcut = shortcut;
  return u;
}

MenuPlan Plan(const std::vector<UnitTemplate>& items) {
  std::vector<const UnitTemplate*> view;
  for (const UnitTemplate& u : items) view.push_back(&u);
  return PlanMenu(view);
}

// "kind:item:parent:text"
std::vector<std::string> Dump(const MenuPlan& plan) {
  std::vector<std::string> out;
  for (const MenuEntry& e : plan.entries) {
    const char* kind = e.kind == MenuEntry::Kind::kPopup       ? "P"
                       : e.kind == MenuEntry::Kind::kSeparator ? "S"
                                                               : "C";
    out.push_back(std::string(kind) + ":" + std::to_string(e.item) + ":" + std::to_string(e.parent) + ":" +
                  e.text);
  }
  return out;
}

TEST(MenuLayout, TheProgramsMenuBar) {
  MenuPlan plan = Plan({Item(0, "程序     "), Item(1, "打开"), Item(1, "保存      "), Item(1, "-"),
                        Item(1, "退出"), Item(0, "工具    "), Item(1, "计算器     "), Item(1, "月历"),
                        Item(0, "打印   "), Item(1, "打印表头设置"), Item(1, "打印预览"), Item(1, "打印(Y)"),
                        Item(0, "帮助"), Item(1, "关于")});
  EXPECT_EQ(Dump(plan),
            (std::vector<std::string>{"P:0:-1:程序     ", "C:1:0:打开", "C:2:0:保存      ",
                                      "S:3:0:", "C:4:0:退出", "P:5:-1:工具    ", "C:6:5:计算器     ",
                                      "C:7:5:月历", "P:8:-1:打印   ", "C:9:8:打印表头设置", "C:10:8:打印预览",
                                      "C:11:8:打印(Y)", "P:12:-1:帮助", "C:13:12:关于"}));
  EXPECT_TRUE(plan.accelerators.empty());
}

TEST(MenuLayout, HiddenItemsTakeTheirSubItemsAlongAndStatesCarryOver) {
  MenuPlan plan = Plan({Item(0, "甲"), Item(1, "乙", menustate::kHidden), Item(2, "乙一"), Item(2, "乙二"),
                        Item(1, "丙", menustate::kChecked | menustate::kDisabled),
                        Item(0, "丁", menustate::kHidden), Item(1, "丁一")});
  EXPECT_EQ(Dump(plan), (std::vector<std::string>{"P:0:-1:甲", "C:4:0:丙"}));
  EXPECT_TRUE(plan.entries[1].checked);
  EXPECT_TRUE(plan.entries[1].disabled);
  EXPECT_FALSE(plan.entries[0].checked);
}

TEST(MenuLayout, DeeperLevelsNestAndJumpsAreClamped) {
  MenuPlan plan =
      Plan({Item(0, "甲"), Item(1, "乙"), Item(2, "丙"), Item(4, "丁"), Item(1, "戊"), Item(0, "己")});
  EXPECT_EQ(Dump(plan), (std::vector<std::string>{"P:0:-1:甲", "P:1:0:乙", "P:2:1:丙", "C:3:2:丁", "C:4:0:戊",
                                                  "C:5:-1:己"}));
}

TEST(MenuLayout, SeparatorsWhateverTheyHoldAndShortcutsAsAccelerators) {
  MenuPlan plan = Plan({Item(0, "文件"), Item(1, "-", 0, 3), Item(2, "被吞"), Item(1, "保存", 0, 19),
                        Item(1, "删除", 0, 76), Item(1, "越界", 0, 78)});
  EXPECT_EQ(Dump(plan), (std::vector<std::string>{"P:0:-1:文件", "S:1:0:", "C:3:0:保存\tCtrl+S",
                                                  "C:4:0:删除\tDel", "C:5:0:越界"}));
  ASSERT_EQ(plan.accelerators.size(), 2u);
  EXPECT_EQ(plan.accelerators[0].virtualKey, 'S');
  EXPECT_TRUE(plan.accelerators[0].ctrl);
  EXPECT_EQ(plan.accelerators[0].command, 20003u);
  EXPECT_EQ(plan.accelerators[1].command, 20004u);
  EXPECT_FALSE(plan.accelerators[1].ctrl);
}

TEST(MenuShortcutKeys, TableHasSeventySevenDistinctKeys) {
  EXPECT_EQ(ShortcutKeyAt(0), nullptr);
  EXPECT_EQ(ShortcutKeyAt(78), nullptr);
  EXPECT_STREQ(ShortcutKeyAt(1)->name, "Ctrl+A");
  EXPECT_STREQ(ShortcutKeyAt(27)->name, "F1");
  EXPECT_STREQ(ShortcutKeyAt(74)->name, "Ctrl+Shift+F12");
  for (uint32_t i = 1; i <= 77; ++i) {
    for (uint32_t j = i + 1; j <= 77; ++j) {
      const ShortcutKey *a = ShortcutKeyAt(i), *b = ShortcutKeyAt(j);
      bool same =
          a->virtualKey == b->virtualKey && a->ctrl == b->ctrl && a->shift == b->shift && a->alt == b->alt;
      EXPECT_FALSE(same) << a->name << " and " << b->name;
    }
  }
}

}  // namespace
}  // namespace rt
