#ifndef INDEXER_STORE_INDEX_FILE_WRITER_H_
#define INDEXER_STORE_INDEX_FILE_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/archive.h"
#include "store/index_tree.h"

namespace store {

// The version byte that begins every index file this program writes and the only one it reads.
inline constexpr std::uint8_t kIndexFileVersion = 4;

// The longest word an index file can hold: its record stores the word's length plus its NUL in
// one byte.
inline constexpr std::size_t kMaxIndexWordLength = 254;

// Writes `index` as an index file through `archive`: the version byte 4, then every node record
// in pre-order (a node, its whole lesser subtree, its whole greater subtree). A record is the word
// length including the NUL (1 byte), the word and its NUL, the occurrence count (4 bytes), one
// 11-byte record per occurrence (offset, line number, file ID, entry type; little-endian), the
// terminator -1 (4 bytes), then the lesser-child flag (0 or 1) with the lesser subtree and the
// greater-child flag with the greater subtree. The message-pump step runs before each flag of 1.
//
// Throws IndexFormatError, naming `path`, for an empty index (the format has no form for it), a
// word longer than kMaxIndexWordLength bytes or an occurrence whose offset is -1; what was
// written through the archive up to then is incomplete. Write errors come from the archive.
void WriteIndex(const CStringTreeIndex& index, platform::ArchiveWriter& archive,
                const std::string& path);

// Writes `index` to the file `path` as WriteIndex does, replacing the file atomically: a failure
// leaves whatever was there before untouched and no temporary behind. The file is not flushed to
// disk before it replaces the old one (platform::File::CommitWithoutSync): readers see the old or
// the whole new file all the same, and an index file is made again by a build, whereas a flush
// per partial and per letter file made a build wait on the disk dozens of times. After a system
// crash a file may be left empty or cut short; its readers then report the end of the file.
// Consolidation makes its letter files durable with one flush of the file system before it
// deletes the partial files.
void WriteIndexFile(const CStringTreeIndex& index, std::string_view path);

}  // namespace store

#endif  // INDEXER_STORE_INDEX_FILE_WRITER_H_
