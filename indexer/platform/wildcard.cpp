#include "platform/wildcard.h"

#include <vector>

#include "platform/shift_jis.h"

namespace platform {
namespace {

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  characters.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = CharacterLengthAt(text, i);
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

bool CharacterMatches(std::string_view name_character, std::string_view pattern_character) {
  return pattern_character == "?" || EqualIgnoringCase(name_character, pattern_character);
}

}  // namespace

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return false;
  if (pattern == "*.*") return true;
  std::vector<std::string_view> n = Characters(name);
  std::vector<std::string_view> p = Characters(pattern);
  // Greedy matching with backtracking to the last '*': linear in practice, never exponential.
  std::size_t ni = 0;
  std::size_t pi = 0;
  std::size_t star = p.size();  // position of the last '*' seen, p.size() for none
  std::size_t resume = 0;       // name position that the last '*' is to cover up to
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == "*") {
      star = pi++;
      resume = ni;
    } else if (pi < p.size() && CharacterMatches(n[ni], p[pi])) {
      ++ni;
      ++pi;
    } else if (star != p.size()) {
      pi = star + 1;
      ni = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == "*") ++pi;
  return pi == p.size();
}

}  // namespace platform
