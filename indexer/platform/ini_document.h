#ifndef INDEXER_PLATFORM_INI_DOCUMENT_H_
#define INDEXER_PLATFORM_INI_DOCUMENT_H_

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The text of an initialisation file in the system's section-and-key format, held as its lines
// so that a change rewrites one line and keeps every other byte:
//
//   [Section]
//   Key=Value
//
// Reading the text:
//   - lines end at a line feed; a carriage return just before it belongs to the line end, any
//     other carriage return is an ordinary byte of its line; a last line without a line feed
//     counts as a line;
//   - blanks (spaces, tabs) around section names, keys and values are ignored;
//   - a section line begins (after blanks) with '[' and has a ']' (a ']' that is the second
//     byte of a double-byte character does not count); what follows the ']' is ignored;
//   - a key line holds a '=' and a non-empty key before it; the value is everything after the
//     first '=', bytes as they are (no quotes, no escapes);
//   - a line beginning with ';' is a comment; comments, blank lines, lines with neither '[...]'
//     nor '=', a '[' without ']', key lines before the first section: all are kept as they are
//     and never match a look-up;
//   - sections and keys are found regardless of ASCII letter case (double-byte characters
//     compare byte for byte); a section that appears twice is one section in two parts, and
//     the first line of a key wins.
//
// Writing a value replaces the first line of its key, or adds "Key=Value" after the last
// non-blank line of the section's first part, or adds "[Section]" and the key at the end.
// Carriage returns and line feeds inside a written section, key or value would break the
// format and become '?'. Text() writes every line followed by CR LF.
class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  // The value of `key` in `section`, blanks around it removed; empty when absent.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  enum class Kind { kOther, kSection, kKey };
  struct Line {
    std::string text;
    Kind kind = Kind::kOther;
    std::string name;  // section name or key, blanks removed
  };

  static Line Classify(std::string text);
  void Index();

  std::vector<Line> lines_;
  // Upper-cased (section, key) to the index of the line that holds the first such key.
  std::map<std::pair<std::string, std::string>, std::size_t> keys_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_INI_DOCUMENT_H_
