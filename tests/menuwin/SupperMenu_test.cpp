// The owner-drawn menu unit on a real window: the takeover and its release, measuring,
// drawing (checked to the pixel where the look is fixed), events and properties.
#include <gtest/gtest.h>

#include <cstring>

#include "app/core/LibraryUnitBlocks.h"
#include "menu/core/MenuItemText.h"
#include "menu/core/OsFamily.h"
#include "menu/win/MenuTakeover.h"
#include "menu/win/SupperMenuUnit.h"
#include "runtime/win/Gbk.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

using menu::win::SupperMenuUnit;

constexpr uint32_t kWin = 0x52000300, kWinUnit = 0x06000301;
constexpr uint32_t kMenuUnit = 0x16000302, kSecondMenuUnit = 0x16000303;
constexpr uint32_t kFile = 0x26000310, kOpen = 0x26000311, kLine = 0x26000312, kSave = 0x26000313,
                   kTools = 0x26000314, kCalc = 0x26000315, kCalendar = 0x26000316;
// Item identifiers: 20000 + position in the menu list.
constexpr uint32_t kOpenItem = 20001, kLineItem = 20002, kSaveItem = 20003, kToolsItem = 20004,
                   kCalcItem = 20005, kCalendarItem = 20006;
constexpr int kHighlightHandler = 10, kClosedHandler = 11, kDestroyingHandler = 12;

rt::UnitTemplate MenuUnit(uint32_t id) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = rt::tag::kOwnerMenu;
  u.name = "超级菜单1";
  u.left = 0;
  u.top = 40;
  u.width = 24;
  u.height = 16;
  u.propertyBlock = app::WriteOwnerMenuBlock(app::OwnerMenuProps{});
  Bind(u, 0, kHighlightHandler);
  Bind(u, 1, kClosedHandler);
  return u;
}

struct MenuWindow {
  TestProgram program;
  std::shared_ptr<rt::win::LiveWindow> window;
  SupperMenuUnit* unit = nullptr;

  explicit MenuWindow(bool twoUnits = false, bool withMenu = true) {
    rt::UnitTemplate w = WindowUnit(kWinUnit, "菜单");
    Bind(w, 2, kDestroyingHandler);
    std::vector<rt::UnitTemplate> units{w};
    if (withMenu) {
      rt::UnitTemplate open = MenuItem(kOpen, 1, "打开(&O)", 1);
      open.shortcut = 19;  // Ctrl+S
      rt::UnitTemplate calendar = MenuItem(kCalendar, 1, "月历", 3);
      calendar.menuState = 4;  // checked
      for (const rt::UnitTemplate& u :
           {MenuItem(kFile, 0, "程序"), open, MenuItem(kLine, 1, "-"), MenuItem(kSave, 1, "保存文件", 2),
            MenuItem(kTools, 0, "工具"), MenuItem(kCalc, 1, "计算器"), calendar})
        units.push_back(u);
    }
    units.push_back(MenuUnit(kMenuUnit));
    if (twoUnits) units.push_back(MenuUnit(kSecondMenuUnit));
    program.templates.windows = {Window(kWin, units)};
    program.Boot();
    program.Host().LoadStartWindow(kWin);
    window = program.Host().FindLoadedWindow(kWin);
    unit = Unit(kMenuUnit);
  }
  SupperMenuUnit* Unit(uint32_t id) {
    rt::win::LiveUnit* u = program.Host().ResolveUnit(rt::UnitRef{kWin, id});
    return u ? dynamic_cast<SupperMenuUnit*>(u->object.get()) : nullptr;
  }
  HWND Form() const { return window->hwnd; }
  uint32_t Get(int own) { return uint32_t(program.Host().GetUnitProperty(kWin, kMenuUnit, 8 + own, -1)); }
  void Set(int own, uint32_t v) { program.Host().SetUnitProperty(kWin, kMenuUnit, 8 + own, -1, v, 0); }
};

UINT ItemType(HMENU menu, UINT pos) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, pos, TRUE, &mii);
  return mii.fType;
}

