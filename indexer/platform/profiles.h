#ifndef INDEXER_PLATFORM_PROFILES_H_
#define INDEXER_PLATFORM_PROFILES_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace platform {

// The initialisation files a program reaches through the system: its own application profile
// and any file named by a path ("qvxindex.ini" of an index directory). The objects returned
// live as long as the Profiles.
class Profiles {
 public:
  virtual ~Profiles() = default;

  virtual Profile& Application() = 0;

  // The file named by the program path `path`. A bare name (no drive, no separator) is in the
  // application profile's folder, which plays the system's Windows directory: that is where
  // "qvxindex.ini" of an empty index directory goes.
  virtual Profile& Named(std::string_view path) = 0;
};

// The profile files on disk. The application profile is the file given (a host path); writing
// it, or a bare-named file beside it, creates its folder when missing. Files named by a path
// are found as host_path.h says and their folders are never created.
class DiskProfiles final : public Profiles {
 public:
  explicit DiskProfiles(std::string application_profile_host_path);
  ~DiskProfiles() override;

  Profile& Application() override;
  Profile& Named(std::string_view path) override;

  const std::string& application_profile_host_path() const { return application_path_; }

 private:
  std::string application_path_;
  std::string folder_;
  std::unique_ptr<Profile> application_;
  std::map<std::string, std::unique_ptr<Profile>, std::less<>> named_;
};

// Where the application profile lives: "INDEXER.INI" in "$XDG_CONFIG_HOME/indexer/", or in
// "~/.config/indexer/" when XDG_CONFIG_HOME is unset, empty or not absolute; "~" is $HOME, or
// the user's home directory from the password database when HOME is unset. A host path.
std::string DefaultApplicationProfilePath();

// Whether `path` is a bare file name: no drive prefix and no separator.
bool IsBareFileName(std::string_view path);

}  // namespace platform

#endif  // INDEXER_PLATFORM_PROFILES_H_
