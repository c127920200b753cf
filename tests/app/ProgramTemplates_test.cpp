// The program's own template block, read back the way the host reads it.
#include "app/core/ProgramTemplates.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>

#include "app/core/HandlerIds.h"
#include "app/core/ProgramIcons.h"
#include "runtime/core/DataValue.h"
#include "runtime/core/TemplateReader.h"
#include "runtime/core/UnitPropertyBlocks.h"

namespace app {
namespace {

using rt::UnitTemplate;
using rt::WindowTemplate;
namespace tag = rt::tag;

const rt::TemplateSet& Loaded() {
  static const rt::TemplateSet set = [] {
    rt::TemplateSet s;
    const std::vector<uint8_t>& block = ProgramTemplateBlock();
    EXPECT_TRUE(rt::LoadWindowTemplates(block.data(), block.size(), &s));
    return s;
  }();
  return set;
}

const WindowTemplate& Window(uint32_t id) {
  const WindowTemplate* w = Loaded().Find(id);
  if (!w) throw std::runtime_error("window missing");
  return *w;
}

const UnitTemplate& UnitOf(uint32_t windowId, uint32_t unitId) {
  const UnitTemplate* u = Window(windowId).FindUnit(unitId);
  if (!u) throw std::runtime_error("unit missing");
  return *u;
}

// The single handler bound to `event`, or -1 when none.
int64_t HandlerFor(const UnitTemplate& u, int32_t event) {
  for (const rt::EventBinding& e : u.events)
    if (e.event == event) return e.offset == rt::kNoHandlerOffset ? -1 : int64_t(e.offset);
  return -1;
}

constexpr int64_t H(HandlerId id) { return int64_t(HandlerOffset(id)); }

// The text a unit shows: caption or content, read through its kind's reader.
std::string TextOf(const UnitTemplate& u) {
  const uint8_t* b = u.propertyBlock.data();
  const size_t n = u.propertyBlock.size();
  switch (u.typeId) {
    case tag::kLabel: {
      rt::LabelProps p;
      return rt::ReadLabelProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    case tag::kEditBox: {
      rt::EditBoxProps p;
      return rt::ReadEditBoxProps(b, n, &p) ? p.content : "<unreadable>";
    }
    case tag::kButton: {
      rt::ButtonProps p;
      return rt::ReadButtonProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    case tag::kCheckBox: {
      rt::CheckProps p;
      return rt::ReadCheckBoxProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    case tag::kRadioBox: {
      rt::CheckProps p;
      return rt::ReadRadioBoxProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    case tag::kGroupBox: {
      rt::GroupBoxProps p;
      return rt::ReadGroupBoxProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    case tag::kWindow: {
      rt::WindowProps p;
      return rt::ReadWindowProps(b, n, &p) ? p.caption : "<unreadable>";
    }
    default: return "";
  }
}

rt::WindowProps WindowPropsOf(uint32_t windowId) {
  const UnitTemplate& u = Window(windowId).units.at(0);
  rt::WindowProps p;
  EXPECT_TRUE(rt::ReadWindowProps(u.propertyBlock.data(), u.propertyBlock.size(), &p));
  return p;
}

struct Expected {
  const char* name;
  uint32_t id;
  uint32_t type;
  int32_t left, top, width, height;
  uint32_t state;
  const char* text;  // null: not compared
  int32_t event;     // -1: nothing bound
  int64_t handler;
};

void ExpectUnit(uint32_t windowId, const Expected& e, uint32_t container = 0) {
  SCOPED_TRACE(e.name);
  const UnitTemplate& u = UnitOf(windowId, e.id);
  EXPECT_EQ(u.name, e.name);
  EXPECT_EQ(u.typeId, e.type);
  EXPECT_EQ(u.left, e.left);
  EXPECT_EQ(u.top, e.top);
  EXPECT_EQ(u.width, e.width);
  EXPECT_EQ(u.height, e.height);
  EXPECT_EQ(u.state, e.state);
  EXPECT_EQ(u.containerId, container);
  EXPECT_EQ(u.pointerBlock, (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(u.tagText, "");
  if (e.text) {
    EXPECT_EQ(TextOf(u), e.text);
  }
  if (e.event < 0) {
    EXPECT_TRUE(u.events.empty());
  } else {
    ASSERT_EQ(u.events.size(), 1u);
    EXPECT_EQ(HandlerFor(u, e.event), e.handler);
  }
}

//--- The windows --------------------------------------------------------------------

TEST(ProgramTemplates, TheNoteWindowsFirstThenTheBookWindows) {
  const rt::TemplateSet& set = Loaded();
  ASSERT_EQ(set.windows.size(), 11u);
  EXPECT_EQ(set.windows[5].windowId, kNumberFormatWindowId);
  EXPECT_EQ(set.windows[6].windowId, kHistoryWindowId);
  EXPECT_EQ(set.windows[7].windowId, kPaymentWindowId);
  EXPECT_EQ(set.windows[8].windowId, kStatementWindowId);
  EXPECT_EQ(set.windows[9].windowId, kReceivablesWindowId);
  EXPECT_EQ(set.windows[10].windowId, kBookPlaceWindowId);
  const uint32_t ids[] = {kMainWindowId, kPrintHeaderWindowId, kAboutWindowId, kCalendarWindowId,
                          kHelpWindowId};
  const uint32_t windowUnits[] = {kMainWindowUnitId, kPrintHeaderWindowUnitId, kAboutWindowUnitId,
                                  kCalendarWindowUnitId, kHelpWindowUnitId};
  const size_t unitCounts[] = {37, 47, 2, 2, 2};
  const uint32_t idWords[] = {0x19010018, 0x19010050, 0, 0, 0};
  for (size_t i = 0; i < 5; ++i) {
    const WindowTemplate& w = set.windows[i];
    EXPECT_EQ(w.windowId, ids[i]);
    EXPECT_EQ(w.units.size(), unitCounts[i]);
    EXPECT_EQ(w.idWord, idWords[i]);
    EXPECT_EQ(w.text1, "");
    EXPECT_EQ(w.text2, "");
    EXPECT_EQ(w.units[0].id, windowUnits[i]);
    EXPECT_EQ(w.units[0].typeId, tag::kWindow);
    EXPECT_EQ(w.units[0].left, 50);
    EXPECT_EQ(w.units[0].top, 50);
    EXPECT_EQ(w.units[0].state, 1u);
  }
}

TEST(ProgramTemplates, MainWindowAndItsUnits) {
  const UnitTemplate& window = Window(kMainWindowId).units[0];
  EXPECT_EQ(window.width, 691);
  EXPECT_EQ(window.height, 587);
  EXPECT_EQ(HandlerFor(window, 0), H(HandlerId::OnMainWindowCreated));
  EXPECT_EQ(HandlerFor(window, 3), -1);
  EXPECT_EQ(HandlerFor(window, 4), H(HandlerId::FitGridToWindow));
  const rt::WindowProps props = WindowPropsOf(kMainWindowId);
  EXPECT_EQ(props.version, 6u);
  EXPECT_EQ(props.caption, "青禾简易表格生成器");
  EXPECT_EQ(props.icon, SheetIcon());

  const Expected units[] = {
      {"标签2", kHeaderLabelId, tag::kLabel, 8, 0, 56, 24, 1, "打印表头", -1, 0},
      {"编辑框2", kHeaderTextEditId, tag::kEditBox, 64, 0, 104, 24, 5, "青禾系列软件", 0,
       H(HandlerId::OnHeaderTextChanged)},
      {"标签1", kCustomerLabelId, tag::kLabel, 192, 0, 56, 24, 1, "客户名称", -1, 0},
      {"编辑框1", kCustomerEditId, tag::kEditBox, 256, 0, 104, 24, 5, "", 0, H(HandlerId::OnCustomerChanged)},
      {"标签3", kDateLabelId, tag::kLabel, 384, 0, 32, 24, 1, "日期", -1, 0},
      {"日期框1", kDateBoxId, tag::kDateBox, 424, 0, 136, 24, 5, "", 0, H(HandlerId::OnDateChanged)},
      {"按钮1", kHelpButtonId, tag::kButton, 584, 0, 80, 24, 5, "使用帮助", 0, H(HandlerId::OnUsageHelp)},
      {"高级表格1", kGridUnitId, tag::kGrid, 16, 24, 632, 424, 5, "", 2, 0},
      {"通用对话框1", kOpenDialogId, tag::kCommonDialog, 616, -8, 16, 24, 0, "", -1, 0},
      {"通用对话框2", kSaveDialogId, tag::kCommonDialog, 632, 0, 16, 24, 0, "", -1, 0},
      {"超级菜单1", kOwnerMenuId, tag::kOwnerMenu, 0, 40, 24, 16, 0, "", -1, 0},
  };
  for (const Expected& e : units) ExpectUnit(kMainWindowId, e);
  // The grid's edit-ended event is the handler table's first entry.
  EXPECT_EQ(HandlerFor(UnitOf(kMainWindowId, kGridUnitId), 2), 0);

  const UnitTemplate& date = UnitOf(kMainWindowId, kDateBoxId);
  EXPECT_TRUE(rt::ReadDateBoxProps(date.propertyBlock.data(), date.propertyBlock.size()));

  rt::CommonDialogProps open, save;
  const UnitTemplate& o = UnitOf(kMainWindowId, kOpenDialogId);
  const UnitTemplate& s = UnitOf(kMainWindowId, kSaveDialogId);
  ASSERT_TRUE(rt::ReadCommonDialogProps(o.propertyBlock.data(), o.propertyBlock.size(), &open));
  ASSERT_TRUE(rt::ReadCommonDialogProps(s.propertyBlock.data(), s.propertyBlock.size(), &save));
  EXPECT_EQ(open.kind, 0u);
  EXPECT_EQ(save.kind, 1u);
  EXPECT_EQ(save.defaultExt, "qgd");
}

TEST(ProgramTemplates, HeaderEditBoxBlockIsThe114StoredBytes) {
  const UnitTemplate& u = UnitOf(kMainWindowId, kHeaderTextEditId);
  ASSERT_EQ(u.propertyBlock.size(), 114u);
  const uint8_t start[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0,    0, 0, 0, 0, 0,  // reserved
                           2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
  EXPECT_TRUE(std::equal(std::begin(start), std::end(start), u.propertyBlock.begin()));
  const std::string tail = std::string("\x0c\0\0\0", 4) + "青禾系列软件" + std::string(8, '\0');
  EXPECT_EQ(std::string(u.propertyBlock.end() - tail.size(), u.propertyBlock.end()), tail);
}

TEST(ProgramTemplates, MainMenuCaptionsAreByteExact) {
  struct Item {
    uint32_t id;
    uint32_t level;
    const char* caption;
    int64_t handler;
  };
  const Item items[] = {
      {kMenuProgramId, 0, "程序     ", -1},
      {kMenuOpenId, 1, "打开", H(HandlerId::OnOpen)},
      {kMenuSaveId, 1, "保存      ", H(HandlerId::OnSave)},
      {kMenuSeparatorId, 1, "-", -1},
      {kMenuExitId, 1, "退出", H(HandlerId::OnExit)},
      {kMenuToolsId, 0, "工具    ", -1},
      {kMenuCalculatorId, 1, "计算器     ", H(HandlerId::OnCalculator)},
      {kMenuCalendarId, 1, "月历", H(HandlerId::OnMonthCalendar)},
      {kMenuPrintId, 0, "打印   ", -1},
      {kMenuPrintHeaderId, 1, "打印表头设置", H(HandlerId::OnPrintHeaderSettings)},
      {kMenuPrintPreviewId, 1, "打印预览", H(HandlerId::OnPrintPreview)},
      {kMenuPrintNowId, 1, "打印(Y)", H(HandlerId::OnPrint)},
      {kMenuBookId, 0, "账本", -1},
      {kMenuNewNoteId, 1, "新单据", H(HandlerId::OnNewNote)},
      {kMenuNumberFormatId, 1, "单据编号…", H(HandlerId::OnNumberFormat)},
      {kMenuHistoryId, 1, "历史单据…", H(HandlerId::OnHistory)},
      {kMenuPaymentsId, 1, "收款登记…", H(HandlerId::OnPayments)},
      {kMenuStatementId, 1, "客户对账单…", H(HandlerId::OnStatement)},
      {kMenuReceivablesId, 1, "欠款汇总…", H(HandlerId::OnReceivables)},
      {kMenuBackupBookId, 1, "备份账本…", H(HandlerId::OnBackupBook)},
      {kMenuRestoreBookId, 1, "恢复账本…", H(HandlerId::OnRestoreBook)},
      {kMenuBookPlaceId, 1, "账本位置…", H(HandlerId::OnBookPlace)},
      {kMenuSendOutboxId, 1, "发送待上传单据", H(HandlerId::OnSendOutbox)},
      {kMenuHelpId, 0, "帮助", -1},
      {kMenuAboutId, 1, "关于", H(HandlerId::OnAbout)},
  };
  std::vector<const UnitTemplate*> menu;
  for (const UnitTemplate& u : Window(kMainWindowId).units)
    if (u.IsMenuItem()) menu.push_back(&u);
  ASSERT_EQ(menu.size(), std::size(items));
  for (size_t i = 0; i < std::size(items); ++i) {
    SCOPED_TRACE(items[i].caption);
    EXPECT_EQ(menu[i]->id, items[i].id);  // menu order
    EXPECT_EQ(menu[i]->typeId, tag::kMenuItem);
    EXPECT_EQ(menu[i]->caption, items[i].caption);
    EXPECT_EQ(menu[i]->level, items[i].level);
    EXPECT_EQ(menu[i]->shortcut, 0u);
    EXPECT_EQ(menu[i]->menuState, 0u);
    EXPECT_EQ(menu[i]->name, "");
    const int64_t offset =
        menu[i]->click.offset == rt::kNoHandlerOffset ? -1 : int64_t(menu[i]->click.offset);
    EXPECT_EQ(offset, items[i].handler);
  }
  // Spaces are part of the captions: "程序" plus five.
  EXPECT_EQ(menu[0]->caption.size(), 4u + 5u);
}

TEST(ProgramTemplates, PrintHeaderWindowUnits) {
  const UnitTemplate& window = Window(kPrintHeaderWindowId).units[0];
  EXPECT_EQ(window.width, 432);
  EXPECT_EQ(window.height, 474);
  EXPECT_TRUE(window.events.empty());
  const rt::WindowProps props = WindowPropsOf(kPrintHeaderWindowId);
  EXPECT_EQ(props.version, 5u);
  EXPECT_EQ(props.caption, "");
  EXPECT_EQ(props.icon, SheetIcon());

  const Expected inTitle[] = {
      {"标签1", kTitleLabelId, tag::kLabel, 8, 19, 64, 16, 1, "表头标题：", -1, 0},
      {"表头名称编辑框", kTitleEditId, tag::kEditBox, 96, 16, 120, 20, 5, "青禾系列软件", -1, 0},
      {"标签2", kFontNameLabelId, tag::kLabel, 8, 47, 64, 16, 1, "字体名称：", -1, 0},
      {"字体名称编辑框", kFontNameEditId, tag::kEditBox, 96, 44, 120, 20, 5, "宋体", -1, 0},
      {"加粗选择框", kBoldCheckId, tag::kCheckBox, 224, 43, 80, 24, 5, "加粗", -1, 0},
      {"标签3", kFontSizeLabelId, tag::kLabel, 8, 76, 64, 16, 1, "字体尺寸：", -1, 0},
      {"字体尺寸编辑框", kFontSizeEditId, tag::kEditBox, 96, 72, 120, 20, 5, "22", -1, 0},
      {"左对齐单选框", kAlignLeftRadioId, tag::kRadioBox, 32, 104, 80, 24, 5, "左对齐", -1, 0},
      {"居中单选框", kAlignCentreRadioId, tag::kRadioBox, 128, 104, 80, 24, 5, "居中对齐", -1, 0},
      {"右对齐单选框", kAlignRightRadioId, tag::kRadioBox, 224, 104, 80, 24, 5, "右对齐", -1, 0},
  };
  const Expected inMargins[] = {
      {"标签4", kLeftLabelId, tag::kLabel, 8, 16, 16, 24, 1, "左", -1, 0},
      {"左编辑框", kLeftMarginEditId, tag::kEditBox, 32, 18, 40, 20, 5, "19.05", -1, 0},
      {"标签5", kRightLabelId, tag::kLabel, 8, 48, 16, 24, 1, "右", -1, 0},
      {"右编辑框", kRightMarginEditId, tag::kEditBox, 32, 50, 40, 20, 5, "19.05", -1, 0},
      {"标签6", kTopLabelId, tag::kLabel, 8, 80, 16, 24, 1, "上", -1, 0},
      {"上编辑框", kTopMarginEditId, tag::kEditBox, 32, 82, 40, 20, 5, "19.05", -1, 0},
      {"标签7", kBottomLabelId, tag::kLabel, 8, 112, 16, 24, 1, "下", -1, 0},
      {"下编辑框", kBottomMarginEditId, tag::kEditBox, 32, 114, 40, 20, 5, "19.05", -1, 0},
  };
  const Expected direct[] = {
      {"分组框1", kTitleGroupId, tag::kGroupBox, 8, 8, 312, 144, 1, "打印表头", -1, 0},
      {"分组框2", kMarginGroupId, tag::kGroupBox, 328, 8, 88, 144, 1, "页边距", -1, 0},
      {"显示打印按钮选择框", kShowPrintButtonCheckId, tag::kCheckBox, 8, 160, 144, 16, 5,
       "打印预览显示打印按钮", -1, 0},
      {"显示打印对话框选择框", kShowPrintDialogCheckId, tag::kCheckBox, 169, 160, 143, 16, 5,
       "打印时显示打印对话框", -1, 0},
      {"确定按钮", kSettingsOkButtonId, tag::kButton, 240, 404, 80, 32, 5, "确定", 0,
       H(HandlerId::OnSettingsOk)},
      {"取消按钮", kSettingsCancelButtonId, tag::kButton, 336, 404, 80, 32, 5, "取消", 0,
       H(HandlerId::OnSettingsCancel)},
  };
  std::vector<uint32_t> titleIds, marginIds;
  for (const Expected& e : inTitle) {
    ExpectUnit(kPrintHeaderWindowId, e, kTitleGroupId);
    titleIds.push_back(e.id);
  }
  for (const Expected& e : inMargins) {
    ExpectUnit(kPrintHeaderWindowId, e, kMarginGroupId);
    marginIds.push_back(e.id);
  }
  for (const Expected& e : direct) ExpectUnit(kPrintHeaderWindowId, e);
  // Each group box lists its units, in table order.
  EXPECT_EQ(UnitOf(kPrintHeaderWindowId, kTitleGroupId).containedIds, titleIds);
  EXPECT_EQ(UnitOf(kPrintHeaderWindowId, kMarginGroupId).containedIds, marginIds);
}

TEST(ProgramTemplates, PrintHeaderChoicesStartAsDescribed) {
  auto checked = [](uint32_t id, bool radio) {
    const UnitTemplate& u = UnitOf(kPrintHeaderWindowId, id);
    rt::CheckProps p;
    bool ok = radio ? rt::ReadRadioBoxProps(u.propertyBlock.data(), u.propertyBlock.size(), &p)
                    : rt::ReadCheckBoxProps(u.propertyBlock.data(), u.propertyBlock.size(), &p);
    EXPECT_TRUE(ok);
    return p.checked;
  };
  EXPECT_TRUE(checked(kBoldCheckId, false));
  EXPECT_TRUE(checked(kShowPrintButtonCheckId, false));
  EXPECT_TRUE(checked(kShowPrintDialogCheckId, false));
  EXPECT_FALSE(checked(kAlignLeftRadioId, true));
  EXPECT_TRUE(checked(kAlignCentreRadioId, true));
  EXPECT_FALSE(checked(kAlignRightRadioId, true));
}

TEST(ProgramTemplates, SideWindows) {
  // About: a label over the window holding a note of short lines and blank lines.
  EXPECT_EQ(Window(kAboutWindowId).units[0].width, 347);
  EXPECT_EQ(Window(kAboutWindowId).units[0].height, 282);
  EXPECT_EQ(WindowPropsOf(kAboutWindowId).icon, AboutIcon());
  ExpectUnit(kAboutWindowId, {"标签1", kAboutLabelId, tag::kLabel, 0, 16, 344, 280, 1, nullptr, -1, 0});
  rt::LabelProps aboutLabel;
  const UnitTemplate& a = UnitOf(kAboutWindowId, kAboutLabelId);
  ASSERT_TRUE(rt::ReadLabelProps(a.propertyBlock.data(), a.propertyBlock.size(), &aboutLabel));
  EXPECT_TRUE(aboutLabel.font.empty()) << "the default font";
  const std::string about = TextOf(UnitOf(kAboutWindowId, kAboutLabelId));
  size_t blankLines = 0;
  for (size_t at = about.find("\r\n\r\n"); at != std::string::npos; at = about.find("\r\n\r\n", at + 4))
    ++blankLines;
  EXPECT_GE(blankLines, 7u);  // eight lines fill the window
  EXPECT_EQ(about.find("\n\n"), std::string::npos) << "lines end in CR LF";

  // Calendar: the month calendar fills the window.
  EXPECT_EQ(Window(kCalendarWindowId).units[0].width, 369);
  EXPECT_EQ(Window(kCalendarWindowId).units[0].height, 293);
  EXPECT_EQ(WindowPropsOf(kCalendarWindowId).icon, SheetIcon());
  ExpectUnit(kCalendarWindowId,
             {"农历月历1", kMonthCalendarId, tag::kMonthCalendar, 0, 0, 365, 262, 5, "", -1, 0});

  // Help: a captioned window without icon, its label in a 14-pixel GB2312 宋体.
  EXPECT_EQ(Window(kHelpWindowId).units[0].width, 380);
  EXPECT_EQ(Window(kHelpWindowId).units[0].height, 284);
  EXPECT_EQ(WindowPropsOf(kHelpWindowId).caption, "使用帮助");
  EXPECT_TRUE(WindowPropsOf(kHelpWindowId).icon.empty());
  const UnitTemplate& help = UnitOf(kHelpWindowId, kHelpLabelId);
  EXPECT_EQ(help.left, 8);
  EXPECT_EQ(help.top, 8);
  EXPECT_EQ(help.width, 352);
  EXPECT_EQ(help.height, 280);
  rt::LabelProps label;
  ASSERT_TRUE(rt::ReadLabelProps(help.propertyBlock.data(), help.propertyBlock.size(), &label));
  EXPECT_EQ(label.font, rt::MakeFontBytes(-14, 400, 134, "宋体"));
  const std::string start = std::string(13, ' ') + "---------使用方法-----------\r\n\r\n" +
                            "    设置表格的 行，列，文字，标题。  设置好之后\r\n\r\n" +
                            "    在相应的表格内输入内容  排表  数量 备注 等信息\r\n\r\n" +
                            "    预览  如果觉得效果不好 返回重新设计  修改内容\r\n\r\n";
  EXPECT_EQ(label.caption.compare(0, start.size(), start), 0);
  EXPECT_GT(label.caption.size(), start.size()) << "remarks follow the instructions";
}

//--- Bindings and ids ---------------------------------------------------------------

TEST(ProgramTemplates, EveryHandlerIsBoundOnceAndBindsToTheTable) {
  std::map<uint32_t, int> uses;
  for (const WindowTemplate& w : Loaded().windows)
    for (const UnitTemplate& u : w.units) {
      if (u.IsMenuItem() && u.click.offset != rt::kNoHandlerOffset) ++uses[u.click.offset];
      for (const rt::EventBinding& e : u.events) ++uses[e.offset];
    }
  ASSERT_EQ(uses.size(), kHandlerCount);
  for (const auto& [offset, count] : uses) {
    EXPECT_LT(offset, kHandlerCount);
    // The number format window's three parts share one preview handler.
    int expected = offset == HandlerOffset(HandlerId::OnNumberFormatChanged) ? 3 : 1;
    EXPECT_EQ(count, expected) << "handler " << offset;
  }

  static int called = -1;
  std::vector<rt::EventHandler> table(kHandlerCount,
                                      [](const rt::EventArgs&) { return rt::HandlerResult::None(); });
  table[0] = [](const rt::EventArgs&) {
    called = 0;
    return rt::HandlerResult::None();
  };
  rt::TemplateSet set = Loaded();
  ASSERT_TRUE(rt::BindHandlers(&set, rt::HandlerTable{table.data(), table.size()}));
  const rt::EventBinding& gridEdited = set.Find(kMainWindowId)->FindUnit(kGridUnitId)->events.at(0);
  ASSERT_NE(gridEdited.handler, nullptr);
  gridEdited.handler(rt::EventArgs{});
  EXPECT_EQ(called, 0);
  // One handler short: the last one is used, so the block does not fit the table.
  EXPECT_FALSE(rt::BindHandlers(&set, rt::HandlerTable{table.data(), table.size() - 1}));
}

TEST(ProgramTemplates, IdsAreUniqueAndWithinTheAssignedSerials) {
  std::set<uint32_t> serials;
  auto take = [&](uint32_t id) {
    const uint32_t serial = id & 0xFFFFFF;
    EXPECT_LE(serial, kLastIdSerial) << std::hex << id;
    EXPECT_TRUE(serials.insert(serial).second) << "serial used twice: " << std::hex << id;
  };
  for (const WindowTemplate& w : Loaded().windows) {
    EXPECT_EQ(w.windowId >> 24, 0x52u);
    take(w.windowId);
    if (w.idWord) take(w.idWord);
    for (const UnitTemplate& u : w.units) {
      EXPECT_EQ((u.id >> 24) & 0xF, 6u) << std::hex << u.id;
      take(u.id);
    }
  }
}

//--- The block as bytes -------------------------------------------------------------

TEST(ProgramTemplates, EveryPrefixOfTheBlockIsRefused) {
  const std::vector<uint8_t>& block = ProgramTemplateBlock();
  for (size_t n = 1; n < block.size(); ++n) {
    rt::TemplateSet set;
    ASSERT_FALSE(rt::LoadWindowTemplates(block.data(), n, &set)) << "cut at " << n;
  }
}

}  // namespace
}  // namespace app
