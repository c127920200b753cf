// Reasons a trader can read (GBK) for what went wrong with the book.
#pragma once

#include <string>

namespace book {

namespace reason {
inline constexpr char kDamaged[] = "账本文件已损坏";
inline constexpr char kBusy[] = "账本正被另一个程序使用";
inline constexpr char kNotABook[] = "这个文件不是账本";
inline constexpr char kNewer[] = "账本由较新版本的程序建立，请使用新版本";
inline constexpr char kDiskFull[] = "磁盘已满，账本无法写入";
inline constexpr char kReadOnly[] = "账本文件只读，无法写入";
inline constexpr char kCannotOpen[] = "无法打开或建立账本文件";
inline constexpr char kReadWrite[] = "读写账本文件出错";
inline constexpr char kNoMemory[] = "内存不足";
inline constexpr char kNoPermission[] = "没有权限使用账本文件";
inline constexpr char kTotalOverflow[] = "金额超出范围，无法合计";
inline constexpr char kNotEmpty[] = "目标账本里已有单据或收款，只能上传到空的账本；什么也没有改动";
}  // namespace reason

// The reason for an SQLite result code (extended codes included).
std::string ReasonForCode(int code);

}  // namespace book
