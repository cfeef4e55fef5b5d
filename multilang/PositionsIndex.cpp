#include "multilang/PositionsIndex.h"

#include <algorithm>

#include "multilang/PositionRecords.h"

namespace ml {

namespace {

std::optional<std::string_view> HeadOf(std::string_view line) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return line.substr(0, comma);
}

}  // namespace

PositionsIndex::PositionsIndex(tk::TStrings& lines) : lines_(lines) {
  lines_.SetObserver([this](tk::StringsChange change, int index) { Changed(change, index); });
}

int PositionsIndex::FindLast(std::string_view key) const {
  const std::size_t comma = key.find(',');
  if (comma == std::string_view::npos || comma + 1 != key.size()) {
    return LastLineBeginningWith(lines_, key);
  }
  // A list edited behind the observer's back shows in its length; rebuild then too.
  if (stale_ || info_.size() != static_cast<std::size_t>(lines_.Count())) Rebuild();
  if (IsAnswer(previous_ + 1, key)) return ++previous_;
  auto it = byHead_.find(key.substr(0, comma));
  if (it == byHead_.end()) return -1;
  previous_ = it->second.back();
  return previous_;
}

bool PositionsIndex::IsAnswer(int line, std::string_view key) const {
  return line >= 0 && line < lines_.Count() && info_[static_cast<std::size_t>(line)].lastOfHead &&
         lines_[line].starts_with(key);
}

void PositionsIndex::Changed(tk::StringsChange change, int index) {
  if (stale_) return;
  const auto count = static_cast<std::size_t>(lines_.Count());
  switch (change) {
    case tk::StringsChange::Put: {
      if (index < 0 || static_cast<std::size_t>(index) >= info_.size()) break;
      const std::optional<std::string_view> head = HeadOf(lines_[index]);
      const auto& old = info_[static_cast<std::size_t>(index)].head;
      if (head.has_value() == old.has_value() && (!head || *head == *old)) return;
      Remove(index);
      Add(index, head);
      return;
    }
    case tk::StringsChange::Insert:
      if (static_cast<std::size_t>(index) + 1 != count || info_.size() + 1 != count) break;
      info_.emplace_back();
      Add(index, HeadOf(lines_[index]));
      return;
    case tk::StringsChange::Delete:
      if (static_cast<std::size_t>(index) != count || info_.size() != count + 1) break;
      Remove(index);
      info_.pop_back();
      return;
    case tk::StringsChange::Reset:
      break;
  }
  // Anything that moves lines renumbers those after it: cheaper to rebuild when next needed.
  stale_ = true;
}

void PositionsIndex::Rebuild() const {
  byHead_.clear();
  info_.assign(static_cast<std::size_t>(lines_.Count()), LineInfo{});
  for (int i = 0; i < lines_.Count(); ++i) Add(i, HeadOf(lines_[i]));
  stale_ = false;
}

void PositionsIndex::Add(int line, const std::optional<std::string_view>& head) const {
  LineInfo& info = info_[static_cast<std::size_t>(line)];
  info.lastOfHead = false;
  if (!head) {
    info.head.reset();
    return;
  }
  info.head = std::string(*head);
  auto it = byHead_.find(*head);
  if (it == byHead_.end()) it = byHead_.emplace(*info.head, Lines{}).first;
  Lines& lines = it->second;
  if (!lines.empty() && lines.back() < line) {
    info_[static_cast<std::size_t>(lines.back())].lastOfHead = false;
  }
  lines.insert(std::upper_bound(lines.begin(), lines.end(), line), line);
  info_[static_cast<std::size_t>(lines.back())].lastOfHead = true;
}

void PositionsIndex::Remove(int line) const {
  LineInfo& info = info_[static_cast<std::size_t>(line)];
  info.lastOfHead = false;
  if (!info.head) return;
  auto it = byHead_.find(*info.head);
  if (it != byHead_.end()) {
    Lines& lines = it->second;
    auto pos = std::lower_bound(lines.begin(), lines.end(), line);
    if (pos != lines.end() && *pos == line) lines.erase(pos);
    if (lines.empty()) {
      byHead_.erase(it);
    } else {
      info_[static_cast<std::size_t>(lines.back())].lastOfHead = true;
    }
  }
  info.head.reset();
}

}  // namespace ml
