#include "multilang/MLangRows.h"

#include "toolkit/Grids.h"
#include "toolkit/StringList.h"

namespace ml {

namespace {

constexpr char kItemKey[] = "\"";
constexpr char kHintKey[] = "\".Hint";

}  // namespace

void RowWriter::AddRow(const std::string& text) {
  grid_.SetCells(0, row_, kItemKey);
  grid_.SetCells(column_, row_, text);
  ++row_;
  const std::int32_t last = grid_.RowCount();
  grid_.SetRowCount(last + 1);
  for (std::int32_t col = 0; col < grid_.ColCount(); ++col) grid_.SetCells(col, last, "");
}

void RowWriter::AddHintRow(const std::string& hint) {
  if (hint.empty()) return;
  AddRow(hint);
  grid_.SetCells(0, row_ - 1, kHintKey);
}

void RowWriter::CollectList(const tk::TStrings& list) {
  for (int i = 0; i < list.Count(); ++i) AddRow(list[i]);
}

void RowWriter::KeyLastRow(const std::string& key) {
  grid_.SetCells(0, row_ - 1, key);
}

}  // namespace ml
