#include "zentu/host.h"

#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zentu/byte_classes.h"

namespace zentu::host {
namespace {

constexpr const char* kProgramCodePage = "CP932";
constexpr const char* kHostCodePage = "UTF-8";

// Converts `in` from one encoding to another. A sequence that cannot be converted is handed to
// `replace`, which appends what stands for it and returns how many input bytes it consumed.
template <typename Replace>
std::string Convert(const char* to, const char* from, std::string_view in, Replace replace) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    out.assign(in);
    return out;
  }
  char buffer[256];
  char* in_bytes = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  while (in_left > 0) {
    char* out_bytes = buffer;
    std::size_t out_left = sizeof buffer;
    std::size_t result = iconv(cd, &in_bytes, &in_left, &out_bytes, &out_left);
    out.append(buffer, static_cast<std::size_t>(out_bytes - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      std::size_t used = replace(std::string_view(in_bytes, in_left), out);
      in_bytes += used;
      in_left -= used;
    }
  }
  iconv_close(cd);
  return out;
}

// Code page 932 name to host name. Bytes that form no character are kept as they are, so no two
// program names share one host name.
std::string HostNameOf(std::string_view program_name) {
  return Convert(kHostCodePage, kProgramCodePage, program_name,
                 [](std::string_view rest, std::string& out) {
                   out.push_back(rest[0]);
                   return std::size_t{1};
                 });
}

// Host name to code page 932 name; '?' stands for each character the code page lacks and for
// each byte that is not valid UTF-8.
std::string ProgramNameOf(std::string_view host_name) {
  return Convert(kProgramCodePage, kHostCodePage, host_name,
                 [](std::string_view rest, std::string& out) {
                   out.push_back('?');
                   std::size_t used = 1;
                   while (used < rest.size() && (static_cast<unsigned char>(rest[used]) & 0xC0) == 0x80) {
                     ++used;
                   }
                   return used;
                 });
}

// Splits a code page 932 name into characters, with ASCII letters folded to upper case.
std::vector<std::string_view> FoldedCharacters(const std::string& folded) {
  std::vector<std::string_view> characters;
  const unsigned char* bytes = Bytes(folded.c_str());
  for (std::size_t i = 0; i < folded.size();) {
    std::size_t length = static_cast<std::size_t>(CharacterLength(bytes + i));
    characters.emplace_back(folded.data() + i, length);
    i += length;
  }
  return characters;
}

std::string FoldCase(std::string_view name) {
  std::string folded(name);
  unsigned char* bytes = Bytes(folded.data());
  for (std::size_t i = 0; i < folded.size();) {
    if (IsLowerCase(bytes[i])) bytes[i] = static_cast<unsigned char>(bytes[i] - 0x20);
    i += static_cast<std::size_t>(CharacterLength(bytes + i));
  }
  return folded;
}

bool HasWildcard(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

// '*' matches any run of characters, '?' any one character; letter case is ignored. "*.*"
// matches every name, with or without a period.
bool WildcardMatches(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") return true;
  std::string folded_pattern = FoldCase(pattern);
  std::string folded_name = FoldCase(name);
  std::vector<std::string_view> p = FoldedCharacters(folded_pattern);
  std::vector<std::string_view> n = FoldedCharacters(folded_name);
  std::size_t pi = 0, ni = 0;
  std::optional<std::size_t> star;
  std::size_t star_name = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == "*") {
      star = pi++;
      star_name = ni;
    } else if (pi < p.size() && (p[pi] == "?" || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (star) {
      pi = *star + 1;
      ni = ++star_name;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == "*") ++pi;
  return pi == p.size();
}

std::string Join(const std::string& directory, std::string_view name) {
  std::string path = directory;
  if (path.empty() || path.back() != '/') path.push_back('/');
  path.append(name);
  return path;
}

bool Exists(const std::string& host_path) {
  struct stat status;
  return lstat(host_path.c_str(), &status) == 0;
}

// The host name in `host_directory` of the first entry whose program name is accepted by
// `matches`, in the order of upper-cased program names (ties by host name); empty when none is.
template <typename Matches>
std::string FirstEntry(const std::string& host_directory, Matches matches) {
  DIR* directory = opendir(host_directory.c_str());
  if (directory == nullptr) return {};
  std::string best_host, best_key;
  while (const dirent* entry = readdir(directory)) {
    std::string_view host_name = entry->d_name;
    if (host_name == "." || host_name == "..") continue;
    std::string program_name = ProgramNameOf(host_name);
    if (!matches(program_name)) continue;
    std::string key = FoldCase(program_name);
    if (best_host.empty() || key < best_key || (key == best_key && host_name < best_host)) {
      best_host = host_name;
      best_key = std::move(key);
    }
  }
  closedir(directory);
  return best_host;
}

// The host path of the program name `name` inside `host_directory`: the exact name when it
// exists, else the first name that matches with ASCII letter case ignored, else the name as
// given (which then does not exist).
std::string ResolveIn(const std::string& host_directory, std::string_view name) {
  std::string host_name = HostNameOf(name);
  if (name == "." || name == ".." || Exists(Join(host_directory, host_name))) {
    return Join(host_directory, host_name);
  }
  std::string folded = FoldCase(name);
  std::string found = FirstEntry(host_directory, [&](const std::string& program_name) {
    return FoldCase(program_name) == folded;
  });
  return Join(host_directory, found.empty() ? host_name : found);
}

std::optional<std::string> HostCurrentDirectory() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > (1u << 20)) return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

// The components of a program path, split at backslashes and slashes outside double-byte
// characters; empty components are dropped.
std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> components;
  const unsigned char* bytes = Bytes(path.data());
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size();) {
    if (bytes[i] == '\\' || bytes[i] == '/') {
      if (i > start) components.push_back(path.substr(start, i - start));
      start = ++i;
    } else {
      i += IsLeadByte(bytes[i]) && i + 1 < path.size() ? 2 : 1;
    }
  }
  if (path.size() > start) components.push_back(path.substr(start));
  return components;
}

}  // namespace

