// Auto-complete suggestions on an edit control: the platform's auto-complete object
// (drop-down list and completion of the typed text) over a list the program gives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct IAutoComplete2;

namespace rt::win {

class CompletionList;

// One per edit box: made on the first non-empty list, attached to the edit window for
// its life, released with the owner.
class EditCompletions {
 public:
  EditCompletions() = default;
  ~EditCompletions();
  EditCompletions(const EditCompletions&) = delete;
  EditCompletions& operator=(const EditCompletions&) = delete;

  // The suggestions become `items`, offered in this order; an empty list removes them.
  // False, with nothing changed, when the platform has no auto-complete object.
  bool Set(HWND edit, std::vector<std::wstring> items);

 private:
  IAutoComplete2* complete_ = nullptr;
  CompletionList* list_ = nullptr;
};

// The lines of a GBK text separated by "\n" (a "\r" before it dropped, empty lines
// skipped), as UTF-16.
std::vector<std::wstring> CompletionLines(const std::string& gbk);

}  // namespace rt::win
