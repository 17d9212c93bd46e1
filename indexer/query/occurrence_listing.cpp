#include "query/occurrence_listing.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "building/profile_keys.h"
#include "building/source_file_registry.h"
#include "platform/message_pump.h"
#include "platform/text_reader.h"
#include "store/index_lookup.h"

namespace query {
namespace {

// The longest source text of one result line, as the system's line reading delivers it.
constexpr std::size_t kMaxLineLength = 7998;

std::string LineNumberTag(std::int32_t line_number) {
  char tag[32];
  std::snprintf(tag, sizeof tag, "(%7d)", static_cast<int>(line_number));
  return tag;
}

}  // namespace

void ListOccurrences(std::string_view keyword, store::IndexFileReader& reader,
                     platform::Profile& application_profile, int& tag_form,
                     shell::CExStringList& lines, const std::function<void()>& update_views) {
  auto redraw = [&update_views] {
    if (update_views) update_views();
  };
  tag_form = building::ReadInt(application_profile, building::profile_keys::kOptionTagForm);
  const bool tagged = tag_form == 1;

  if (!store::FindWord(keyword, reader)) {
    redraw();
    return;
  }

  std::vector<char> buffer(kMaxLineLength + 2);
  std::optional<platform::TextReader> source;
  std::string source_path;
  std::int16_t previous_file_id = -1;
  store::Occurrence occurrence;
  while (reader.NextOccurrence(occurrence)) {
    if (occurrence.offset < 0) break;
    platform::PumpMessages();
    if (occurrence.file_id >= 0 && occurrence.file_id != previous_file_id) {
      source.reset();
      redraw();
    }
    if (occurrence.file_id != previous_file_id) {
      source_path = building::SourceFileRegistry::SourcePathOf(application_profile,
                                                               occurrence.file_id);
      if (source_path.empty()) break;
      source = platform::TextReader::TryOpen(source_path);
      if (!source) break;
    }
    if (!source) break;  // the first occurrence carries the file ID -1: no file to read
    source->SeekTo(static_cast<std::uint64_t>(occurrence.offset));
    source->ReadLine(buffer.data(), kMaxLineLength + 1);

    std::string line;
    if (tagged) line = source_path + LineNumberTag(occurrence.line_number);
    line += buffer.data();  // up to a byte 0x00, as the text stops there
    lines.AddTail(std::move(line));
    previous_file_id = occurrence.file_id;
  }
  source.reset();
  redraw();
}

}  // namespace query
