#include <gtest/gtest.h>

#include "zentu/zentu.h"

namespace zentu {
namespace {

TEST(IdentityTest, TypeVersionAndLanguage) {
  EXPECT_EQ(_CwExType(), 0);
  EXPECT_EQ(_GetExDllVersion(), 3);
  char language[] = "xyz";
  EXPECT_EQ(_GetLanguage(language), language);
  EXPECT_EQ(language[0], '\0');
  EXPECT_EQ(language[1], 'y');  // only the empty string is written
}

}  // namespace
}  // namespace zentu
