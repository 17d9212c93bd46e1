#include "shell/document.h"

#include <optional>

#include "building/profile_keys.h"
#include "platform/archive.h"
#include "platform/file.h"
#include "platform/ui_text.h"
#include "query/occurrence_listing.h"
#include "shell/busy_flag.h"
#include "store/consolidation.h"
#include "store/index_file_reader.h"
#include "store/index_file_writer.h"
#include "store/word_list.h"

namespace shell {
namespace {

const std::string& UnsupportedIndexFormatMessage() {
  return platform::Cp932Text(
      "このプログラムが対応していないインデックス形式です。"
      "申し訳ありませんがもう一度インデックスファイルを作り直してくださいm(__)m");
}

}  // namespace

CIndexerDoc::CIndexerDoc(platform::Profile& application_profile, platform::UserInterface& ui)
    : profile_(application_profile), ui_(ui) {}

void CIndexerDoc::ScanEnglishJapaneseFile(std::string_view path, std::int16_t file_id) {
  ScopedBusyFlag busy(m_busy);
  m_scanner.ScanEnglishJapaneseFile(path, file_id);
}

void CIndexerDoc::ScanBilingualFile(std::string_view path, std::int16_t file_id) {
  ScopedBusyFlag busy(m_busy);
  m_scanner.ScanBilingualFile(path, file_id);
}

void CIndexerDoc::ScanJapaneseEnglishFile(std::string_view path, std::int16_t file_id) {
  ScopedBusyFlag busy(m_busy);
  m_scanner.ScanJapaneseEnglishFile(path, file_id);
}

void CIndexerDoc::ScanGenericFile(std::string_view path, std::int16_t file_id) {
  ScopedBusyFlag busy(m_busy);
  m_scanner.ScanGenericFile(path, file_id);
}

void CIndexerDoc::SaveIndexFile(std::string_view path) {
  ScopedBusyFlag busy(m_busy);
  store::WriteIndexFile(m_index, path);
}

bool CIndexerDoc::ConsolidateIndexes(const std::vector<std::string>& partial_paths) {
  using building::profile_keys::kCurrentIndexDir;
  using building::profile_keys::kMergedFilename;
  const std::string index_directory = building::ReadString(profile_, kCurrentIndexDir);
  const std::string merged_filename = building::ReadString(profile_, kMergedFilename);
  struct ClearOnExit {
    int& flag;
    ~ClearOnExit() { flag = 0; }
  } clear_on_exit{m_busy};
  return store::ConsolidateIndexes(m_index, partial_paths, index_directory, merged_filename,
                                   [this](bool writing) { m_busy = writing ? 1 : 0; });
}

bool CIndexerDoc::WriteWordList() {
  return store::WriteWordList(building::ReadString(profile_, building::profile_keys::kCurrentIndexDir),
                       m_index);
}

void CIndexerDoc::SearchIndexFile(std::string_view keyword, std::string_view index_path) {
  ScopedBusyFlag busy(m_busy);
  std::optional<platform::File> file = platform::File::TryOpenForReading(index_path);
  if (!file) return;
  store::IndexFileReader reader(*file);
  if (!reader.ReadVersion()) {
    ui_.ShowMessage(UnsupportedIndexFormatMessage(), platform::MessageIcon::kWarning);
    return;
  }
  query::ListOccurrences(keyword, reader, profile_, m_tagForm, m_lines,
                         [this] { UpdateAllViews(); });
  m_lines.ComputeLongestLength();
  file->Close();
  UpdateAllViews();
}

void CIndexerDoc::SaveText(std::string_view path) const {
  platform::File file = platform::File::CreateReplacing(path);
  platform::ArchiveWriter out(file);
  for (const std::string& line : m_lines) {
    std::string_view text = line;
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    out.WriteBytes(text.data(), text.size());
    out.WriteBytes("\r\n", 2);
  }
  out.Flush();
  file.Commit();
}

}  // namespace shell
