#include "platform/profile.h"

#include <climits>

#include "platform/shift_jis.h"

namespace platform {

int ParseProfileInt(std::string_view value, int default_value) {
  std::size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  if (i >= value.size() || value[i] < '0' || value[i] > '9') return default_value;
  long long magnitude = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (value[i] - '0');
    if (magnitude >= limit) {
      magnitude = limit;
      break;
    }
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string CutProfileValue(std::string value) {
  if (value.size() <= Profile::kMaxValueLength) return value;
  std::size_t keep = 0;
  while (keep < Profile::kMaxValueLength) {
    std::size_t length = CharacterLengthAt(value, keep);
    if (keep + length > Profile::kMaxValueLength) break;
    keep += length;
  }
  value.resize(keep);
  return value;
}

}  // namespace platform