int TextWidth(SupperMenuUnit& unit, const char* gbk) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectW(&unit.Menu().Font());
  HGDIOBJ old = SelectObject(dc, font);
  std::wstring w = rt::win::GbkToWide(menu::DisplayedText(gbk));
  SIZE s{};
  GetTextExtentPoint32W(dc, w.c_str(), int(w.size()), &s);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return s.cx;
}

MEASUREITEMSTRUCT Measure(HWND form, uint32_t item) {
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = item;
  mis.itemData = item;
  SendMessageW(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  return mis;
}

// Draws one item into a bitmap of its own and reads pixels back.
class DrawnItem {
 public:
  DrawnItem(HWND form, uint32_t item, UINT state, int width = 160, int height = 24) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bmp_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bmp_);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = item;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hDC = dc_;
    dis.rcItem = all;
    dis.itemData = item;
    result = SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  }
  ~DrawnItem() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  int DarkPixels(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += GetRValue(At(x, y)) < 60 && GetGValue(At(x, y)) < 60;
    return n;
  }
  LRESULT result = 0;

 private:
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
};

bool Near(COLORREF a, COLORREF b) {
  return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= 2 &&
         std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= 2 &&
         std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= 2;
}

TEST(SupperMenuTakeover, MarksTheWindowMakesItemsOwnerDrawnAndPutsEverythingBack) {
  MenuWindow m;
  ASSERT_TRUE(m.window && m.unit);
  HWND form = m.Form();
  EXPECT_TRUE(m.unit->InCharge());
  EXPECT_EQ(GetPropW(form, menu::win::kOldProcProp), reinterpret_cast<HANDLE>(1));
  EXPECT_NE(GetPropW(form, menu::win::kMaskProp), nullptr);
  HMENU bar = GetMenu(form);
  EXPECT_TRUE(ItemType(bar, 0) & MFT_OWNERDRAW);
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_TRUE(ItemType(file, 0) & MFT_OWNERDRAW);
  EXPECT_EQ(ItemType(file, 1), UINT(MFT_SEPARATOR | MFT_OWNERDRAW));

  // A rebuilt menu (a menu item's state changed) stays owner-drawn.
  m.program.Host().SetUnitProperty(kWin, kSave, 1, -1, 1, 0);
  EXPECT_TRUE(ItemType(GetSubMenu(GetMenu(form), 0), 2) & MFT_OWNERDRAW);

  // While the window goes, the host's handlers already see it without the takeover.
  HANDLE propsDuringDestroy = reinterpret_cast<HANDLE>(-1);
  Log().behaviour[kDestroyingHandler] = [&](const rt::EventArgs&) {
    propsDuringDestroy = GetPropW(form, menu::win::kOldProcProp);
    return rt::HandlerResult::None();
  };
  DestroyWindow(form);
  EXPECT_EQ(propsDuringDestroy, nullptr);
  EXPECT_FALSE(menu::win::IsTakenOver(form));
}

TEST(SupperMenuTakeover, ASecondUnitLeavesTheFirstInChargeAndNoMenuLeavesItInert) {
  MenuWindow m(true);
  SupperMenuUnit* a = m.Unit(kMenuUnit);
  SupperMenuUnit* b = m.Unit(kSecondMenuUnit);
  ASSERT_TRUE(a && b);
  // Units are made last of the table first: the second unit came first and stays in charge.
  EXPECT_TRUE(b->InCharge());
  EXPECT_FALSE(a->InCharge());
  // Measuring still works (only one unit answers).
  EXPECT_EQ(Measure(m.Form(), kLineItem).itemHeight, 3u);

  MenuWindow bare(false, false);
  ASSERT_TRUE(bare.unit);
  EXPECT_FALSE(bare.unit->InCharge());
  EXPECT_FALSE(menu::win::IsTakenOver(bare.Form()));
}

