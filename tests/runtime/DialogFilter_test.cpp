#include "runtime/core/DialogFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rt::BuildDialogFilterList;
using rt::ParseDialogFilter;

// Writes the zero bytes of a list as '#', which no test text uses otherwise.
std::string Z(std::string s) {
  for (char& c : s)
    if (c == '#') c = '\0';
  return s;
}

TEST(DialogFilterList, PairsBecomeZeroSeparatedListWithDoubleZeroEnd) {
  EXPECT_EQ(BuildDialogFilterList("表格文件(*.qgd)|*.qgd"),
            std::string("表格文件(*.qgd)") + '\0' + "*.qgd" + '\0' + '\0');
  EXPECT_EQ(BuildDialogFilterList("A|*.a|B|*.b;*.c"), Z("A#*.a#B#*.b;*.c##"));
}

TEST(DialogFilterList, TrailingEmptyItemsAndEmptyFilterGiveNoExtraEntries) {
  // The picture filter of the grid ends in "||".
  auto entries = ParseDialogFilter("图片|*.jpg;*.bmp|JPG|*.jpg||");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].description, "JPG");
  EXPECT_EQ(entries[1].pattern, "*.jpg");
  EXPECT_EQ(BuildDialogFilterList(""), "");
  EXPECT_EQ(BuildDialogFilterList("|"), "");
  EXPECT_EQ(BuildDialogFilterList("||||"), "");
}

TEST(DialogFilterList, MissingPartsNeverEndTheListEarly) {
  // An empty description would read as the end of the list: it takes the pattern.
  EXPECT_EQ(BuildDialogFilterList("|*.txt|B|*.b"), Z("*.txt#*.txt#B#*.b##"));
  // A description without a pattern is dropped; later pairs survive.
  EXPECT_EQ(BuildDialogFilterList("A||B|*.b"), Z("B#*.b##"));
  // A lone last item is both description and pattern.
  EXPECT_EQ(BuildDialogFilterList("A|*.a|*.z"), Z("A#*.a#*.z#*.z##"));
}

TEST(DialogFilterList, BarAsTrailByteOfDoubleByteCharacterIsNoSeparator) {
  // 0x81 0x7C is one GBK character whose second byte is '|'.
  std::string description = "x\x81\x7Cy";
  auto entries = ParseDialogFilter(description + "|*.q");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].description, description);
  EXPECT_EQ(entries[0].pattern, "*.q");
  // A lead byte at the very end stands alone.
  entries = ParseDialogFilter("A|*.a\x81");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].pattern, "*.a\x81");
}

TEST(DialogFilterList, EmbeddedZeroEndsTheText) {
  EXPECT_EQ(BuildDialogFilterList(Z("A|*.a#|B|*.b")), Z("A#*.a##"));
}

TEST(DialogFilterDefaultExtension, LeadingDotsAreDropped) {
  EXPECT_EQ(rt::DefaultExtensionOf("qgd"), "qgd");
  EXPECT_EQ(rt::DefaultExtensionOf(".qgd"), "qgd");
  EXPECT_EQ(rt::DefaultExtensionOf(".."), "");
  EXPECT_EQ(rt::DefaultExtensionOf(""), "");
}

}  // namespace
