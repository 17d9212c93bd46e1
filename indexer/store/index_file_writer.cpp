#include "store/index_file_writer.h"

#include <vector>

#include "platform/file.h"
#include "platform/message_pump.h"
#include "store/index_format_error.h"

namespace store {
namespace {

void WriteRecordHead(const CINode& node, platform::ArchiveWriter& archive,
                     const std::string& path) {
  const std::string_view word = node.word();
  if (word.size() > kMaxIndexWordLength) {
    throw IndexFormatError(path, "write",
                           "a word of " + std::to_string(word.size()) +
                               " bytes is longer than the 254 bytes an index record can hold");
  }
  archive.WriteUInt8(static_cast<std::uint8_t>(word.size() + 1));
  archive.WriteBytes(word.data(), word.size());
  archive.WriteUInt8(0);
  archive.WriteInt32(static_cast<std::int32_t>(node.occurrences().count()));
  for (const Occurrence& occurrence : node.occurrences()) {
    if (occurrence.offset == -1) {
      throw IndexFormatError(path, "write",
                             "an occurrence has the offset -1, which ends an occurrence list");
    }
    archive.WriteInt32(occurrence.offset);
    archive.WriteInt32(occurrence.line_number);
    archive.WriteInt16(occurrence.file_id);
    archive.WriteUInt8(occurrence.entry_type);
  }
  archive.WriteInt32(-1);
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
  for (;;) {
    WriteRecordHead(*node, archive, path);
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
  file.Commit();
}

}  // namespace store