TEST(SupperMenuMeasure, BarItemsPopupsSeparatorsAndTheShortcutColumn) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  SupperMenuUnit& u = *m.unit;
  MEASUREITEMSTRUCT bar = Measure(m.Form(), 20000);
  EXPECT_EQ(int(bar.itemWidth), TextWidth(u, "程序") - 5);
  EXPECT_EQ(bar.itemHeight, 0u);
  EXPECT_EQ(Measure(m.Form(), kLineItem).itemHeight, 3u);

  // The file pop-up has a shortcut: its column and the two-space gap count.
  int gap = TextWidth(u, "  ");
  int widestFile = std::max(TextWidth(u, "打开(&O)"), TextWidth(u, "保存文件"));
  MEASUREITEMSTRUCT open = Measure(m.Form(), kOpenItem);
  EXPECT_EQ(int(open.itemWidth), 16 + widestFile + TextWidth(u, "Ctrl+S") + gap + 27 - 12);
  EXPECT_GE(open.itemHeight, 15u + 8u);
  EXPECT_EQ(Measure(m.Form(), kSaveItem).itemWidth, open.itemWidth);  // one width for the pop-up

  // The tools pop-up has none: no column, no gap.
  Measure(m.Form(), kToolsItem);
  MEASUREITEMSTRUCT calc = Measure(m.Form(), kCalcItem);
  int widestTools = std::max(TextWidth(u, "计算器"), TextWidth(u, "月历"));
  EXPECT_EQ(int(calc.itemWidth), 16 + widestTools + 27 - 12);
  const menu::PopupItemLayout* layout = u.Menu().ItemLayouts().Find(kCalcItem);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->widestShortcut, 0);

  // Items that are not ours are left alone.
  MEASUREITEMSTRUCT other{};
  other.CtlType = ODT_MENU;
  other.itemData = 5;
  other.itemWidth = 77;
  SendMessageW(m.Form(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(other.itemWidth, 77u);
}

TEST(SupperMenuDraw, CheckedItemWithoutIconShowsTheCheckMarkInAFramedBox) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  Measure(m.Form(), kToolsItem);
  DrawnItem d(m.Form(), kCalendarItem, ODS_CHECKED, 160, 24);
  EXPECT_TRUE(d.result);
  // The box: (0, 1) to (21, 23), framed in FrameColor, filled with SelectedFillColor.
  EXPECT_EQ(d.At(0, 1), RGB(0, 0, 128));
  EXPECT_EQ(d.At(20, 12), RGB(0, 0, 128));
  EXPECT_EQ(d.At(2, 3), RGB(255, 238, 194));
  // The 13 x 13 mark centred in the box holds dark pixels; the box's edge strip has none.
  EXPECT_GT(d.DarkPixels(4, 5, 17, 18), 5);
  // Right of the strip: the menu background.
  EXPECT_EQ(d.At(150, 2), RGB(249, 248, 247));

  DrawnItem plain(m.Form(), kCalcItem, 0, 160, 24);
  EXPECT_NE(plain.At(2, 3), RGB(255, 238, 194));  // no box without check or icon
  EXPECT_EQ(plain.DarkPixels(4, 5, 17, 18), 0);
}

TEST(SupperMenuDraw, SelectionIsBlendedAndFramedAndSeparatorsAreLines) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  Measure(m.Form(), 20000);
  DrawnItem sel(m.Form(), kSaveItem, ODS_SELECTED, 160, 24);
  EXPECT_EQ(sel.At(0, 0), RGB(0, 0, 128));
  EXPECT_EQ(sel.At(159, 23), RGB(0, 0, 128));
  // SelectedFillColor at 220/255 over the menu background.
  EXPECT_TRUE(Near(sel.At(150, 3), RGB(254, 239, 201)));

  DrawnItem line(m.Form(), kLineItem, 0, 160, 3);
  EXPECT_EQ(line.At(40, 1), RGB(106, 140, 203));
  EXPECT_NE(line.At(40, 0), RGB(106, 140, 203));
  EXPECT_NE(line.At(10, 1), RGB(106, 140, 203));  // the icon strip is left free

  // An open bar item: gradient inside, light frame, shadow at the right edge.
  DrawnItem open(m.Form(), 20000, ODS_SELECTED, 60, 20);
  EXPECT_EQ(open.At(1, 0), RGB(51, 51, 153));  // lighten(FrameColor, 0.2), shifted one pixel
}

