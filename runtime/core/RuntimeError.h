// The one place every runtime failure ends: the error box text, the numbered
// messages, and the reporter that shows the box and ends the process.
//
// The core only builds texts and calls the installed reporter; the Windows host
// installs one that shows the box and exits with -1, tests install one that throws.
#pragma once

#include <string>

namespace rt {

// Messages of the runtime (GBK).
namespace msg {
extern const char* const kBadTemplateData;     // 载入窗口模板数据段出错!
extern const char* const kStartWindowFailed;   // 载入启动窗口失败
extern const char* const kAllocateFailed;      // 分配 %d 字节内存失败!  (printf pattern)
extern const char* const kWindowNotFound;      // 未载入欲访问窗口组件所在的窗口
extern const char* const kWindowNotLoaded;     // 指定窗口尚未载入
extern const char* const kUnitNotFound;        // 指定窗口或窗口组件不存在或尚未载入
extern const char* const kEventWindowMissing;  // 未找到引发事件的窗口
extern const char* const kEventUnitMissing;    // 未找到引发事件的窗口组件
extern const char* const kEventUnitInvalid;    // 引发事件的窗口组件无效
extern const char* const kLibraryLoadFailed;   // 因所在支持库载入出错而无法创建
extern const char* const kNotNumeric;          // 欲转换数据类型不是数值
}  // namespace msg

// The message of a numbered runtime error (1..11); empty for 0 and unknown codes.
const char* NumberedErrorMessage(int code);

// The box text: heading, the code line when code != 0, the message line when not empty.
std::string BuildRuntimeErrorText(const char* message, int code);

// Shows the error box (through the installed reporter) and ends the program.
[[noreturn]] void ReportRuntimeError(const char* message, int code = 0);
[[noreturn]] void RaiseRuntimeError(int code);

// The reporter must not return; if it does, the process aborts.
using RuntimeErrorReporter = void (*)(const char* message, int code);
RuntimeErrorReporter SetRuntimeErrorReporter(RuntimeErrorReporter reporter);

}  // namespace rt
