#include "zentu/work_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace zentu {
namespace {

TEST(WorkCopyTest, CopiesWholeOrCutsAtACharacterBoundary) {
  char work[6];
  EXPECT_EQ(CopyToWorkBuffer(work, "abc", 5), 3u);
  EXPECT_STREQ(work, "abc");
  EXPECT_EQ(CopyToWorkBuffer(work, "abcdefgh", 5), 5u);
  EXPECT_STREQ(work, "abcde");
  // The double-byte character at bytes 4 and 5 does not fit whole.
  EXPECT_EQ(CopyToWorkBuffer(work, "abcd\x93\xFA", 5), 4u);
  EXPECT_STREQ(work, "abcd");
  EXPECT_EQ(CopyToWorkBuffer(work, "abc\x93\xFA" "x", 5), 5u);
  EXPECT_STREQ(work, "abc\x93\xFA");
  EXPECT_EQ(CopyToWorkBuffer(work, "abcd\x93", 5), 5u);  // a lead byte before the end is one byte
  EXPECT_STREQ(work, "abcd\x93");
}

}  // namespace
}  // namespace zentu
