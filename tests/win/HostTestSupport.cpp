#include "tests/win/HostTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "calendar/win/CalendarLibrary.h"
#include "grid/win/GridLibrary.h"
#include "menu/win/MenuLibrary.h"
#include "runtime/core/EventDispatch.h"
#include "runtime/core/TemplateWriter.h"

namespace host_test {

using rt::win::UnitTypeInfo;

HandlerLog& Log() {
  static HandlerLog log;
  return log;
}

//--- Recording handlers ------------------------------------------------------------------

namespace {

template <int I>
rt::HandlerResult Record(const rt::EventArgs& args) {
  Log().calls.push_back({I, rt::CurrentEventSource(), args});
  if (Log().behaviour[I]) return Log().behaviour[I](args);
  return rt::HandlerResult::None();
}

template <int... I>
struct HandlerArray {
  static constexpr rt::EventHandler entries[sizeof...(I)] = {&Record<I>...};
};

template <int... I>
constexpr rt::EventHandler HandlerArray<I...>::entries[sizeof...(I)];

template <int... I>
HandlerArray<I...> MakeHandlers(std::integer_sequence<int, I...>);
using Handlers = decltype(MakeHandlers(std::make_integer_sequence<int, kHandlerCount>()));
static_assert(sizeof(Handlers::entries) / sizeof(Handlers::entries[0]) == kHandlerCount, "table size");

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof(buf), "%x", v);
  return buf;
}

}  // namespace

const rt::HandlerTable& RecordingHandlers() {
  static const rt::HandlerTable table{Handlers::entries, kHandlerCount};
  return table;
}

//--- The probe unit kind -------------------------------------------------------------------

namespace {

class ProbeUnit : public rt::win::Unit {
 public:
  ProbeUnit(const rt::win::UnitCreateParams& p, uint32_t flags) : host_(p.host), ref_(p.ref), flags_(flags) {
    if (!(flags & probeflag::kWindowless)) {
      hwnd_ =
          CreateWindowExW(0, L"STATIC", L"", WS_CHILD | (p.disabled ? WS_DISABLED : 0), p.rect.left,
                          p.rect.top, p.rect.right - p.rect.left, p.rect.bottom - p.rect.top, p.parent,
                          reinterpret_cast<HMENU>(INT_PTR(p.childId)), GetModuleHandleW(nullptr), nullptr);
    }
  }
  ~ProbeUnit() override {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }

  HWND Hwnd() const override { return hwnd_; }
  bool GetProperty(int ownIndex, rt::DataValue* out) override {
    if (ownIndex == 0)
      *out = rt::MakeInt(value_);
    else if (ownIndex == 1)
      *out = rt::MakeTextPointer(rt::NewText(text_));
    else
      return false;
    return true;
  }
  bool SetProperty(int ownIndex, const rt::DataValue& v) override {
    if (ownIndex == 0 && v.type == rt::tag::kInt)
      value_ = int32_t(v.low);
    else if (ownIndex == 1 && v.type == rt::tag::kText)
      text_ = rt::TextOf(v);
    else
      return false;
    return true;
  }
  void OnWindowComplete() override {
    Log().trail.push_back("complete " + Hex(ref_.unit));
    if (flags_ & probeflag::kRaiseOnComplete) host_->RaiseEvent(ref_, 0);
  }
  void OnWindowShown() override { Log().trail.push_back("shown " + Hex(ref_.unit)); }

 private:
  rt::win::UnitHost* host_;
  rt::UnitRef ref_;
  uint32_t flags_;
  HWND hwnd_ = nullptr;
  int32_t value_ = 0;
  std::string text_;
};

std::unique_ptr<rt::win::Unit> CreateProbe(const rt::win::UnitCreateParams& p) {
  uint32_t flags = 0;
  if (p.blockLength >= 24) std::memcpy(&flags, p.block + 20, 4);
  Log().trail.push_back("create " + Hex(p.ref.unit) + " id " + std::to_string(p.childId));
  if (flags & probeflag::kFailCreate) return nullptr;
  return std::make_unique<ProbeUnit>(p, flags);
}

constexpr int kProbeKinds[10] = {1001, 1001, 1001, 1001, 1005, 1003, 1003, 1011, 1001, 1005};
const UnitTypeInfo kProbeTypeInfo = {"探针", "Probe", 0x80000040, 10, kProbeKinds, &CreateProbe};
// A kind that can be created but raises no events (neither own window nor menu flag).
const UnitTypeInfo kInertTypeInfo = {"惰性", "Inert", 0x80000000, 10, kProbeKinds, &CreateProbe};
const UnitTypeInfo* const kProbeTypes[2] = {&kProbeTypeInfo, &kInertTypeInfo};

// The libraries' own notification functions, called after the record is made.
rt::win::LibraryNotifyFn g_ownNotify[6] = {};

template <int N>
intptr_t RecordNotify(int code, intptr_t arg1, intptr_t arg2) {
  std::string line = "lib" + std::to_string(N) + " code " + std::to_string(code);
  if (code == rt::win::libnotify::kStart)
    line += arg1 == reinterpret_cast<intptr_t>(&rt::win::RuntimeHost::HostCallback) ? " callback" : " other";
  else
    line += " value " + std::to_string(arg1);
  Log().trail.push_back(line);
  if (g_ownNotify[N]) g_ownNotify[N](code, arg1, arg2);
  return 100 + N;  // the value the library gets back with code 6
}

}  // namespace

