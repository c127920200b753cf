#include "runtime/core/RuntimeError.h"

#include <cstdio>
#include <cstdlib>

namespace rt {

namespace msg {
const char* const kBadTemplateData = "载入窗口模板数据段出错!";
const char* const kStartWindowFailed = "载入启动窗口失败";
const char* const kAllocateFailed = "分配 %d 字节内存失败!";
const char* const kWindowNotFound = "未载入欲访问窗口组件所在的窗口";
const char* const kWindowNotLoaded = "指定窗口尚未载入";
const char* const kUnitNotFound = "指定窗口或窗口组件不存在或尚未载入";
const char* const kEventWindowMissing = "未找到引发事件的窗口";
const char* const kEventUnitMissing = "未找到引发事件的窗口组件";
const char* const kEventUnitInvalid = "引发事件的窗口组件无效";
const char* const kLibraryLoadFailed = "因所在支持库载入出错而无法创建";
const char* const kNotNumeric = "欲转换数据类型不是数值";
}  // namespace msg

namespace {

const char* const kNumbered[] = {
    "",
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

void DefaultReporter(const char* message, int code) {
  std::fputs(BuildRuntimeErrorText(message, code).c_str(), stderr);
  std::exit(-1);
}

RuntimeErrorReporter g_reporter = DefaultReporter;

}  // namespace

const char* NumberedErrorMessage(int code) {
  if (code < 0 || code >= int(sizeof(kNumbered) / sizeof(kNumbered[0]))) return "";
  return kNumbered[code];
}

std::string BuildRuntimeErrorText(const char* message, int code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    text += "错误代码：";
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (message && *message) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

RuntimeErrorReporter SetRuntimeErrorReporter(RuntimeErrorReporter reporter) {
  RuntimeErrorReporter old = g_reporter;
  g_reporter = reporter ? reporter : DefaultReporter;
  return old;
}

void ReportRuntimeError(const char* message, int code) {
  g_reporter(message ? message : "", code);
  std::abort();  // a reporter must never return
}

void RaiseRuntimeError(int code) { ReportRuntimeError(NumberedErrorMessage(code), code); }

}  // namespace rt
