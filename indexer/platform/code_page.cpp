#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

enum class Unconvertible { kFail, kQuestionMark, kKeepBytes };

// One conversion descriptor per direction and thread; iconv descriptors keep shift state and
// must not be shared between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(::iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { ::iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `input`. On a character that cannot be converted (or is cut off at the end) it
  // gives up, or writes '?', or copies the bad bytes, as `policy` says; `skip` tells how many
  // bytes the bad character occupies.
  template <typename SkipFunction>
  std::optional<std::string> Convert(std::string_view input, Unconvertible policy,
                                     SkipFunction skip) {
    ::iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    std::string output;
    output.reserve(input.size() * 3 / 2 + 8);
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char chunk[1024];
    while (in_left > 0) {
      char* out = chunk;
      std::size_t out_left = sizeof chunk;
      std::size_t result = ::iconv(descriptor_, &in, &in_left, &out, &out_left);
      output.append(chunk, static_cast<std::size_t>(out - chunk));
      if (result != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: the character at `in` cannot be converted.
      if (policy == Unconvertible::kFail) return std::nullopt;
      std::size_t bad = skip(std::string_view(in, in_left));
      if (policy == Unconvertible::kQuestionMark) {
        output.push_back('?');
      } else {
        output.append(in, bad);
      }
      in += bad;
      in_left -= bad;
      ::iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
  }

 private:
  iconv_t descriptor_;
};

// A byte that cannot begin a CP932 character is skipped alone; so is a lead byte whose second
// byte is invalid, so that the second byte gets its own chance (it may be ASCII).
std::size_t SkipCp932(std::string_view) { return 1; }

// An invalid or unrepresentable UTF-8 character: its lead byte and as many of the continuation
// bytes it announces as follow (a sequence cut short is one bad character); a byte that cannot
// begin a sequence alone.
std::size_t SkipUtf8(std::string_view rest) {
  unsigned char lead = static_cast<unsigned char>(rest[0]);
  std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
  std::size_t bad = 1;
  while (bad < length && bad < rest.size() &&
         (static_cast<unsigned char>(rest[bad]) & 0xC0) == 0x80) {
    ++bad;
  }
  return bad;
}

Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& ToCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return *FromCp932().Convert(cp932, Unconvertible::kQuestionMark, SkipCp932);
}

std::string Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return *ToCp932().Convert(utf8, Unconvertible::kQuestionMark, SkipUtf8);
}

std::optional<std::string> Cp932ToUtf8Exactly(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return FromCp932().Convert(cp932, Unconvertible::kFail, SkipCp932);
}

std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return ToCp932().Convert(utf8, Unconvertible::kFail, SkipUtf8);
}

std::string Cp932ToUtf8KeepingInvalidBytes(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return *FromCp932().Convert(cp932, Unconvertible::kKeepBytes, SkipCp932);
}

}  // namespace platform
