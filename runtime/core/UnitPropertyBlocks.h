// The own property blocks of the core unit kinds as the window templates store them,
// read into plain records (and written back, for the program's template builder).
//
// A block handed to a reader starts at the unit record's five reserved words; every
// reader skips those 20 bytes, then reads the kind's version word. A version above the
// kind's highest, or a block that ends early, makes the reader fail.
// Texts are counted texts; a font is a counted block of 0 bytes (default font) or 60
// bytes (a Windows LOGFONTA record, kept as raw bytes here).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

constexpr uint32_t kDefaultColor = 0xFF000000u;  // "use the system's colour"

using FontBytes = std::vector<uint8_t>;  // empty = default font, else 60 bytes

struct WindowProps {  // highest version 6
  uint32_t version = 6;
  std::string caption;
  std::vector<uint8_t> icon;  // an .ico file, empty for none
  std::string className;     // empty = the runtime's own window class
  // Frame: 0 none, 1 fixed single, 2 sizable (default), 3 fixed dialog.
  uint32_t border = 2;
  bool minButton = true, maxButton = true, controlBox = true;
  uint32_t backColor = kDefaultColor;
  // Start position: 0 as stored, 1 centred on the screen.
  uint32_t startPosition = 0;
  FontBytes font;
};

struct LabelProps {  // highest version 2
  uint32_t version = 2;
  std::string caption;
  FontBytes font;
  uint32_t textColor = kDefaultColor, backColor = kDefaultColor;
  uint32_t align = 0;          // 0 left, 1 centre, 2 right
  uint32_t verticalAlign = 0;  // 0 top, 1 centre, 2 bottom
  uint32_t border = 0;         // 0 none, 1 line, 2 sunken
  bool wordWrap = true;
  bool transparent = false;
};

struct EditBoxProps {  // highest version 2
  uint32_t version = 2;
  std::string content;
  FontBytes font;
  uint32_t textColor = kDefaultColor, backColor = 0x00FFFFFF;
  uint32_t border = 1;        // 0 none, 1 sunken
  bool readOnly = false, multiLine = false, password = false;
  uint16_t passwordChar = 42; // '*'
  uint32_t scrollBars = 0;    // 0 none, 1 horizontal, 2 vertical, 3 both
  uint32_t align = 0;         // 0 left, 1 centre, 2 right
  uint32_t maxLength = 0;     // 0 = no limit
  uint32_t inputMode = 0;     // 0 any text
};

struct ButtonProps {  // highest version 1
  uint32_t version = 1;
  std::string caption;
  FontBytes font;
  bool isDefault = false;
};

struct CheckProps {  // check box (highest 2) and radio box (highest 1)
  uint32_t version = 2;
  std::string caption;
  FontBytes font;
  uint32_t textColor = kDefaultColor;
  bool checked = false;  // own property 18 (checked / selected)
};

struct GroupBoxProps {  // highest version 1
  uint32_t version = 1;
  std::string caption;
  FontBytes font;
  uint32_t textColor = kDefaultColor;
};

struct CommonDialogProps {
  uint32_t version = 1;
  uint32_t kind = 0;       // 0 open file, 1 save file
  std::string title;
  std::string filter;      // "description|pattern|description|pattern..."
  std::string defaultExt;  // without the dot, e.g. "qgd"
  std::string initialDir;
  std::string fileName;
  bool mustExist = false, overwritePrompt = true;
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
// The date box stores nothing after the reserved words.

// Writers (the program's template builder): the 20 reserved bytes, then the block.
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
