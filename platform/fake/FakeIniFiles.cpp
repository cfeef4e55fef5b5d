#include "platform/fake/FakeIniFiles.h"

#include <optional>

#include "platform/CaseFold.h"

namespace plat {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A value in matching quotes is read without them.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
  const std::string wantedSection = FoldCase(section);
  const std::string wantedKey = FoldCase(key);
  bool inSection = false;
  bool sectionSeen = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = TrimRight(TrimLeft(text.substr(0, end)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close == std::string_view::npos) continue;
      // Only the first section of the name is read: leaving it ends the search.
      if (sectionSeen) return std::nullopt;
      inSection = FoldCase(line.substr(1, close - 1)) == wantedSection;
      sectionSeen = inSection;
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (FoldCase(TrimRight(line.substr(0, equals))) == wantedKey) {
      return Unquote(TrimLeft(line.substr(equals + 1)));
    }
  }
  return std::nullopt;
}

class FakeIniFile : public IniFile {
 public:
  FakeIniFile(const FakeIniFiles& files, std::string path)
      : files_(files), path_(std::move(path)) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    const std::string* text = files_.Text(path_);
    return ReadProfileString(text ? *text : std::string_view(), section, key, fallback);
  }

 private:
  const FakeIniFiles& files_;
  std::string path_;
};

}  // namespace

std::string ReadProfileString(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const std::optional<std::string_view> value = FindValue(text, section, key);
  if (value) return std::string(*value);
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return std::string(fallback);
}

void FakeIniFiles::SetFile(std::string_view path, std::string_view text) {
  files_[FoldCase(path)] = text;
}

void FakeIniFiles::RemoveFile(std::string_view path) {
  files_.erase(FoldCase(path));
}

const std::string* FakeIniFiles::Text(std::string_view path) const {
  const auto found = files_.find(FoldCase(path));
  return found == files_.end() ? nullptr : &found->second;
}

std::unique_ptr<IniFile> FakeIniFiles::Open(std::string_view path) {
  return std::make_unique<FakeIniFile>(*this, std::string(path));
}

}  // namespace plat