TEST(SupperMenuEvents, HighlightRaisesEventZeroAndTheMenuLoopsEndEventOne) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  Measure(m.Form(), 20000);
  { DrawnItem sel(m.Form(), kSaveItem, ODS_SELECTED); }
  EXPECT_TRUE(PumpFor(
      m.program.Host(), [] { return Log().Count(kHighlightHandler) > 0; }, 2000));
  ASSERT_EQ(Log().Count(kHighlightHandler), 1);
  const HandlerCall& call = Log().calls.back();
  ASSERT_EQ(call.args.count, 1);
  EXPECT_EQ(call.args.values[0].low, kSaveItem);
  EXPECT_EQ(call.source, (rt::UnitRef{kWin, kMenuUnit}));
  { DrawnItem plain(m.Form(), kCalcItem, 0); }  // not highlighted: no event

  SendMessageW(m.Form(), WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(Log().Count(kClosedHandler), 1);
  PumpFor(
      m.program.Host(), [] { return false; }, 100);
  EXPECT_EQ(Log().Count(kHighlightHandler), 1);
}

TEST(SupperMenuProperties, StylesColoursAndTheBarColour) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  using namespace menu::win;
  EXPECT_EQ(m.Get(kMenuStyle), 1u);
  m.Set(kMenuStyle, 3);
  EXPECT_EQ(m.Get(kFirstColor + menu::kSeparator), uint32_t(RGB(128, 160, 128)));
  m.Set(kFirstColor + menu::kSeparator, RGB(128, 160, 128));  // the value it has
  EXPECT_EQ(m.Get(kMenuStyle), 3u);
  m.Set(kFirstColor + menu::kSeparator, RGB(1, 2, 3));
  EXPECT_EQ(m.Get(kMenuStyle), 0u);
  m.Set(kMenuStyle, 8);  // stored, loads nothing
  EXPECT_EQ(m.Get(kMenuStyle), 8u);
  EXPECT_EQ(m.Get(kFirstColor + menu::kSeparator), uint32_t(RGB(1, 2, 3)));

  EXPECT_EQ(m.Get(kBarBackColor), 0xFF000000u);
  m.Set(kBarBackColor, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(m.Get(kBarBackColor), 0xFF000000u);  // the button face reads as unset
  m.Set(kBarBackColor, RGB(10, 20, 30));
  EXPECT_EQ(m.Get(kBarBackColor), uint32_t(RGB(10, 20, 30)));
  DrawnItem bar(m.Form(), 20000, 0, 60, 20);
  EXPECT_EQ(bar.At(30, 1), RGB(10, 20, 30));

  // An item-icon map pointing past the (empty) icon list draws no icon box.
  std::vector<uint8_t> map = menu::WriteItemIconMap({{kCalcItem, 4}});
  void* set = rt::NewByteSet(map.data(), map.size());
  rt::DataValue v{0, 0, rt::tag::kByteSet};
  rt::SetPointer(v, set);
  m.program.Host().SetUnitProperty(kWin, kMenuUnit, 8 + kMenuItemIcons, -1, v.low, v.high);
  rt::FreeBlock(set);
  DrawnItem plain(m.Form(), kCalcItem, 0, 160, 24);
  EXPECT_EQ(plain.DarkPixels(4, 5, 17, 18), 0);
}

