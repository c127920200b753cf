#include "runtime/core/RuntimeError.h"

#include <gtest/gtest.h>

#include "runtime/core/IntegerConversion.h"
#include "tests/runtime/ThrowingReporter.h"

namespace rt {
namespace {

TEST(RuntimeErrorText, CodeAndMessageLinesAppearOnlyWhenGiven) {
  EXPECT_EQ(BuildRuntimeErrorText("坏了", 0), "运行时出错!\r\n\r\n错误信息：坏了\r\n");
  EXPECT_EQ(BuildRuntimeErrorText("", 7), "运行时出错!\r\n\r\n错误代码：7\r\n\r\n");
  EXPECT_EQ(BuildRuntimeErrorText(nullptr, 0), "运行时出错!\r\n\r\n");
  EXPECT_EQ(BuildRuntimeErrorText(NumberedErrorMessage(5), 5),
            "运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：数据或数组类型不匹配\r\n");
}

TEST(RuntimeErrorText, NumberedTableCoversOneToEleven) {
  EXPECT_STREQ(NumberedErrorMessage(0), "");
  EXPECT_STREQ(NumberedErrorMessage(1), "数组成员引用下标超出定义范围");
  EXPECT_STREQ(NumberedErrorMessage(11), "所提供参数的数据类型不符合要求");
  EXPECT_STREQ(NumberedErrorMessage(12), "");
  EXPECT_STREQ(NumberedErrorMessage(-1), "");
}

TEST(RuntimeError, RaiseHandsCodeAndMessageToTheReporter) {
  ThrowingReporter reporter;
  try {
    RaiseRuntimeError(5);
  } catch (const RuntimeErrorRaised& e) {
    EXPECT_EQ(e.code, 5);
    EXPECT_EQ(e.message, "数据或数组类型不匹配");
  }
}

TEST(IntegerConversion, FollowsTheKindRules) {
  EXPECT_EQ(IntegerOf(MakeByte(200)), 200);
  EXPECT_EQ(IntegerOf(MakeShort(-3)), -3);
  EXPECT_EQ(IntegerOf(MakeLong(0x100000005LL)), 5);
  EXPECT_EQ(IntegerOf(MakeDouble(-2.9)), -2);
  EXPECT_EQ(IntegerOf(MakeFloat(7.9f)), 7);
  EXPECT_EQ(IntegerOf(MakeDouble(1e300)), INT32_MAX);
  ThrowingReporter reporter;
  try {
    IntegerOf(MakeLogic(true));
    FAIL();
  } catch (const RuntimeErrorRaised& e) {
    EXPECT_EQ(e.message, "欲转换数据类型不是数值");
  }
}

}  // namespace
}  // namespace rt
