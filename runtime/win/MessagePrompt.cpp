#include "runtime/win/MessagePrompt.h"

#include <utility>

#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {
MessagePromptHook& Hook() {
  static MessagePromptHook hook;
  return hook;
}
}  // namespace

int ShowMessagePrompt(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  if (Hook()) {
    // Copy first: the hook may replace itself while it runs.
    MessagePromptHook hook = Hook();
    return hook(text, caption, flags);
  }
  return MessageBoxW(owner, GbkToWide(text).c_str(), GbkToWide(caption).c_str(), flags);
}

MessagePromptHook SetMessagePromptHook(MessagePromptHook hook) {
  MessagePromptHook old = std::move(Hook());
  Hook() = std::move(hook);
  return old;
}

}  // namespace rt::win