TEST(SupperMenuHost, ItemRecordsCarryCaptionShortcutLevelAndVisibility) {
  MenuWindow m;
  ASSERT_TRUE(m.window);
  rt::win::RuntimeHost& h = m.program.Host();
  const rt::MenuItemRecord* r = h.MenuItemRecordOf(kWin, kOpenItem);
  ASSERT_NE(r, nullptr);
  EXPECT_STREQ(r->text, "打开(&O)\tCtrl+S");
  EXPECT_EQ(r->level, 1u);
  EXPECT_EQ(r->identifier, kOpenItem);
  EXPECT_EQ(r->visible, 1);
  EXPECT_EQ(h.MenuItemRecordOf(kWin, kCalendarItem)->level, 1u);
  EXPECT_EQ(h.MenuItemRecordOf(kWin, kCalendarItem + 1), nullptr);  // past the last item
  EXPECT_EQ(h.MenuItemRecordOf(kWin, 19999), nullptr);
  EXPECT_EQ(h.MenuItemRecordOf(0x52000999, 20000), nullptr);
}

}  // namespace
}  // namespace host_test

namespace host_test {
namespace {

// The old family hot-tracks bar items itself, marking the hot item on the window.
TEST(SupperMenuOldFamily, HotTrackingMarksTheBarItemAndThePopupState) {
  menu::win::SetOperatingSystemCodeForTesting(menu::oscode::kWin98);
  MenuWindow m;
  menu::win::SetOperatingSystemCodeForTesting(-1);
  ASSERT_TRUE(m.unit && m.unit->Menu().oldFamily);
  ShowWindow(m.Form(), SW_SHOWNA);
  HWND form = m.Form();
  RECT item{};
  ASSERT_TRUE(GetMenuItemRect(form, GetMenu(form), 1, &item));
  SendMessageW(form, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(item.left + 2, item.top + 2));
  EXPECT_EQ(GetPropW(form, menu::win::kActiveBarItemProp), reinterpret_cast<HANDLE>(2));
  SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(form), 1)), 1);
  EXPECT_EQ(GetPropW(form, menu::win::kMenuShownProp), reinterpret_cast<HANDLE>(1));
  SendMessageW(form, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(form), 1)), 0);
  EXPECT_EQ(GetPropW(form, menu::win::kMenuShownProp), nullptr);
  // The cursor is elsewhere: the timer clears the hot item.
  SetCursorPos(0, 0);
  SendMessageW(form, WM_TIMER, menu::win::kHotTrackTimer, 0);
  EXPECT_EQ(GetPropW(form, menu::win::kActiveBarItemProp), nullptr);
  // The old family keeps the system menu font whatever is set.
  LOGFONTW before = m.unit->Menu().Font();
  std::vector<uint8_t> record = rt::MakeFontBytes(-30, 700, 134, "黑体");
  m.program.Host().SetUnitProperty(kWin, kMenuUnit, 8 + menu::win::kMenuFont, -1,
                                   uint32_t(reinterpret_cast<uintptr_t>(record.data())),
                                   uint32_t(uint64_t(reinterpret_cast<uintptr_t>(record.data())) >> 32));
  EXPECT_EQ(m.unit->Menu().Font().lfHeight, before.lfHeight);
}

TEST(SupperMenuProperties, ANewFontIsTakenAndReadBack) {
  MenuWindow m;
  ASSERT_TRUE(m.unit);
  std::vector<uint8_t> record = rt::MakeFontBytes(-30, 700, 134, "黑体");
  uintptr_t p = reinterpret_cast<uintptr_t>(record.data());
  m.program.Host().SetUnitProperty(kWin, kMenuUnit, 8 + menu::win::kMenuFont, -1, uint32_t(p),
                                   uint32_t(uint64_t(p) >> 32));
  EXPECT_EQ(m.unit->Menu().Font().lfHeight, -30);
  EXPECT_EQ(m.unit->Menu().Font().lfWeight, 700);
  uint64_t words = m.program.Host().GetUnitProperty(kWin, kMenuUnit, 8 + menu::win::kMenuFont, -1);
  auto* back = reinterpret_cast<const uint8_t*>(uintptr_t(words));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(std::memcmp(back, record.data(), 28), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(back + 28), "黑体");
  rt::FreeBlock(const_cast<uint8_t*>(back));
}

}  // namespace
}  // namespace host_test
