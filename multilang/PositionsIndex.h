// Finds the last line of a list that begins with a search key of the form "head," without
// scanning the list. A line belongs under the text before its first comma; a key with a single,
// trailing comma matches exactly the lines under its head. Other keys fall back to the scan.
//
// The index observes the list: appends and in-place replacements update it at once, any other
// change marks it stale and the next lookup rebuilds it. Callers tend to look records up in list
// order (the switch visits controls in the order their records were made), so a lookup first
// tries the line after its previous answer, which is the answer when it begins with the key and
// is the last line under its head.
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
  struct LineInfo {
    std::optional<std::string> head;  // none when the line holds no comma
    bool lastOfHead = false;
  };
  using Lines = std::vector<int>;  // ascending

  void Changed(tk::StringsChange change, int index);
  void Rebuild() const;
  void Add(int line, const std::optional<std::string_view>& head) const;
  void Remove(int line) const;
  bool IsAnswer(int line, std::string_view key) const;

  tk::TStrings& lines_;
  mutable bool stale_ = true;
  mutable std::vector<LineInfo> info_;  // mirrors the list line by line
  mutable std::unordered_map<std::string, Lines, Hash, std::equal_to<>> byHead_;
  mutable int previous_ = -1;
};

}  // namespace ml
