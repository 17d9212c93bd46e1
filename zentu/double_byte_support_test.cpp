#include "zentu/double_byte_support.h"

#include <gtest/gtest.h>

#include "zentu/host.h"

namespace zentu {
namespace {

// The flag is decided when the library loads, from the OEM code page's lead-byte ranges; code
// page 932 has them on every host that can convert it.
TEST(DoubleByteSupportTest, IsSetAtLoadWhenTheOemCodePageHasLeadBytes) {
  host::CodePageInfo info;
  ASSERT_TRUE(host::GetOemCodePageInfo(info));
  EXPECT_TRUE(DoubleByteSupport());
}

TEST(DoubleByteSupportTest, CanBeClearedAndSetAgain) {
  SetDoubleByteSupport(false);
  EXPECT_FALSE(DoubleByteSupport());
  SetDoubleByteSupport(true);
  EXPECT_TRUE(DoubleByteSupport());
}

}  // namespace
}  // namespace zentu
