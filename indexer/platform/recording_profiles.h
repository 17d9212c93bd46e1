#ifndef INDEXER_PLATFORM_RECORDING_PROFILES_H_
#define INDEXER_PLATFORM_RECORDING_PROFILES_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profiles.h"

namespace platform {

// For tests: Profiles that record every call made through them, in order, and pass each on to
// other Profiles (DiskProfiles over a temporary folder, so that what was written can be read
// back). A call is recorded before it is passed on, so a call that throws is recorded too.
//
// Each call reads as one line, with "app" for the application profile and the path as given
// for a named file:
//   app WriteString [FileID] 0=C:\DIC\FENG5A.TXT
//   C:\IDX\qvxindex.ini WriteString [FileID] 0=C:\DIC\FENG5A.TXT
//   C:\IDX\qvxindex.ini Flush
//   app WriteInt [Length] MaxFullPath=17
//   app GetString [FENGDIC] FileNames
//   app GetInt [Option] TagForm
class RecordingProfiles final : public Profiles {
 public:
  explicit RecordingProfiles(Profiles& target);
  ~RecordingProfiles() override;

  Profile& Application() override;
  Profile& Named(std::string_view path) override;

  // Every call, reads included.
  const std::vector<std::string>& calls() const { return calls_; }
  // The writes and flushes only.
  std::vector<std::string> writes() const;
  void Clear() {
    calls_.clear();
    is_read_.clear();
  }

 private:
  class Recorder;
  void Add(std::string call, bool is_read);

  Profiles& target_;
  std::vector<std::string> calls_;
  std::vector<bool> is_read_;
  std::unique_ptr<Recorder> application_;
  std::map<std::string, std::unique_ptr<Recorder>, std::less<>> named_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_RECORDING_PROFILES_H_
