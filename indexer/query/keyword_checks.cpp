#include "query/keyword_checks.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/shift_jis.h"
#include "platform/ui_text.h"
#include "zentu/zentu.h"

namespace query {

KeywordCheck CheckKeyword(std::string_view field_text) {
  std::array<char, kKeywordCheckLength + 1> copy{};
  const std::size_t length = std::min(field_text.size(), kKeywordCheckLength);
  std::memcpy(copy.data(), field_text.data(), length);
  const std::string_view text(copy.data(), std::strlen(copy.data()));

  if (!text.empty() && platform::IsWhiteSpace(text[0])) {
    return {KeywordProblem::kStartsWithWhiteSpace, ""};
  }
  for (char byte : text) {
    if (platform::IsLeadByte(byte)) return {KeywordProblem::kDoubleByte, ""};
  }
  if (char* first = _strword(copy.data())) {
    std::string first_word = first;  // the next call may change the copy
    if (_strword(nullptr) != nullptr) {
      while (_strword(nullptr) != nullptr) {
      }  // end the scan, so no position into the copy is kept
      return {KeywordProblem::kMoreThanOneWord, std::move(first_word)};
    }
  }
  return {KeywordProblem::kNone, std::string(field_text)};
}

const std::string& KeywordProblemMessage(KeywordProblem problem) {
  static const std::string kNoMessage;
  switch (problem) {
    case KeywordProblem::kStartsWithWhiteSpace:
      return platform::Cp932Text("不正な文字が入力されました!!英数字で始まってないとダメです。");
    case KeywordProblem::kDoubleByte:
      return platform::Cp932Text("２バイトコードは使用できません!!");
    case KeywordProblem::kMoreThanOneWord:
      return platform::Cp932Text("一語単位で御願いします!!");
    case KeywordProblem::kNone:
      break;
  }
  return kNoMessage;
}

std::optional<std::string> AcceptKeyword(std::string_view field_text) {
  if (field_text.empty()) return std::nullopt;
  std::string keyword(field_text);
  if (platform::IsWhiteSpace(keyword.back())) keyword.pop_back();
  return keyword;
}

const std::string& EmptyKeywordMessage() {
  return platform::Cp932Text("キーワードを入力してください。");
}

}  // namespace query
