#include "query/keyword_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/command_fixture.h"

namespace query {
namespace {

using testing_support::Sjis;

TEST(KeywordChecksTest, FieldChecks) {
  struct Case {
    std::string field;
    KeywordProblem problem;
    std::string field_after;
  };
  using enum KeywordProblem;
  const std::string long_word(1000, 'a');
  const std::vector<Case> cases = {
      {"", kNone, ""},
      {"apple", kNone, "apple"},
      {"3.14", kNone, "3.14"},
      {"apple ", kNone, "apple "},           // the separator ends the only word
      {Sjis("ｱｲ"), kNone, Sjis("ｱｲ")},       // half-width katakana is single-byte
      {" apple", kStartsWithWhiteSpace, ""},
      {"\tapple", kStartsWithWhiteSpace, ""},
      {Sjis("appleア"), kDoubleByte, ""},
      {"red apple", kMoreThanOneWord, "red"},
      {"apple  ", kMoreThanOneWord, "apple"},  // an empty word counts as a second one
      // Only the first 299 bytes are looked at.
      {long_word, kNone, long_word},
      {std::string(400, 'a') + " b", kNone, std::string(400, 'a') + " b"},
      {std::string(298, 'a') + Sjis("ア"), kDoubleByte, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field.substr(0, 20));
    const KeywordCheck check = CheckKeyword(c.field);
    EXPECT_EQ(check.problem, c.problem);
    EXPECT_EQ(check.field_text, c.field_after);
    // The field as the check leaves it passes the next check.
    EXPECT_EQ(CheckKeyword(check.field_text).problem, kNone);
  }
}

TEST(KeywordChecksTest, Messages) {
  EXPECT_EQ(KeywordProblemMessage(KeywordProblem::kStartsWithWhiteSpace),
            Sjis("不正な文字が入力されました!!英数字で始まってないとダメです。"));
  EXPECT_EQ(KeywordProblemMessage(KeywordProblem::kDoubleByte),
            Sjis("２バイトコードは使用できません!!"));
  EXPECT_EQ(KeywordProblemMessage(KeywordProblem::kMoreThanOneWord),
            Sjis("一語単位で御願いします!!"));
  EXPECT_EQ(KeywordProblemMessage(KeywordProblem::kNone), "");
  EXPECT_EQ(EmptyKeywordMessage(), Sjis("キーワードを入力してください。"));
}

TEST(KeywordChecksTest, OkRemovesOneTrailingWhiteSpaceByte) {
  EXPECT_EQ(AcceptKeyword(""), std::nullopt);
  EXPECT_EQ(AcceptKeyword("apple"), "apple");
  EXPECT_EQ(AcceptKeyword("apple "), "apple");
  EXPECT_EQ(AcceptKeyword("apple\t\t"), "apple\t");
}

}  // namespace
}  // namespace query
