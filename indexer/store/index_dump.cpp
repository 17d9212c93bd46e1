#include "store/index_dump.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "platform/file.h"
#include "store/letter_bucket.h"

namespace store {
namespace {

constexpr std::string_view kRule = "==========================\r\n";
constexpr std::size_t kColumns = 78;

void Write(platform::ArchiveWriter& out, std::string_view text) {
  out.WriteBytes(text.data(), text.size());
}

}  // namespace

void DumpNode(IndexFileReader& reader, platform::ArchiveWriter& out,
              const FileNameLookup& file_name_of) {
  while (reader.NextRecord()) {
    Write(out, kRule);
    Write(out, "Word : ");
    Write(out, reader.word());
    std::size_t column = 0;
    std::optional<std::int16_t> previous_file_id;
    Occurrence occurrence;
    while (reader.NextOccurrence(occurrence)) {
      if (previous_file_id != occurrence.file_id) {
        Write(out, "\r\n[[ ");
        Write(out, file_name_of ? file_name_of(occurrence.file_id) : std::string());
        Write(out, " ]]\r\n");
        column = 0;
        previous_file_id = occurrence.file_id;
      }
      // "%lu " of the line number taken as an unsigned 32-bit value.
      char number[16];
      char* end = std::to_chars(number, number + sizeof number,
                                static_cast<std::uint32_t>(occurrence.line_number))
                      .ptr;
      *end++ = ' ';
      const std::size_t length = static_cast<std::size_t>(end - number);
      if (column + length > kColumns) {
        Write(out, "\r\n");
        column = 0;
      }
      out.WriteBytes(number, length);
      column += length;
    }
    Write(out, "\r\n");
  }
}

void DumpIndexFiles(std::string_view index_directory, const FileNameLookup& file_name_of) {
  const std::string directory(index_directory);
  for (int bucket = 0; bucket < kLetterBucketCount; ++bucket) {
    const std::string input_path = directory + LetterIndexFileName(bucket);
    std::optional<platform::File> input;
    if (platform::FileExists(input_path)) input.emplace(platform::File::OpenForReading(input_path));

    platform::File output =
        platform::File::CreateReplacing(directory + "DUMP." + LetterBucketCharacter(bucket));
    platform::ArchiveWriter out(output);
    if (input) {
      IndexFileReader reader(*input);
      if (reader.ReadVersion()) DumpNode(reader, out, file_name_of);
    }
    out.Flush();
    output.Commit();
  }
}

}  // namespace store
