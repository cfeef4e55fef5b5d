#include "toolkit/StringList.h"

#include "base/Errors.h"

namespace tk {

const ClassInfo& TStrings::StaticClass() {
  static const ClassInfo info{"TStrings", &TPersistent::StaticClass(), {}};
  return info;
}

const ClassInfo& TStringList::StaticClass() {
  static const ClassInfo info{"TStringList", &TStrings::StaticClass(), {}};
  return info;
}

void TStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw base::EStringListError::IndexOutOfBounds(index);
}

const std::string& TStrings::Get(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)];
}

void TStrings::Put(int index, const std::string& s) {
  CheckIndex(index);
  items_[static_cast<std::size_t>(index)] = s;
  Notify(StringsChange::Put, index);
}

int TStrings::Add(const std::string& s) {
  items_.push_back(s);
  Notify(StringsChange::Insert, Count() - 1);
  return Count() - 1;
}

void TStrings::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw base::EStringListError::IndexOutOfBounds(index);
  items_.insert(items_.begin() + index, s);
  Notify(StringsChange::Insert, index);
}

void TStrings::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  Notify(StringsChange::Delete, index);
}

void TStrings::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Notify(StringsChange::Reset, -1);
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  Assign(source.items_);
}

void TStrings::Assign(std::vector<std::string> items) {
  items_ = std::move(items);
  Notify(StringsChange::Reset, -1);
}

void TStrings::SetCommaText(std::string_view text) { Assign(SplitKeepEmpty(text, ',')); }

std::string TStrings::JoinWithCommas() const {
  std::string out;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) out += ',';
    out += items_[i];
  }
  return out;
}

std::string TStrings::Text() const {
  std::string out;
  for (const std::string& s : items_) {
    out += s;
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  Assign(std::move(lines));
}

int TStrings::IndexOf(std::string_view s) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == s) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> SplitKeepEmpty(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace tk
