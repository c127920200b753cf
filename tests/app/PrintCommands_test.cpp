// The print handlers against a host that keeps unit properties in a table and runs
// the grid's and the core's commands directly on a test grid.
#include "app/core/PrintCommands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "app/core/PrintSettings.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"
#include "grid/core/GridModel.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/CoreValueCommands.h"
#include "runtime/core/RuntimeServices.h"

namespace app::print {
namespace {

using Key = std::tuple<uint32_t, uint32_t, int32_t>;

class FakeHost : public rt::RuntimeServices {
 public:
  FakeHost() : previous_(rt::SetServices(this)), resolver_(grid::SetGridResolver(&Resolve)) {
    current_ = this;
    hooks_ = grid::SetGridPrintHooks({[](grid::GridModel&) { ++current_->prints; },
                                      [](grid::GridModel& g) {
                                        ++current_->previews;
                                        current_->titleAtPreview = g.Title();
                                      }});
    static const rt::CommandFn core[rt::kCoreCommandCount] = {rt::CmdToNumber, nullptr, nullptr,
                                                              &LoadWindow,     nullptr, &CloseWindow};
    rt::SetCoreCommandTable(core, rt::kCoreCommandCount);
  }
  ~FakeHost() override {
    rt::SetServices(previous_);
    grid::SetGridResolver(resolver_);
    grid::SetGridPrintHooks(hooks_);
    rt::SetCoreCommandTable(nullptr, 0);
    current_ = nullptr;
  }

  // The settings window's template defaults.
  void LoadSettingsWindow() {
    loaded = true;
    texts[{kPrintHeaderWindowId, kTitleEditId, 8}] = "青禾系列软件";
    texts[{kPrintHeaderWindowId, kFontNameEditId, 8}] = "宋体";
    texts[{kPrintHeaderWindowId, kFontSizeEditId, 8}] = "22";
    for (uint32_t box : {kLeftMarginEditId, kRightMarginEditId, kTopMarginEditId, kBottomMarginEditId})
      texts[{kPrintHeaderWindowId, box, 8}] = "19.05";
    for (uint32_t check :
         {kBoldCheckId, kAlignCentreRadioId, kShowPrintButtonCheckId, kShowPrintDialogCheckId})
      ints[{kPrintHeaderWindowId, check, 18}] = 1;
  }

  [[noreturn]] void RaiseRuntimeError(int) override { throw std::runtime_error("runtime error"); }
  rt::DataValue CallDllCommand(int, int, rt::DataValue*) override { return {}; }
  rt::DataValue CallLibraryCommand(int library, rt::CommandFn fn, int n, rt::DataValue* args) override {
    EXPECT_EQ(library, 1);  // the grid's place in the library table
    rt::DataValue result{};
    fn(&result, n, args);
    return result;
  }
  rt::DataValue CallCoreCommand(rt::CommandFn fn, int n, rt::DataValue* args) override {
    rt::DataValue result{};
    fn(&result, n, args);
    return result;
  }
  uint64_t GetUnitProperty(uint32_t w, uint32_t u, int32_t index, int32_t) override {
    auto t = texts.find({w, u, index});
    if (t != texts.end()) return uint64_t(uintptr_t(rt::NewText(t->second)));
    if (index == 4 || index == 8) return uint64_t(uintptr_t(rt::NewText("")));
    auto i = ints.find({w, u, index});
    return i == ints.end() ? 0 : uint32_t(i->second);
  }
  void SetUnitProperty(uint32_t w, uint32_t u, int32_t index, int32_t, uint32_t low, uint32_t high) override {
    if (index == 4) {
      rt::DataValue v{low, high, rt::tag::kText};
      texts[{w, u, index}] = rt::TextOf(v);
    } else {
      ints[{w, u, index}] = int(low);
    }
    if (w == kMainWindowId && u == kGridUnitId && index == 22) grid.Settings().isShowDiglog = int(low);
    if (w == kMainWindowId && u == kGridUnitId && index == 24) grid.Settings().showPrintButton = int(low);
  }
  void* AllocateBlock(size_t size) override { return std::malloc(size ? size : 1); }
  void* ReallocateBlock(void* b, size_t size) override { return std::realloc(b, size); }
  void FreeBlock(void* b) override { std::free(b); }
  [[noreturn]] void EndProgram(int) override { throw std::runtime_error("end"); }
  void RunMessageLoop() override {}
  void LoadStartWindow(uint32_t) override {}
  intptr_t RuntimeNotify(int, intptr_t, intptr_t) override { return 0; }

  grid::GridModel grid;
  std::map<Key, std::string> texts;
  std::map<Key, int> ints;
  bool loaded = false;
  int loads = 0, closes = 0, prints = 0, previews = 0;
  grid::PrintTitle titleAtPreview;