const rt::win::LibraryInfo& ProbeLibrary() {
  static const rt::win::LibraryInfo lib = [] {
    rt::win::LibraryInfo l;
    l.name = "probe";
    l.typeCount = 2;
    l.types = kProbeTypes;
    return l;
  }();
  return lib;
}

std::vector<uint8_t> ProbeBlock(uint32_t flags) {
  std::vector<uint8_t> b(24, 0);
  std::memcpy(b.data() + 20, &flags, 4);
  return b;
}

//--- Templates in code -------------------------------------------------------------------

rt::UnitTemplate WindowUnit(uint32_t id, const char* caption, bool visible) {
  rt::WindowProps p;
  p.caption = caption;
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = rt::tag::kWindow;
  u.left = 60;
  u.top = 60;
  u.width = 320;
  u.height = 240;
  u.state = visible ? 1 : 0;
  u.propertyBlock = rt::WriteWindowProps(p);
  return u;
}

rt::UnitTemplate Probe(uint32_t id, int left, int top, int width, int height, uint32_t flags) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = kProbeType;
  u.name = "探针";
  u.left = left;
  u.top = top;
  u.width = width;
  u.height = height;
  u.state = 5;
  u.pointerBlock = {0, 0, 0, 0};
  u.propertyBlock = ProbeBlock(flags);
  return u;
}

rt::UnitTemplate MenuItem(uint32_t id, uint32_t level, const char* caption, int handler) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = rt::tag::kMenuItem;
  u.level = level;
  u.caption = caption;
  u.click.offset = handler < 0 ? rt::kNoHandlerOffset : uint32_t(handler);
  return u;
}

void Bind(rt::UnitTemplate& unit, int event, int handler) {
  rt::EventBinding b;
  b.event = event;
  b.offset = uint32_t(handler);
  unit.events.push_back(b);
}

rt::WindowTemplate Window(uint32_t windowId, std::vector<rt::UnitTemplate> units) {
  rt::WindowTemplate w;
  w.windowId = windowId;
  w.units = std::move(units);
  return w;
}

//--- The test program --------------------------------------------------------------------

TestProgram::TestProgram() {
  Log().Reset();
  static rt::win::LibraryInfo libs[5];
  libs[0] = rt::win::CoreLibrary();
  libs[1] = grid::win::GridLibrary();
  libs[2] = menu::win::OwnerMenuLibrary();
  libs[3] = cal::win::CalendarLibrary();
  libs[4] = ProbeLibrary();
  for (int i = 0; i < 5; ++i) libraries_[i] = &libs[i];
  for (int i = 0; i < 5; ++i) g_ownNotify[i + 1] = libs[i].notify;
  libs[0].notify = &RecordNotify<1>;
  libs[1].notify = &RecordNotify<2>;
  libs[2].notify = nullptr;  // a library without a notification function is skipped
  libs[3].notify = &RecordNotify<4>;
  libs[4].notify = &RecordNotify<5>;
}

TestProgram::~TestProgram() {
  host_.reset();
  DrainQuit();
}

void TestProgram::Boot() {
  block_ = blockOverride.empty() ? rt::WriteWindowTemplates(templates) : blockOverride;
  header.mode = 3;
  header.lastSerial = 0x100EE;
  header.handlers = RecordingHandlers();
  header.templates = block_.data();
  header.templatesLength = block_.size();
  header.libraryCount = 5;
  header.libraries = libraries_;
  host_ = std::make_unique<rt::win::RuntimeHost>(header);
  host_->Initialise();
}

//--- Helpers -------------------------------------------------------------------------------

bool PumpFor(rt::win::RuntimeHost& host, const std::function<bool()>& done, DWORD ms) {
  return host.PumpUntil(done, ms);
}

void DrainQuit() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

std::string ReadText(uint64_t words) {
  rt::DataValue v{uint32_t(words), uint32_t(words >> 32), rt::tag::kText};
  std::string s = rt::TextOf(v);
  rt::FreeBlock(rt::PointerOf(v));
  return s;
}

rt::DataValue Unit(uint32_t windowId, uint32_t unitId, rt::TypeTag type) {
  return rt::MakeUnit(type, rt::UnitRef{windowId, unitId});
}

rt::DataValue Text(const char* s) { return rt::MakeTextPointer(s); }

std::string ExpectErrorBox(TestProgram& program, const std::function<void()>& fn) {
  size_t before = program.prompts.boxes.size();
  try {
    fn();
    ADD_FAILURE() << "the program did not end";
    return "";
  } catch (const ProgramEnded& e) {
    EXPECT_EQ(e.code, -1);
  }
  if (program.prompts.boxes.size() != before + 1) {
    ADD_FAILURE() << "expected exactly one box, got " << program.prompts.boxes.size() - before;
    return "";
  }
  const ShownBox& box = program.prompts.boxes.back();
  EXPECT_EQ(box.caption, "错误");
  EXPECT_EQ(box.flags, UINT(MB_ICONERROR | MB_OK));
  return box.text;
}

}  // namespace host_test

namespace host_test {

void LetWineFrameWindowsOf(std::initializer_list<const wchar_t*> programs) {
  for (const wchar_t* program : programs) {
    std::wstring path = std::wstring(L"Software\\Wine\\AppDefaults\\") + program + L"\\X11 Driver";
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
      continue;
    const wchar_t value[] = L"N";
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof(value));
    RegCloseKey(key);
  }
}

namespace {
// Applies to the probe programs started from here, and to this program from its next run on.
const bool kUnmanagedWindows = (LetWineFrameWindowsOf({L"win_tests.exe", L"host_probe.exe"}), true);
}  // namespace

}  // namespace host_test
