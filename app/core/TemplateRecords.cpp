#include "app/core/TemplateRecords.h"

#include <utility>

namespace app::tpl {

//--- Unit records -------------------------------------------------------------------

rt::UnitTemplate Unit(uint32_t id, uint32_t type, const char* name, Place at, uint32_t state,
                      std::vector<uint8_t> block) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = type;
  u.name = name;
  u.left = at.left;
  u.top = at.top;
  u.width = at.width;
  u.height = at.height;
  u.pointerBlock = {0, 0, 0, 0};  // the default mouse pointer
  u.state = state;
  u.propertyBlock = std::move(block);
  return u;
}

rt::UnitTemplate Inside(uint32_t groupId, rt::UnitTemplate u) {
  u.containerId = groupId;
  return u;
}

rt::UnitTemplate On(int32_t event, HandlerId handler, rt::UnitTemplate u) {
  u.events.push_back({event, HandlerOffset(handler), nullptr});
  return u;
}

rt::UnitTemplate On(std::initializer_list<std::pair<int32_t, HandlerId>> events, rt::UnitTemplate u) {
  for (const auto& [event, handler] : events) u = On(event, handler, std::move(u));
  return u;
}

rt::UnitTemplate MenuItem(uint32_t id, uint32_t level, const char* caption, std::optional<HandlerId> handler) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = rt::tag::kMenuItem;
  u.level = level;
  u.caption = caption;
  u.click.offset = handler ? HandlerOffset(*handler) : rt::kNoHandlerOffset;
  return u;
}

// Each group box lists the units that name it as their container, in table order.
void ListContainedUnits(rt::WindowTemplate* w) {
  for (rt::UnitTemplate& group : w->units)
    for (const rt::UnitTemplate& u : w->units)
      if (!u.IsMenuItem() && u.containerId == group.id) group.containedIds.push_back(u.id);
}

//--- Property blocks of the core kinds ----------------------------------------------

std::vector<uint8_t> WindowBlock(uint32_t version, uint32_t border, const char* caption,
                                 const std::vector<uint8_t>& icon) {
  rt::WindowProps p;
  p.version = version;
  p.border = border;
  if (border != 2) p.minButton = p.maxButton = false;  // fixed windows cannot be sized
  p.caption = caption;
  p.icon = icon;
  return rt::WriteWindowProps(p);
}

std::vector<uint8_t> LabelBlock(const char* caption, rt::FontBytes font) {
  rt::LabelProps p;
  p.caption = caption;
  p.font = std::move(font);
  return rt::WriteLabelProps(p);
}

std::vector<uint8_t> EditBlock(const char* content) {
  rt::EditBoxProps p;
  p.content = content;
  return rt::WriteEditBoxProps(p);
}

std::vector<uint8_t> ButtonBlock(const char* caption) {
  rt::ButtonProps p;
  p.caption = caption;
  return rt::WriteButtonProps(p);
}

std::vector<uint8_t> CheckBlock(const char* caption, bool checked) {
  rt::CheckProps p;
  p.caption = caption;
  p.checked = checked;
  return rt::WriteCheckBoxProps(p);
}

std::vector<uint8_t> RadioBlock(const char* caption, bool selected) {
  rt::CheckProps p;
  p.version = 1;
  p.caption = caption;
  p.checked = selected;
  return rt::WriteRadioBoxProps(p);
}

std::vector<uint8_t> GroupBlock(const char* caption) {
  rt::GroupBoxProps p;
  p.caption = caption;
  return rt::WriteGroupBoxProps(p);
}

std::vector<uint8_t> FileDialogBlock(uint32_t kind, const char* defaultExt) {
  rt::CommonDialogProps p;
  p.kind = kind;
  p.mustExist = kind == 0;
  p.defaultExt = defaultExt;
  return rt::WriteCommonDialogProps(p);
}

}  // namespace app::tpl
