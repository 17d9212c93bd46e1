#include "store/index_file_writer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/message_pump.h"
#include "store/index_format_error.h"

namespace store {
namespace {

// Writes a node's record up to its terminator, encoded in `scratch` and handed to the archive in
// one piece; the occurrences are kept in their record form and copied as they are.
void WriteRecordHead(const CINode& node, platform::ArchiveWriter& archive, const std::string& path,
                     std::vector<char>& scratch) {
  const std::string_view word = node.word();
  if (word.size() > kMaxIndexWordLength) {
    throw IndexFormatError(path, "write",
                           "a word of " + std::to_string(word.size()) +
                               " bytes is longer than the 254 bytes an index record can hold");
  }
  const COffset& occurrences = node.occurrences();
  const std::string_view records = occurrences.records();
  for (std::size_t at = 0; at < records.size(); at += kOccurrenceRecordSize) {
    if (DecodeInt32(records.data() + at) == -1) {
      throw IndexFormatError(path, "write",
                             "an occurrence has the offset -1, which ends an occurrence list");
    }
  }
  scratch.resize(1 + word.size() + 1 + 4 + records.size() + 4);
  char* at = scratch.data();
  *at++ = static_cast<char>(word.size() + 1);
  at = std::copy(word.begin(), word.end(), at);
  *at++ = '\0';
  at = EncodeInt32(static_cast<std::int32_t>(occurrences.count()), at);
  at = std::copy(records.begin(), records.end(), at);
  EncodeInt32(-1, at);
  archive.WriteBytes(scratch.data(), scratch.size());
}

void WriteChildFlag(const CINode* child, platform::ArchiveWriter& archive) {
  if (child == nullptr) {
    archive.WriteUInt8(0);
    return;
  }
  platform::PumpMessages();
  archive.WriteUInt8(1);
}

}  // namespace

void WriteIndex(const CStringTreeIndex& index, platform::ArchiveWriter& archive,
                const std::string& path) {
  const CINode* node = index.root();
  if (node == nullptr) throw IndexFormatError(path, "write", "the index holds no word");
  archive.WriteUInt8(kIndexFileVersion);

  // Nodes whose lesser subtree is being written and whose greater-child flag is still due.
  std::vector<const CINode*> pending;
  std::vector<char> scratch;
  for (;;) {
    WriteRecordHead(*node, archive, path, scratch);
    WriteChildFlag(node->lesser(), archive);
    if (node->lesser() != nullptr) {
      pending.push_back(node);
      node = node->lesser();
      continue;
    }
    // The node's subtree below its lesser side is complete: write greater-child flags upwards
    // until one announces a subtree.
    for (;;) {
      WriteChildFlag(node->greater(), archive);
      if (node->greater() != nullptr) {
        node = node->greater();
        break;
      }
      if (pending.empty()) return;
      node = pending.back();
      pending.pop_back();
    }
  }
}

void WriteIndexFile(const CStringTreeIndex& index, std::string_view path) {
  platform::File file = platform::File::CreateReplacing(path);
  platform::ArchiveWriter archive(file);
  WriteIndex(index, archive, file.path());
  archive.Flush();
  file.CommitWithoutSync();
}

}  // namespace store
