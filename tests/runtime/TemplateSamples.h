// Small but complete template sets for the reader tests: two windows, a menu with a
// sub-menu and a separator, a group box holding an edit box, and handler offsets
// 0, -1 and 2.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/ByteArchive.h"
#include "runtime/core/DataValue.h"
#include "runtime/core/TemplateWriter.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/core/WindowTemplate.h"

namespace rt::sample {

constexpr uint32_t kWindowA = 0x52000001, kWindowB = 0x52000020;
constexpr uint32_t kWindowUnitA = 0x06000002, kWindowUnitB = 0x06000021;
constexpr uint32_t kMenuFile = 0x26000003, kMenuOpen = 0x26000004, kMenuLine = 0x26000005,
                   kMenuRecent = 0x26000006, kMenuRecentOne = 0x26000007;
constexpr uint32_t kGroup = 0x16000008, kEdit = 0x16000009, kLabel = 0x1600000a, kButton = 0x16000022;

inline UnitTemplate Control(uint32_t id, uint32_t type, const char* name, std::vector<uint8_t> block) {
  UnitTemplate u;
  u.id = id;
  u.typeId = type;
  u.name = name;
  u.left = 10;
  u.top = -8;
  u.width = 120;
  u.height = 24;
  u.pointerBlock = {0, 0, 0, 0};
  u.state = 5;
  u.propertyBlock = std::move(block);
  return u;
}

inline UnitTemplate Menu(uint32_t id, uint32_t level, const char* caption, uint32_t offset) {
  UnitTemplate u;
  u.id = id;
  u.typeId = tag::kMenuItem;
  u.level = level;
  u.caption = caption;
  u.click.offset = offset;
  return u;
}

inline TemplateSet TwoWindows() {
  WindowProps wp;
  wp.caption = "主窗口";
  UnitTemplate windowA = Control(kWindowUnitA, tag::kWindow, "", WriteWindowProps(wp));
  windowA.events = {{0, 0, nullptr}, {4, kNoHandlerOffset, nullptr}};
  windowA.state = 1;

  GroupBoxProps gp;
  gp.caption = "分组";
  UnitTemplate group = Control(kGroup, tag::kGroupBox, "分组框1", WriteGroupBoxProps(gp));
  group.containedIds = {kEdit};
  EditBoxProps ep;
  ep.content = "内容";
  UnitTemplate edit = Control(kEdit, tag::kEditBox, "编辑框1", WriteEditBoxProps(ep));
  edit.containerId = kGroup;
  edit.events = {{0, 2, nullptr}};
  edit.tagText = "标记";
  edit.remark = "备注";
  LabelProps lp;
  lp.caption = "标签";
  UnitTemplate label = Control(kLabel, tag::kLabel, "标签1", WriteLabelProps(lp));

  UnitTemplate recentOne = Menu(kMenuRecentOne, 2, "一", 1);
  recentOne.shortcut = 77;
  recentOne.menuState = 4;

  WindowTemplate a;
  a.windowId = kWindowA;
  a.unusedWord = 0;
  a.idWord = 0x19000010;
  a.text1 = "甲";
  a.units = {windowA,
             Menu(kMenuFile, 0, "文件  ", kNoHandlerOffset),
             Menu(kMenuOpen, 1, "打开", 1),
             Menu(kMenuLine, 1, "-", 2),
             Menu(kMenuRecent, 1, "最近", kNoHandlerOffset),
             recentOne,
             group,
             edit,
             label};

  UnitTemplate windowB = Control(kWindowUnitB, tag::kWindow, "", WriteWindowProps(wp));
  ButtonProps bp;
  bp.caption = "确定";
  UnitTemplate button = Control(kButton, tag::kButton, "按钮1", WriteButtonProps(bp));
  button.events = {{0, 0, nullptr}};
  WindowTemplate b;
  b.windowId = kWindowB;
  b.units = {windowB, button};

  TemplateSet set;
  set.windows = {a, b};
  return set;
}

}  // namespace rt::sample
