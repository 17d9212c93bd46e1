#ifndef INDEXER_QUERY_KEYWORD_CHECKS_H_
#define INDEXER_QUERY_KEYWORD_CHECKS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace query {

// The rules of the test search dialog's keyword field, apart from the dialog.

// The checks work on a copy of at most this many bytes of the field (a 300-byte buffer with
// its NUL); what lies beyond is not looked at, and searched as it is.
inline constexpr std::size_t kKeywordCheckLength = 299;

enum class KeywordProblem {
  kNone,
  kStartsWithWhiteSpace,  // the first byte is 0x09-0x0D or 0x20
  kDoubleByte,            // a Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC)
  kMoreThanOneWord,       // _strword finds more than one word (an empty one counts)
};

struct KeywordCheck {
  KeywordProblem problem = KeywordProblem::kNone;
  // What the field then holds: empty for the first two problems, the first word for the third,
  // the field unchanged otherwise.
  std::string field_text;
};

// The check run on every change of the field (OnChangeKeyword), first problem wins. An empty
// field passes. A field set from the result passes the check again.
KeywordCheck CheckKeyword(std::string_view field_text);

// The message of a problem, to be shown after the standard beep:
//   kStartsWithWhiteSpace "不正な文字が入力されました!!英数字で始まってないとダメです。"
//   kDoubleByte           "２バイトコードは使用できません!!"
//   kMoreThanOneWord      "一語単位で御願いします!!"
// Empty for kNone.
const std::string& KeywordProblemMessage(KeywordProblem problem);

// The dialog's OK ("検索"): empty when the keyword is empty (the dialog then shows
// EmptyKeywordMessage, without a beep, and stays open); otherwise the keyword to search, which
// is the field with one trailing white-space byte removed, if it ends with one.
std::optional<std::string> AcceptKeyword(std::string_view field_text);

// "キーワードを入力してください。"
const std::string& EmptyKeywordMessage();

}  // namespace query

#endif  // INDEXER_QUERY_KEYWORD_CHECKS_H_