 private:
  static grid::GridModel* Resolve(rt::UnitRef ref) {
    return ref == rt::UnitRef{kMainWindowId, kGridUnitId} ? &current_->grid : nullptr;
  }
  static void LoadWindow(rt::DataValue*, int n, rt::DataValue* args) {
    EXPECT_EQ(n, 3);
    EXPECT_EQ(args[0].low, kPrintHeaderWindowId);
    EXPECT_EQ(args[0].high, kPrintHeaderWindowUnitId);
    EXPECT_EQ(args[2].low, 0u);  // modeless
    ++current_->loads;
  }
  static void CloseWindow(rt::DataValue*, int n, rt::DataValue* args) {
    EXPECT_EQ(args[1].type, 0u);  // second argument omitted
    ++current_->closes;
  }
  static inline FakeHost* current_ = nullptr;
  rt::RuntimeServices* previous_;
  grid::GridResolver resolver_;
  grid::GridPrintHooks hooks_;
};

const rt::EventArgs kNoArgs;

TEST(PrintCommands, PreviewWithoutConfirmedSettingsAppliesTheDefaults) {
  FakeHost host;
  host.texts[{kMainWindowId, kHeaderTextEditId, 8}] = "青禾系列软件";
  OnPrintPreview(kNoArgs);
  EXPECT_EQ(host.previews, 1);
  EXPECT_EQ(host.titleAtPreview.text, "青禾系列软件");
  EXPECT_EQ(host.titleAtPreview.face, "宋体");
  EXPECT_EQ(host.titleAtPreview.size, 22);
  EXPECT_EQ(host.titleAtPreview.bold, 1);
  EXPECT_EQ(host.titleAtPreview.alignment, 2);
  const grid::PrintLayout& l = host.grid.Layout();
  EXPECT_EQ(l.leftMargin, 100);
  EXPECT_EQ(l.rightMargin, 10);
  EXPECT_EQ(l.topMargin, 200);
  EXPECT_EQ(l.bottomMargin, 30);

  // Cancelled settings leave the flag empty: the defaults again.
  OnPrintHeaderSettings(kNoArgs);
  EXPECT_EQ(host.loads, 1);
  OnSettingsCancel(kNoArgs);
  EXPECT_EQ(host.closes, 1);
  host.grid.Layout().leftMargin = 5;
  OnPrintPreview(kNoArgs);
  EXPECT_EQ(host.grid.Layout().leftMargin, 100);
}

TEST(PrintCommands, ConfirmedTemplateDefaultsStayForEveryLaterPreview) {
  FakeHost host;
  host.LoadSettingsWindow();
  host.ints[{kPrintHeaderWindowId, kShowPrintDialogCheckId, 18}] = 0;
  OnSettingsOk(kNoArgs);
  const grid::PrintTitle& t = host.grid.Title();
  EXPECT_EQ(t.text, "青禾系列软件");
  EXPECT_EQ(t.face, "宋体");
  EXPECT_EQ(t.size, 22);
  EXPECT_EQ(t.bold, 1);
  EXPECT_EQ(t.alignment, 2);
  const grid::PrintLayout& l = host.grid.Layout();
  EXPECT_EQ(l.leftMargin, 19);  // "19.05" truncated
  EXPECT_EQ(l.rightMargin, 19);
  EXPECT_EQ(l.topMargin, 19);
  EXPECT_EQ(l.bottomMargin, 19);
  EXPECT_EQ(host.grid.Settings().showPrintButton, 1);
  EXPECT_EQ(host.grid.Settings().isShowDiglog, 0);
  EXPECT_EQ((host.ints[{kPrintHeaderWindowId, kPrintHeaderWindowUnitId, 5}]), 0);  // hidden
  EXPECT_EQ((host.texts[{kPrintHeaderWindowId, kPrintHeaderWindowUnitId, 4}]), kSettingsConfirmed);

  host.texts[{kMainWindowId, kHeaderTextEditId, 8}] = "别的标题";
  OnPrintPreview(kNoArgs);
  OnPrintPreview(kNoArgs);
  EXPECT_EQ(host.previews, 2);
  EXPECT_EQ(host.titleAtPreview.text, "青禾系列软件");
  EXPECT_EQ(host.grid.Layout().leftMargin, 19);
}

TEST(PrintCommands, SizeIsTruncatedAndNoAlignmentIsCentredAndPrintChangesNothing) {
  FakeHost host;
  host.LoadSettingsWindow();
  host.texts[{kPrintHeaderWindowId, kFontSizeEditId, 8}] = "12.9";
  host.ints[{kPrintHeaderWindowId, kAlignCentreRadioId, 18}] = 0;
  host.texts[{kPrintHeaderWindowId, kLeftMarginEditId, 8}] = "abc";
  OnSettingsOk(kNoArgs);
  EXPECT_EQ(host.grid.Title().size, 12);
  EXPECT_EQ(host.grid.Title().alignment, 2);
  EXPECT_EQ(host.grid.Layout().leftMargin, 0);

  grid::PrintTitle before = host.grid.Title();
  grid::PrintLayout layout = host.grid.Layout();
  OnPrint(kNoArgs);
  EXPECT_EQ(host.prints, 1);
  EXPECT_EQ(host.grid.Title().text, before.text);
  EXPECT_TRUE(host.grid.Layout() == layout);
}

// With print settings the preview keeps the grid's own title and margins, the ones the
// menu's print uses, so that both lay out the same sheets.
TEST(PrintCommands, PreviewOfANoteWithPrintSettingsMatchesThePrint) {
  FakeHost host;
  host.texts[{kMainWindowId, kHeaderTextEditId, 8}] = "青禾系列软件";
  CurrentPrintSettings().paperWidth = 241;
  CurrentPrintSettings().paperHeight = 140;
  grid::PrintTitle own = host.grid.Title();
  grid::PrintLayout layout = host.grid.Layout();
  OnPrintPreview(kNoArgs);
  CurrentPrintSettings() = PrintSettings();
  EXPECT_EQ(host.titleAtPreview.text, own.text);
  EXPECT_TRUE(host.grid.Layout() == layout);
  EXPECT_EQ(host.grid.Options().paperWidth, 2410);
}

}  // namespace
}  // namespace app::print
