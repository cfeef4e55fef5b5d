// Finds the last line of a list that begins with a search key of the form "head," without
// scanning the list. A line belongs under the text before its first comma; a key with a single,
// trailing comma matches exactly the lines under its head. Other keys fall back to the scan.
//
// The index observes the list: appends and in-place replacements update it at once, any other
// change marks it stale and the next lookup rebuilds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "toolkit/StringList.h"

namespace ml {

class PositionsIndex {
 public:
  // Takes over the list's observer; the list must outlive lookups through the index.
  explicit PositionsIndex(tk::TStrings& lines);
  PositionsIndex(const PositionsIndex&) = delete;
  PositionsIndex& operator=(const PositionsIndex&) = delete;

  // The same answer as LastLineBeginningWith(lines, key).
  int FindLast(std::string_view key) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using Lines = std::vector<int>;  // ascending

  void Changed(tk::StringsChange change, int index);
  void Rebuild() const;
  void Add(int line, const std::optional<std::string_view>& head) const;
  void Remove(int line) const;

  tk::TStrings& lines_;
  mutable bool stale_ = true;
  // Per line, its head (none when the line holds no comma), mirroring the list.
  mutable std::vector<std::optional<std::string>> heads_;
  mutable std::unordered_map<std::string, Lines, Hash, std::equal_to<>> byHead_;
};

}  // namespace ml
