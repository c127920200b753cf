// The file commands as the other commands reuse them.
#pragma once

#include <cstdint>
#include <string>

namespace app {

constexpr int kStopIcon = 0x10;
constexpr int kInformationIcon = 0x40;
constexpr int kYesNoCancelQuestion = 0x23;
constexpr int kYesNoQuestion = 0x24;
constexpr int kAnswerYes = 5, kAnswerNo = 6;  // InfoBox's button numbers

// A message box with the caption "信息："; the button pressed.
int Tell(const std::string& text, int flags);

// Shows the open or save dialog with that filter ("名称|*.ext"); false when cancelled.
bool ChooseFile(uint32_t dialogId, const char* filter, std::string* fileName);

// Loads a note file into the grid; says so when it cannot be read.
bool OpenNoteFile(const std::string& fileName);

// Asks for a file name and saves the note there, recording it in the book; false when
// the user cancelled or the file could not be written.
bool SaveNoteThroughDialog();

// True when the note on screen may be dropped: it has no unsaved edits, or the user,
// asked "当前单据尚未保存，是否保存？", said 否, or 是 and it was saved.
bool MayDropNote();

}  // namespace app
