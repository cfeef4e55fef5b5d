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
  if (stale_ || heads_.size() != static_cast<std::size_t>(lines_.Count())) Rebuild();
  auto it = byHead_.find(key.substr(0, comma));
  if (it == byHead_.end() || it->second.empty()) return -1;
  return it->second.back();
}

void PositionsIndex::Changed(tk::StringsChange change, int index) {
  if (stale_) return;
  const auto count = static_cast<std::size_t>(lines_.Count());
  switch (change) {
    case tk::StringsChange::Put: {
      if (index < 0 || static_cast<std::size_t>(index) >= heads_.size()) break;
      const std::optional<std::string_view> head = HeadOf(lines_[index]);
      const auto& old = heads_[static_cast<std::size_t>(index)];
      if (head.has_value() == old.has_value() && (!head || *head == *old)) return;
      Remove(index);
      Add(index, head);
      return;
    }
    case tk::StringsChange::Insert:
      if (static_cast<std::size_t>(index) + 1 != count || heads_.size() + 1 != count) break;
      heads_.emplace_back();
      Add(index, HeadOf(lines_[index]));
      return;
    case tk::StringsChange::Delete:
      if (static_cast<std::size_t>(index) != count || heads_.size() != count + 1) break;
      Remove(index);
      heads_.pop_back();
      return;
    case tk::StringsChange::Reset:
      break;
  }
  // Anything that moves lines renumbers those after it: cheaper to rebuild when next needed.
  stale_ = true;
}

void PositionsIndex::Rebuild() const {
  byHead_.clear();
  heads_.assign(static_cast<std::size_t>(lines_.Count()), std::nullopt);
  for (int i = 0; i < lines_.Count(); ++i) Add(i, HeadOf(lines_[i]));
  stale_ = false;
}

void PositionsIndex::Add(int line, const std::optional<std::string_view>& head) const {
  auto& slot = heads_[static_cast<std::size_t>(line)];
  if (!head) {
    slot.reset();
    return;
  }
  slot = std::string(*head);
  auto it = byHead_.find(*head);
  if (it == byHead_.end()) it = byHead_.emplace(*slot, Lines{}).first;
  Lines& lines = it->second;
  lines.insert(std::upper_bound(lines.begin(), lines.end(), line), line);
}

void PositionsIndex::Remove(int line) const {
  auto& slot = heads_[static_cast<std::size_t>(line)];
  if (!slot) return;
  auto it = byHead_.find(*slot);
  if (it != byHead_.end()) {
    Lines& lines = it->second;
    auto pos = std::lower_bound(lines.begin(), lines.end(), line);
    if (pos != lines.end() && *pos == line) lines.erase(pos);
    if (lines.empty()) byHead_.erase(it);
  }
  slot.reset();
}

}  // namespace ml
