// The own property blocks of the core unit kinds as the window templates store them,
// read into plain records (and written back, for the program's template builder).
//
// A block handed to a reader starts at the unit record's five reserved words; every
// reader skips those 20 bytes, then reads the kind's version word. A version above the
// kind's highest, a block that ends early, or bytes left over after the layout make the
// reader fail. Writers emit the 20 reserved zero bytes first.
//
// Notation: w = 32-bit word, h = 16-bit value, B = counted block (word n, n bytes),
// T = counted text (word n, n GBK bytes). A font is a B of 0 bytes (the default font)
// or of 60 bytes (a Windows LOGFONTA record, kept as raw bytes here); any other font
// length is bad data. Flags are words holding 0 or 1 (any non-zero reads as true).
// Words named `spare` have no meaning yet: they are kept as read and written back.
//
// Layouts after the version word:
//   window       (highest 6)  w border, w controlBox, w minButton, w maxButton,
//                             w backColor, w startPosition, w topMost; B icon (.ico);
//                             T caption; T className; from version 6: B font
//   label        (highest 2)  w textColor, w backColor, w align, w verticalAlign,
//                             w border, w wordWrap, w transparent, 9 w spare;
//                             B font; B picture; T caption;
//                             from version 2: T dataSource, T dataField
//   edit box     (highest 2)  w border, w textColor, w backColor, w hideSelection,
//                             w readOnly, w multiLine, w scrollBars, w align, w password;
//                             h passwordChar; w maxLength, w inputMode, w spinMinimum,
//                             w spinMaximum, w selectionStart, w selectionLength;
//                             B font; T content; from version 2: T dataSource, T dataField
//   button       (highest 1)  w isDefault, w isCancel, w align; B font; B picture; T caption
//   check box    (highest 2)  w pushLike, w textOnLeft, w flat, w multiLine, w align,
//   radio box    (highest 1)  w verticalAlign, w textColor, w checked; B font; B picture;
//                             T caption; check box from version 2: T dataSource, T dataField
//   group box    (highest 1)  w align, w flat, w textColor; B font; T caption
//   common dialog (highest 1) w kind, w mustExist, w overwritePrompt; T title; T filter;
//                             T defaultExt; T initialDir; T fileName
//   date box                  nothing: the block is the 20 reserved bytes
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rt {

constexpr size_t kReservedPropertyBytes = 20;    // field 14 of a unit record
constexpr uint32_t kDefaultColor = 0xFF000000u;  // "use the system's colour"
constexpr size_t kLogFontBytes = 60;

using FontBytes = std::vector<uint8_t>;  // empty = default font, else 60 bytes

// A LOGFONTA record: height, weight, character set and face (at most 31 bytes).
FontBytes MakeFontBytes(int32_t height, int32_t weight, uint8_t charSet, const std::string& face);

struct WindowProps {  // highest version 6
  uint32_t version = 6;
  enum Frame : uint32_t { kNoFrame, kFixedSingleFrame, kSizableFrame, kFixedDialogFrame };
  uint32_t border = kSizableFrame;
  bool controlBox = true, minButton = true, maxButton = true;
  uint32_t backColor = kDefaultColor;
  // Start position: 0 as stored, 1 centred on the screen.
  uint32_t startPosition = 0;
  bool topMost = false;
  std::vector<uint8_t> icon;  // an .ico file, empty for none
  std::string caption;
  std::string className;  // empty = the runtime's own window class
  FontBytes font;         // version 6 on
};

struct LabelProps {  // highest version 2
  enum Align : uint32_t { kLeft, kCentre, kRight };
  enum VerticalAlign : uint32_t { kTop, kMiddle, kBottom };
  enum Border : uint32_t { kNoBorder, kLineBorder, kSunkenBorder };
  uint32_t version = 2;
  uint32_t textColor = kDefaultColor, backColor = kDefaultColor;
  uint32_t align = 0;          // 0 left, 1 centre, 2 right
  uint32_t verticalAlign = 0;  // 0 top, 1 centre, 2 bottom
  uint32_t border = 0;         // 0 none, 1 line, 2 sunken
  bool wordWrap = true;
  bool transparent = false;
  std::array<uint32_t, 9> spare{};
  FontBytes font;
  std::vector<uint8_t> picture;
  std::string caption;
  std::string dataSource, dataField;  // version 2 on
};

struct EditBoxProps {  // highest version 2
  enum Align : uint32_t { kLeft, kCentre, kRight };
  enum ScrollBar : uint32_t { kHorizontalBar = 1, kVerticalBar = 2 };  // bits
  uint32_t version = 2;
  uint32_t border = 1;  // 0 none, 1 sunken
  uint32_t textColor = 0x000000, backColor = 0x00FFFFFF;
  bool hideSelection = true;
  bool readOnly = false, multiLine = false;
  uint32_t scrollBars = 0;  // 0 none, 1 horizontal, 2 vertical, 3 both
  uint32_t align = 0;       // 0 left, 1 centre, 2 right
  bool password = false;
  uint16_t passwordChar = 42;  // '*'
  uint32_t maxLength = 0;      // 0 = no limit
  uint32_t inputMode = 0;      // 0 any text
  int32_t spinMinimum = 0, spinMaximum = 100;
  uint32_t selectionStart = 0, selectionLength = 0;
  FontBytes font;
  std::string content;
  std::string dataSource, dataField;  // version 2 on
};

struct ButtonProps {  // highest version 1
  enum Align : uint32_t { kCentre, kLeft, kRight };
  uint32_t version = 1;
  bool isDefault = false, isCancel = false;
  uint32_t align = 0;  // 0 centre, 1 left, 2 right
  FontBytes font;
  std::vector<uint8_t> picture;
  std::string caption;
};

struct CheckProps {  // check box (highest 2) and radio box (highest 1)
  enum Align : uint32_t { kLeft, kCentre, kRight };
  enum VerticalAlign : uint32_t { kMiddle, kTop, kBottom };
  uint32_t version = 2;
  bool pushLike = false, textOnLeft = false, flat = false, multiLine = false;
  uint32_t align = 0;          // 0 left, 1 centre, 2 right
  uint32_t verticalAlign = 0;  // 0 centre, 1 top, 2 bottom
  uint32_t textColor = kDefaultColor;
  bool checked = false;  // own property 18 (checked / selected)
  FontBytes font;
  std::vector<uint8_t> picture;
  std::string caption;
  std::string dataSource, dataField;  // check box, version 2 on
};

struct GroupBoxProps {  // highest version 1
  enum Align : uint32_t { kLeft, kCentre, kRight };
  uint32_t version = 1;
  uint32_t align = 0;  // 0 left, 1 centre, 2 right
  bool flat = false;
  uint32_t textColor = kDefaultColor;
  FontBytes font;
  std::string caption;
};

struct CommonDialogProps {  // highest version 1
  uint32_t version = 1;
  uint32_t kind = 0;  // 0 open file, 1 save file
  bool mustExist = false, overwritePrompt = true;
  std::string title;
  std::string filter;      // "description|pattern|description|pattern..."
  std::string defaultExt;  // without the dot, e.g. "qgd"
  std::string initialDir;
  std::string fileName;
};

// Readers: false when the block is too short, malformed, or of a higher version.
bool ReadWindowProps(const uint8_t* block, size_t length, WindowProps* out);
bool ReadLabelProps(const uint8_t* block, size_t length, LabelProps* out);
bool ReadEditBoxProps(const uint8_t* block, size_t length, EditBoxProps* out);
bool ReadButtonProps(const uint8_t* block, size_t length, ButtonProps* out);
bool ReadCheckBoxProps(const uint8_t* block, size_t length, CheckProps* out);
bool ReadRadioBoxProps(const uint8_t* block, size_t length, CheckProps* out);
bool ReadGroupBoxProps(const uint8_t* block, size_t length, GroupBoxProps* out);
bool ReadCommonDialogProps(const uint8_t* block, size_t length, CommonDialogProps* out);
// The date box stores nothing after the reserved words: true for a block of exactly 20.
bool ReadDateBoxProps(const uint8_t* block, size_t length);

// Writers (the program's template builder): the 20 reserved bytes, then the block in
// the layout of the record's version.
std::vector<uint8_t> WriteWindowProps(const WindowProps& p);
std::vector<uint8_t> WriteLabelProps(const LabelProps& p);
std::vector<uint8_t> WriteEditBoxProps(const EditBoxProps& p);
std::vector<uint8_t> WriteButtonProps(const ButtonProps& p);
std::vector<uint8_t> WriteCheckBoxProps(const CheckProps& p);
std::vector<uint8_t> WriteRadioBoxProps(const CheckProps& p);
std::vector<uint8_t> WriteGroupBoxProps(const GroupBoxProps& p);
std::vector<uint8_t> WriteCommonDialogProps(const CommonDialogProps& p);
std::vector<uint8_t> WriteDateBoxProps();

}  // namespace rt
