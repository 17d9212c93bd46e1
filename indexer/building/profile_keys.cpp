#include "building/profile_keys.h"

#include <array>

namespace building {

std::string FileIdKey(int file_id) { return std::to_string(file_id); }

std::string RecentFileKey(int number) { return "File" + std::to_string(number); }

const FileSelectionKeys& FileSelectionKeysOfMode(int mode) {
  using namespace profile_keys;
  static constexpr FileSelectionKeys kJapaneseEnglish{
      kJapaneseEnglishFileName, kJapaneseEnglishDirName, kJapaneseEnglishIndexDir};
  static constexpr FileSelectionKeys kGeneric{kGenericFileName, kGenericDirName,
                                              kGenericIndexDir};
  return mode == 1 ? kGeneric : kJapaneseEnglish;
}

std::span<const ProfileKey> AllProfileKeys() {
  using namespace profile_keys;
  static constexpr std::array kAll = {
      kFengFileNames,           kFengTech,           kFengProper,
      kFengRyaku,               kFengHoi,            kFengBiling,
      kFengDirectory,           kFengIndexDir,       kJapaneseEnglishFileName,
      kJapaneseEnglishDirName,  kJapaneseEnglishIndexDir,
      kGenericFileName,         kGenericDirName,     kGenericIndexDir,
      kCurrentIndexDir,         kMergedFilename,     kLengthMaxFullPath,
      kLengthMaxFilename,       kOptionTagForm,
  };
  return kAll;
}

std::string ReadString(platform::Profile& profile, const ProfileKey& key) {
  return profile.GetString(key.section, key.key, key.default_string);
}

int ReadInt(platform::Profile& profile, const ProfileKey& key) {
  return profile.GetInt(key.section, key.key, key.default_integer);
}

void WriteString(platform::Profile& profile, const ProfileKey& key, std::string_view value) {
  profile.WriteString(key.section, key.key, value);
}

void WriteInt(platform::Profile& profile, const ProfileKey& key, int value) {
  profile.WriteInt(key.section, key.key, value);
}

}  // namespace building
