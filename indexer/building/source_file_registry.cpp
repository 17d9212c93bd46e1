#include "building/source_file_registry.h"

#include "building/profile_keys.h"

namespace building {

SourceFileRegistry::SourceFileRegistry(platform::Profiles& profiles,
                                       std::string_view index_directory)
    : profiles_(profiles),
      index_profile_path_(std::string(index_directory) + std::string(kIndexProfileName)) {}

void SourceFileRegistry::Register(std::int16_t file_id, std::string_view source_path) {
  const std::string key = FileIdKey(file_id);
  platform::Profile& index_profile = profiles_.Named(index_profile_path_);
  profiles_.Application().WriteString(kFileIdSection, key, source_path);
  index_profile.WriteString(kFileIdSection, key, source_path);
  index_profile.Flush();
}

void SourceFileRegistry::RecordLengths(std::int32_t longest_path, std::int32_t longest_name) {
  using profile_keys::kLengthMaxFilename;
  using profile_keys::kLengthMaxFullPath;
  platform::Profile& application = profiles_.Application();
  platform::Profile& index_profile = profiles_.Named(index_profile_path_);
  const std::string path_text = std::to_string(longest_path);
  const std::string name_text = std::to_string(longest_name);
  WriteInt(application, kLengthMaxFullPath, longest_path);
  WriteString(index_profile, kLengthMaxFullPath, path_text);
  WriteString(application, kLengthMaxFilename, name_text);
  WriteString(index_profile, kLengthMaxFilename, name_text);
  index_profile.Flush();
}

std::string SourceFileRegistry::SourcePathOf(platform::Profile& application_profile,
                                             int file_id) {
  return application_profile.GetString(kFileIdSection, FileIdKey(file_id), "");
}

}  // namespace building
