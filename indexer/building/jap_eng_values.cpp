#include "building/jap_eng_values.h"

#include "building/profile_keys.h"
#include "platform/ui_text.h"

namespace building {

JapEngValues JapEngValues::Load(platform::Profile& profile, int mode) {
  const FileSelectionKeys& keys = FileSelectionKeysOfMode(mode);
  JapEngValues values;
  values.m_mode = mode;
  values.m_section = std::string(keys.file_name.section);
  values.m_fileName = ReadString(profile, keys.file_name);
  values.m_dirName = ReadString(profile, keys.dir_name);
  values.m_indexDir = ReadString(profile, keys.index_dir);
  return values;
}

const std::string& JapEngValues::ModeLabel(int mode) {
  return mode == 1 ? platform::Cp932Text("汎用モードです")
                   : platform::Cp932Text("和英モードです");
}

std::optional<std::string> JapEngValues::ValidationMessage() const {
  if (m_fileName.empty()) return platform::Cp932Text("ファイル名がありません");
  if (m_dirName.empty()) return platform::Cp932Text("ﾃﾞｨﾚｸﾄﾘ名がありません");
  if (m_indexDir.empty()) return platform::Cp932Text("ｲﾝﾃﾞｯｸｽﾃﾞｨﾚｸﾄﾘがありません");
  return std::nullopt;
}

void JapEngValues::Save(platform::Profile& profile) const {
  const FileSelectionKeys& keys = FileSelectionKeysOfMode(m_mode);
  WriteString(profile, keys.file_name, m_fileName);
  WriteString(profile, keys.dir_name, m_dirName);
  WriteString(profile, keys.index_dir, m_indexDir);
  WriteString(profile, profile_keys::kCurrentIndexDir, m_indexDir);
}

}  // namespace building
