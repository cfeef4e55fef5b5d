// Writing one component's texts into an editing grid: one grid row per entry of its block, the
// key in column 0 and the text in the active language's column.
#pragma once

#include <cstdint>
#include <string>

namespace tk {
class TStrings;
class TStringGrid;
}  // namespace tk

namespace ml {

// The key of the window's rows: the one key the switch writes into the window.
inline constexpr char kWindowKey[] = "%Form%";

// The rows of one call. Every row written also appends one emptied row at the grid's end, so a
// caller that starts at an empty last row always keeps one below the texts.
class RowWriter {
 public:
  RowWriter(tk::TStringGrid& grid, std::int32_t row, std::int32_t column)
      : grid_(grid), row_(row), column_(column) {}

  // The row the next text goes to.
  std::int32_t Row() const { return row_; }

  // A row keyed as an item entry.
  void AddRow(const std::string& text);
  // A row keyed as the hint entry; nothing for an empty hint.
  void AddHintRow(const std::string& hint);
  void CollectList(const tk::TStrings& list);
  void KeyLastRow(const std::string& key);

 private:
  tk::TStringGrid& grid_;
  std::int32_t row_;
  std::int32_t column_;
};

}  // namespace ml
