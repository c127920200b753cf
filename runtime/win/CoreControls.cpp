// Type information of the core control kinds: names, flags, property kinds and the
// factories the host's type table calls.
#include "runtime/win/CoreControls.h"

#include <iterator>

#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

using namespace propkind;

// Shorthands: the eight common properties every kind starts with, owned by the host.
constexpr int I = kInteger, L = kLogic, D = kDateTime, T = kText, C = kChoice, F = kFont;
#define COMMON_PROPERTIES I, I, I, I, T, L, L, kPointer

// 8 content, 9 border, 10 text colour, 11 back colour, 12 font, 13 hide selection,
// 14 read-only, 15 multi-line, 16 scroll bars, 17 alignment, 18 password, 19 password
// character, 20 maximum length, 21 input mode, 22/23 spin minimum/maximum,
// 24/25 selection start/length, 26 selected text, 27/28 data source/field.
constexpr int kEditBoxKinds[] = {
    COMMON_PROPERTIES, T, C, I, I, F, L, L, L, C, C, L, I, I, C, I, I, I, I, T, T, T};

// 8 caption, 9 font, 10 text colour, 11 alignment, 12 flat.
constexpr int kGroupBoxKinds[] = {COMMON_PROPERTIES, T, F, I, C, L};

// 8 caption, 9 border, 10 text colour, 11 back colour, 12 font, 13 alignment,
// 14 vertical alignment, 15 word wrap, 16 transparent, 17/18 data source/field,
// 19..28 unused.
constexpr int kLabelKinds[] = {
    COMMON_PROPERTIES, T, C, I, I, F, C, C, L, L, T, T, I, I, I, I, I, I, I, I, I, I};

// 8 caption, 9 font, 10 default, 11 cancel, 12 alignment, 13 picture.
constexpr int kButtonKinds[] = {COMMON_PROPERTIES, T, F, L, L, C, I};

// 8 caption, 9 font, 10 text colour, 11 push-like, 12 text on the left, 13 flat,
// 14 multi-line, 15 alignment, 16 vertical alignment, 17 picture, 18 checked;
// check boxes also 19/20 data source/field.
constexpr int kCheckBoxKinds[] = {COMMON_PROPERTIES, T, F, I, L, L, L, L, C, C, I, L, T, T};
constexpr int kRadioBoxKinds[] = {COMMON_PROPERTIES, T, F, I, L, L, L, L, C, C, I, L};

// 8/9 earliest/latest date, 10 date, 11 font, 12 format, 13..16 unused.
constexpr int kDateBoxKinds[] = {COMMON_PROPERTIES, D, D, D, F, C, I, I, I, I};

// 8 kind, 9 title, 10 file name, 11 filter, 12 filter index, 13 initial folder,
// 14 default extension, 15 file must exist, 16 ask before overwriting, 17..29 unused.
constexpr int kCommonDialogKinds[] = {
    COMMON_PROPERTIES, C, T, T, T, I, T, T, L, L, I, I, I, I, I, I, I, I, I, I, I, I, I};

#undef COMMON_PROPERTIES

static_assert(std::size(kEditBoxKinds) == 29, "one kind per property");
static_assert(std::size(kGroupBoxKinds) == 13, "one kind per property");
static_assert(std::size(kLabelKinds) == 29, "one kind per property");
static_assert(std::size(kButtonKinds) == 14, "one kind per property");
static_assert(std::size(kCheckBoxKinds) == 21, "one kind per property");
static_assert(std::size(kRadioBoxKinds) == 19, "one kind per property");
static_assert(std::size(kDateBoxKinds) == 17, "one kind per property");
static_assert(std::size(kCommonDialogKinds) == 30, "one kind per property");

}  // namespace

const UnitTypeInfo kEditBoxType = {"编辑框", "EditBox", 0x80000040, 29, kEditBoxKinds, CreateEditBox};
const UnitTypeInfo kGroupBoxType = {"分组框", "GroupBox", 0x840140C0, 13, kGroupBoxKinds, CreateGroupBox};
const UnitTypeInfo kLabelType = {"标签", "Label", 0x84012040, 29, kLabelKinds, CreateLabel};
const UnitTypeInfo kButtonType = {"按钮", "Button", 0x80000840, 14, kButtonKinds, CreateButton};
const UnitTypeInfo kCheckBoxType = {"选择框", "CheckBox", 0x80001040, 21, kCheckBoxKinds, CreateCheckBox};
const UnitTypeInfo kRadioBoxType = {"单选框", "RadioBox", 0x80000440, 19, kRadioBoxKinds, CreateRadioBox};
const UnitTypeInfo kDateBoxType = {"日期框", "DatePicker", 0x80000040, 17, kDateBoxKinds, CreateDateBox};
const UnitTypeInfo kCommonDialogType = {"通用对话框", "CommonDlg",        0x80008040,
                                        30,           kCommonDialogKinds, CreateCommonDialog};

}  // namespace rt::win
