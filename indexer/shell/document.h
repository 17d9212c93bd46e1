#ifndef INDEXER_SHELL_DOCUMENT_H_
#define INDEXER_SHELL_DOCUMENT_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "building/dictionary_scanner.h"
#include "platform/profile.h"
#include "platform/user_interface.h"
#include "shell/ex_string_list.h"
#include "store/index_tree.h"

namespace shell {

// CIndexerDoc: the document, without its window ties. For the whole run it owns the index tree
// m_index (which the builds fill and consolidation and the lookup use as working storage), the
// text lines m_lines (which only the test search fills and File Save writes), the dictionary
// scanners with their state, the busy flag m_busy and the tag-form setting m_tagForm.
//
// m_busy is 1 while a document operation runs (a scan, writing an index file, writing each
// letter index file of a consolidation, the test search's listing) and 0 otherwise, on every
// way out, exceptions included; while it is 1 the document refuses to close (CanClose).
//
// Settings come from the application profile given at construction; message boxes go to the
// user interface given. File errors (platform::FileError and its kinds) propagate to the caller.
class CIndexerDoc {
 public:
  CIndexerDoc(platform::Profile& application_profile, platform::UserInterface& ui);
  CIndexerDoc(const CIndexerDoc&) = delete;
  CIndexerDoc& operator=(const CIndexerDoc&) = delete;

  // The four scanners (building/dictionary_scanner.h), with the busy flag set while they run.
  void ScanEnglishJapaneseFile(std::string_view path, std::int16_t file_id);
  void ScanBilingualFile(std::string_view path, std::int16_t file_id);
  void ScanJapaneseEnglishFile(std::string_view path, std::int16_t file_id);
  void ScanGenericFile(std::string_view path, std::int16_t file_id);

  // Writes m_index, which must not be empty, as the index file `path` (replacing it whole).
  void SaveIndexFile(std::string_view path);

  // Consolidates the partial index files `partial_paths` into the letter index files of the
  // profile's "Current"/"IndexDir" (store/consolidation.h, with "Merged"/"Filename" for its
  // guard), deletes them and writes the word list. False when it did nothing.
  bool ConsolidateIndexes(const std::vector<std::string>& partial_paths);

  // Writes the word list of the finished index in "Current"/"IndexDir" (store/word_list.h).
  // False when the word list file could not be created.
  bool WriteWordList();

  // The test search's lookup: lists into m_lines every occurrence of `keyword` (already folded)
  // found in the letter index file `index_path`, as query/occurrence_listing.h describes. A
  // file that cannot be opened lists nothing, silently; a file of another version shows the
  // unsupported-format message. The views are asked to redraw.
  void SearchIndexFile(std::string_view keyword, std::string_view index_path);

  // File Save: writes each text line without its final line feed, followed by CR LF; nothing
  // else (an empty text gives an empty file). The file is replaced whole.
  void SaveText(std::string_view path) const;

  // Whether the document may close now: not while a document operation runs.
  bool CanClose() const { return m_busy == 0; }

  // What redraws the views of the document; nothing by default.
  void SetViewUpdater(std::function<void()> update) { update_views_ = std::move(update); }
  void UpdateAllViews() const {
    if (update_views_) update_views_();
  }

  store::CStringTreeIndex& index() { return m_index; }
  CExStringList& lines() { return m_lines; }
  const CExStringList& lines() const { return m_lines; }
  int busy() const { return m_busy; }
  int tag_form() const { return m_tagForm; }
  const building::DictionaryScanner& scanner() const { return m_scanner; }
  platform::Profile& application_profile() { return profile_; }

 private:
  platform::Profile& profile_;
  platform::UserInterface& ui_;
  std::function<void()> update_views_;

  store::CStringTreeIndex m_index;
  CExStringList m_lines;
  int m_busy = 0;
  int m_tagForm = 0;
  building::DictionaryScanner m_scanner{m_index};
};

}  // namespace shell

#endif  // INDEXER_SHELL_DOCUMENT_H_
