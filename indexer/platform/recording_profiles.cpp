#include "platform/recording_profiles.h"

#include <utility>

namespace platform {

class RecordingProfiles::Recorder final : public Profile {
 public:
  Recorder(std::string label, Profile& target, RecordingProfiles& owner)
      : label_(std::move(label)), target_(target), owner_(owner) {}

  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) override {
    Record("GetString", section, key);
    return target_.GetString(section, key, default_value);
  }
  int GetInt(std::string_view section, std::string_view key, int default_value) override {
    Record("GetInt", section, key);
    return target_.GetInt(section, key, default_value);
  }
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    Record("WriteString", section, key, value);
    target_.WriteString(section, key, value);
  }
  void WriteInt(std::string_view section, std::string_view key, int value) override {
    Record("WriteInt", section, key, std::to_string(value));
    target_.WriteInt(section, key, value);
  }
  void Flush() override {
    owner_.Add(label_ + " Flush", false);
    target_.Flush();
  }

 private:
  std::string Describe(std::string_view operation, std::string_view section,
                       std::string_view key) const {
    return label_ + " " + std::string(operation) + " [" + std::string(section) + "] " +
           std::string(key);
  }
  void Record(std::string_view operation, std::string_view section, std::string_view key) {
    owner_.Add(Describe(operation, section, key), true);
  }
  void Record(std::string_view operation, std::string_view section, std::string_view key,
              std::string_view value) {
    owner_.Add(Describe(operation, section, key) + "=" + std::string(value), false);
  }

  std::string label_;
  Profile& target_;
  RecordingProfiles& owner_;
};

RecordingProfiles::RecordingProfiles(Profiles& target)
    : target_(target),
      application_(std::make_unique<Recorder>("app", target.Application(), *this)) {}

RecordingProfiles::~RecordingProfiles() = default;

Profile& RecordingProfiles::Application() { return *application_; }

Profile& RecordingProfiles::Named(std::string_view path) {
  auto found = named_.find(path);
  if (found != named_.end()) return *found->second;
  auto recorder = std::make_unique<Recorder>(std::string(path), target_.Named(path), *this);
  return *named_.emplace(std::string(path), std::move(recorder)).first->second;
}

void RecordingProfiles::Add(std::string call, bool is_read) {
  calls_.push_back(std::move(call));
  is_read_.push_back(is_read);
}

std::vector<std::string> RecordingProfiles::writes() const {
  std::vector<std::string> writes;
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    if (!is_read_[i]) writes.push_back(calls_[i]);
  }
  return writes;
}

}  // namespace platform
