#include "platform/ini_document.h"

#include "platform/shift_jis.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string cleaned(text);
  for (char& c : cleaned) {
    if (c == '\r' || c == '\n') c = '?';
  }
  return cleaned;
}

// Position of the first ']' of `text` that is not the second byte of a double-byte character.
std::size_t FindClosingBracket(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += CharacterLengthAt(text, i)) {
    if (text[i] == ']') return i;
  }
  return std::string_view::npos;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t length = end - start;
    if (end < text.size() && length > 0 && text[end - 1] == '\r') --length;
    lines_.push_back(Classify(std::string(text.substr(start, length))));
    start = next;
  }
  Index();
}

IniDocument::Line IniDocument::Classify(std::string text) {
  Line line;
  std::string_view content = Trimmed(text);
  if (!content.empty() && content.front() == '[') {
    std::size_t close = FindClosingBracket(content);
    if (close != std::string_view::npos) {
      line.kind = Kind::kSection;
      line.name = std::string(Trimmed(content.substr(1, close - 1)));
    }
  } else if (!content.empty() && content.front() != ';') {
    std::size_t equals = content.find('=');
    if (equals != std::string_view::npos) {
      std::string_view key = Trimmed(content.substr(0, equals));
      if (!key.empty()) {
        line.kind = Kind::kKey;
        line.name = std::string(key);
      }
    }
  }
  line.text = std::move(text);
  return line;
}

void IniDocument::Index() {
  keys_.clear();
  const Line* section = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kSection) {
      section = &line;
    } else if (line.kind == Kind::kKey && section != nullptr) {
      keys_.try_emplace({UpperCased(section->name), UpperCased(line.name)}, i);
    }
  }
}

std::optional<std::string> IniDocument::Find(std::string_view section,
                                              std::string_view key) const {
  auto found = keys_.find({UpperCased(section), UpperCased(key)});
  if (found == keys_.end()) return std::nullopt;
  std::string_view text = lines_[found->second].text;
  return std::string(Trimmed(text.substr(text.find('=') + 1)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string clean_section = WithoutLineBreaks(Trimmed(section));
  std::string clean_key = WithoutLineBreaks(Trimmed(key));
  std::string clean_value = WithoutLineBreaks(value);

  auto found = keys_.find({UpperCased(clean_section), UpperCased(clean_key)});
  if (found != keys_.end()) {
    Line& line = lines_[found->second];
    line.text = line.name + "=" + clean_value;
    return;
  }
  Line added = Classify(clean_key + "=" + clean_value);
  std::size_t insert_at = lines_.size();
  std::size_t section_line = 0;
  while (section_line < lines_.size() &&
         !(lines_[section_line].kind == Kind::kSection &&
           EqualIgnoringCase(lines_[section_line].name, clean_section))) {
    ++section_line;
  }
  if (section_line < lines_.size()) {
    // After the last non-blank line of the section's first part.
    insert_at = section_line + 1;
    for (std::size_t i = section_line + 1;
         i < lines_.size() && lines_[i].kind != Kind::kSection; ++i) {
      if (!Trimmed(lines_[i].text).empty()) insert_at = i + 1;
    }
  } else {
    lines_.push_back(Classify("[" + clean_section + "]"));
    insert_at = lines_.size();
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), std::move(added));
  Index();
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  return text;
}

}  // namespace platform
