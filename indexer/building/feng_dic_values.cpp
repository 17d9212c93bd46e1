#include "building/feng_dic_values.h"

#include "building/profile_keys.h"
#include "platform/current_directory.h"

namespace building {

FengDicValues FengDicValues::Load(platform::Profile& profile) {
  using namespace profile_keys;
  FengDicValues values;
  values.m_fileNames = ReadString(profile, kFengFileNames);
  values.m_hoi = ReadString(profile, kFengHoi);
  values.m_proper = ReadString(profile, kFengProper);
  values.m_tech = ReadString(profile, kFengTech);
  values.m_ryaku = ReadString(profile, kFengRyaku);
  values.m_biling = ReadString(profile, kFengBiling);
  values.m_directory = ReadString(profile, kFengDirectory);
  values.m_indexDir = ReadString(profile, kFengIndexDir);
  if (values.m_fileNames.empty()) values.m_fileNames = "FENG5*.*";
  if (values.m_directory.empty()) values.m_directory = platform::CurrentDirectoryPrefix();
  if (values.m_indexDir.empty()) values.m_indexDir = platform::CurrentDirectoryPrefix();
  return values;
}

void FengDicValues::Save(platform::Profile& profile) const {
  using namespace profile_keys;
  WriteString(profile, kFengFileNames, m_fileNames);
  WriteString(profile, kFengHoi, m_hoi);
  WriteString(profile, kFengTech, m_tech);
  WriteString(profile, kFengProper, m_proper);
  WriteString(profile, kFengRyaku, m_ryaku);
  WriteString(profile, kFengBiling, m_biling);
  WriteString(profile, kFengDirectory, m_directory);
  WriteString(profile, kFengIndexDir, m_indexDir);
  WriteString(profile, kCurrentIndexDir, m_indexDir);
}

}  // namespace building
