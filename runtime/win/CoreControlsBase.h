// Shared ground of the core control kinds: the control window and its subclass, the
// font and colours, event raising, property value helpers, and the kinds' factories.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "runtime/core/DataValue.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/Font.h"
#include "runtime/win/Unit.h"

namespace rt::win {

//--- Colours ------------------------------------------------------------------------

// Stored colours with a non-zero high byte (0xFF000000 above all) mean "the system's".
bool IsSystemColor(uint32_t stored);
COLORREF ResolveColor(uint32_t stored, int systemIndex);

// One solid brush, remade when the colour changes.
class BrushCache {
 public:
  BrushCache() = default;
  ~BrushCache();
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;
  HBRUSH Get(COLORREF color);

 private:
  HBRUSH brush_ = nullptr;
  COLORREF color_ = 0;
};

//--- Property values ----------------------------------------------------------------

DataValue NewTextValue(const std::string& gbk);  // a new heap text, the caller's
inline bool LogicArg(const DataValue& v) { return v.low != 0; }
inline int32_t IntArg(const DataValue& v) { return int32_t(v.low); }
inline std::string TextArg(const DataValue& v) { return TextOf(v); }

//--- Base of the kinds with a window ------------------------------------------------

class ControlUnit : public Unit {
 public:
  ~ControlUnit() override;
  HWND Hwnd() const override { return hwnd_; }

 protected:
  explicit ControlUnit(const UnitCreateParams& params);

  // Makes the control window as a child of the parent with the host's position, state
  // and child id, subclassed so OnControlMessage sees its messages. False on failure.
  bool Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text,
              const std::vector<uint8_t>& fontBytes);

  // Raises the unit's own event. A handler may close the window and so delete this
  // unit: callers must not touch members once it returns.
  void Raise(int event);

  // Messages sent to the control window itself. Return true and set *result when handled.
  virtual bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }

  // The unit of a control window made by this library, or null.
  static ControlUnit* FromHwnd(HWND hwnd);

  std::string Text() const;
  void SetText(const std::string& gbk);

  // Property cases most kinds share, over the kind's stored copy of the value.
  DataValue TextValue(const std::string& stored) const;         // the window's text once it exists
  void WriteText(std::string* stored, const DataValue& value);  // stores and shows it
  void WriteColor(uint32_t* stored, const DataValue& value);    // stores it and repaints
  void Repaint();

  UnitHost* host_ = nullptr;
  UnitRef ref_;
  HWND hwnd_ = nullptr;
  UnitFont font_;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR data);
  void Detach();

  HWND parent_ = nullptr;
  RECT rect_{};
  bool visible_ = false, disabled_ = false, tabStop_ = false;
  int childId_ = 0;
};

// Handles WM_CTLCOLOR*: stored colours when set, else the system's. Returns the brush.
LRESULT ApplyControlColors(HDC dc, uint32_t textColor, int textSystem, uint32_t backColor, int backSystem,
                           BrushCache* brush);

// WM_CTLCOLORSTATIC / WM_CTLCOLORBTN of a button-class control: its stored text colour
// on the button face. False (the system's look) for other messages or no colour set.
bool ApplyButtonTextColor(UINT msg, WPARAM wp, uint32_t textColor, BrushCache* brush, LRESULT* result);

//--- Base of the check and radio boxes ----------------------------------------------

// The two differ only in how the checked state behaves; the rest is one platform
// button with the same stored settings and property numbers.
class CheckButtonUnit : public ControlUnit {
 public:
  bool GetProperty(int ownIndex, DataValue* out) override;
  bool SetProperty(int ownIndex, const DataValue& value) override;
  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

 protected:
  // Own property numbers; the data binding ones are the check box's alone.
  enum CheckProp {
    kCaption = 0,
    kFont,
    kTextColor,
    kPushLike,
    kTextOnLeft,
    kFlat,
    kMultiLine,
    kAlign,
    kVerticalAlign,
    kPicture,
    kChecked,
    kDataSource,
    kDataField,
  };

  CheckButtonUnit(const UnitCreateParams& params, CheckProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  // Makes the button window: kindStyle (check or radio) plus the stored settings.
  bool CreateButtonWindow(DWORD kindStyle);

  CheckProps props_;

 private:
  BrushCache brush_;
};

//--- Factories (used by the type table) ---------------------------------------------

// The kinds' common factory: read the stored settings, make the unit, make its window.
template <class KindUnit, class Props>
std::unique_ptr<Unit> MakeControlUnit(const UnitCreateParams& params,
                                      bool (*readProps)(const uint8_t*, size_t, Props*)) {
  Props props;
  if (!readProps(params.block, params.blockLength, &props)) return nullptr;
  auto unit = std::make_unique<KindUnit>(params, std::move(props));
  if (!unit->Init()) return nullptr;
  return unit;
}

std::unique_ptr<Unit> CreateEditBox(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateGroupBox(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateLabel(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateButton(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateCheckBox(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateRadioBox(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateDateBox(const UnitCreateParams& params);
std::unique_ptr<Unit> CreateCommonDialog(const UnitCreateParams& params);

}  // namespace rt::win