bool GetOemCodePageInfo(CodePageInfo& info) {
  info = CodePageInfo{};
  iconv_t cd = iconv_open(kHostCodePage, kProgramCodePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(cd);
  static constexpr unsigned char kRanges932[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
  info.code_page = 932;
  std::memcpy(info.lead_byte_ranges, kRanges932, sizeof kRanges932);
  return true;
}

int CurrentDrive() { return kDriveC; }

bool ChangeDrive(int drive) { return drive == kDriveC; }

bool CurrentDirectory(char* out, std::size_t size) {
  if (size > 0) out[0] = '\0';
  std::optional<std::string> host = HostCurrentDirectory();
  if (!host || host->empty() || host->front() != '/') return false;
  // A '/' byte never appears inside a code page 932 character, so it can be replaced after the
  // conversion.
  std::string program = "C:" + ProgramNameOf(*host);
  for (char& c : program) {
    if (c == '/') c = '\\';
  }
  if (program.size() + 1 > size) return false;
  std::memcpy(out, program.c_str(), program.size() + 1);
  return true;
}

int FindFirst(const char* program_path) {
  std::string_view path = program_path;
  if (path.size() >= 2 && path[1] == ':') {
    if (path[0] != 'C' && path[0] != 'c') return -1;
    path.remove_prefix(2);
  }
  std::string host_path;
  if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    host_path = "/";
  } else {
    std::optional<std::string> current = HostCurrentDirectory();
    if (!current) return -1;
    host_path = *current;
  }
  std::vector<std::string_view> components = Components(path);
  if (components.empty()) return -1;
  for (std::size_t i = 0; i + 1 < components.size(); ++i) {
    host_path = ResolveIn(host_path, components[i]);
  }
  std::string_view last = components.back();
  std::string host_name;
  if (HasWildcard(last)) {
    host_name = FirstEntry(host_path, [&](const std::string& program_name) {
      return WildcardMatches(last, program_name);
    });
    if (host_name.empty()) return -1;
    host_path = Join(host_path, host_name);
  } else {
    host_path = ResolveIn(host_path, last);
    host_name = host_path.substr(host_path.rfind('/') + 1);
  }

  struct stat status;
  if (stat(host_path.c_str(), &status) != 0) return -1;
  int attributes = 0;
  if (host_name.size() > 0 && host_name[0] == '.' && host_name != "." && host_name != "..") {
    attributes |= kAttributeHidden;
  }
  if (S_ISDIR(status.st_mode)) return attributes | kAttributeDirectory;
  attributes |= kAttributeArchive;
  if ((status.st_mode & S_IWUSR) == 0) attributes |= kAttributeReadOnly;
  return attributes;
}

}  // namespace zentu::host
