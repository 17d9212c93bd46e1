#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

TEST(WildcardTest, MatchesAsTheSystemListingDoes) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const std::vector<Case> cases = {
      {"FENG5A.TXT", "FENG5*.*", true},
      {"feng5a.txt", "FENG5*.*", true},  // letter case ignored
      {"FENG4A.TXT", "FENG5*.*", false},
      {"FENG5", "FENG5*.*", false},      // only "*.*" itself matches names without a period
      {"README", "*.*", true},
      {"README", "*", true},
      {"a.b.c", "*.c", true},
      {"IDX_TEST.000", "IDX_TEST.*", true},
      {"IDX_TEST", "IDX_TEST.*", false},
      {"IDX_TEST.000", "idx_test.00?", true},
      {"IDX_TEST.00", "IDX_TEST.00?", false},  // '?' needs one character
      {"abcbc", "a*bc", true},                 // backtracking
      {"abcbd", "a*bc", false},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c", false},
      {"\x93\xfa\x96\x7b.TXT", "??.txt", true},  // 日本: a double-byte character is one '?'
      {"\x93\xfa\x96\x7b.TXT", "???.txt", false},
      {"\x83\x41", "\x83\x61", false},  // ア is not ヂ: second bytes are never folded
      {"\x83\x41", "\x83\x41", true},
      {"x", "", false},
      {"", "*", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.matches)
        << "name " << c.name << ", pattern " << c.pattern;
  }
}

}  // namespace
}  // namespace platform
