// The 账本位置 window: this PC's book or a server book several PCs share, with the
// connection tested and this PC's book uploaded before the place is confirmed.
#include "app/core/BookTemplates.h"
#include "app/core/HandlerIds.h"
#include "app/core/LibraryUnitBlocks.h"
#include "app/core/ProgramIcons.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/TemplateRecords.h"

namespace app {

using namespace tpl;
namespace tag = rt::tag;

rt::WindowTemplate BookPlaceWindow() {
  rt::WindowTemplate w;
  w.windowId = kBookPlaceWindowId;
  w.units = {
      On(0, HandlerId::OnBookPlaceShown,
         Unit(kBookPlaceWindowUnitId, tag::kWindow, "", {80, 80, 460, 260}, kShownState,
              WindowBlock(5, 1, "账本位置", SheetIcon()))),
      Unit(kLocalBookRadioId, tag::kRadioBox, "本机单选框", {16, 16, 96, 20}, kInputState,
           RadioBlock("本机账本", true)),
      Unit(kLocalBookLabelId, tag::kLabel, "本机文件标签", {112, 19, 330, 16}, kShownState, LabelBlock("")),
      Unit(kServerBookRadioId, tag::kRadioBox, "服务器单选框", {16, 48, 120, 20}, kInputState,
           RadioBlock("服务器账本", false)),
      Unit(kConnectionLabelId, tag::kLabel, "标签1", {36, 77, 400, 16}, kShownState,
           LabelBlock("连接字符串或数据源名称：")),
      Unit(kConnectionEditId, tag::kEditBox, "连接编辑框", {36, 96, 404, 22}, kInputState, EditBlock("")),
      On(0, HandlerId::OnTestConnection,
         Unit(kTestConnectionButtonId, tag::kButton, "测试按钮", {36, 128, 88, 28}, kInputState,
              ButtonBlock("测试连接"))),
      On(0, HandlerId::OnUploadBook,
         Unit(kUploadBookButtonId, tag::kButton, "上传按钮", {132, 128, 120, 28}, kInputState,
              ButtonBlock("上传本机账本…"))),
      On(0, HandlerId::OnBookPlaceOk,
         Unit(kBookPlaceOkButtonId, tag::kButton, "确定按钮", {264, 180, 80, 28}, kInputState,
              ButtonBlock("确定"))),
      On(0, HandlerId::OnBookPlaceCancel,
         Unit(kBookPlaceCancelButtonId, tag::kButton, "取消按钮", {360, 180, 80, 28}, kInputState,
              ButtonBlock("取消"))),
  };
  return w;
}

}  // namespace app
