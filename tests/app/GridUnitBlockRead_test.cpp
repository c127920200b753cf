// The grid blocks the program's templates carry read back into the grid unit's mirror.
#include <gtest/gtest.h>

#include "app/core/LibraryUnitBlocks.h"
#include "grid/core/PropertyMirror.h"

namespace app {
namespace {

TEST(GridUnitBlockRead, WrittenBlocksOfEveryVersionReadIntoTheMirror) {
  for (uint32_t version = 1; version <= 12; ++version) {
    GridUnitProps p;
    p.version = version;
    p.headRowCount = 3;
    p.isEdit = false;
    p.selectRow = true;
    p.showZeroInNumCell = false;
    std::vector<uint8_t> block = WriteGridUnitBlock(p);
    grid::PropertyMirror m = grid::PropertyMirror::Defaults(0x123456);
    ASSERT_TRUE(grid::ReadPropertyData(block.data() + rt::kReservedPropertyBytes,
                                       block.size() - rt::kReservedPropertyBytes, &m));
    EXPECT_EQ(m[grid::prop::kHeadRowCount], 3);
    EXPECT_EQ(m[grid::prop::kIsEdit], 0);
    EXPECT_EQ(m[grid::prop::kSelectRow], version >= 8 ? 1 : 0) << version;
    EXPECT_EQ(m[grid::prop::kShowZeroInNumCell], version >= 12 ? 0 : 1) << version;
  }
}

}  // namespace
}  // namespace app
