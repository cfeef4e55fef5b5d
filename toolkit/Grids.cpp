#include "toolkit/Grids.h"

#include <algorithm>

#include "base/Errors.h"
#include "toolkit/ControlProps.h"

namespace tk {

const ClassInfo& TCustomGrid::StaticClass() {
  static const ClassInfo info{"TCustomGrid", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TStringGrid::StaticClass() {
  // The counts come before the fixed counts, which must stay below them.
  static const PropInfo props[] = {
      props::Color(clWhite),
      IntProperty<TCustomGrid, &TCustomGrid::ColCount, &TCustomGrid::SetColCount>(
          "ColCount", Stored::IfNotDefault, 5),
      IntProperty<TCustomGrid, &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth>(
          "DefaultColWidth", Stored::IfNotDefault, 64),
      IntProperty<TCustomGrid, &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight>(
          "DefaultRowHeight", Stored::IfNotDefault, 24),
      IntProperty<TCustomGrid, &TCustomGrid::RowCount, &TCustomGrid::SetRowCount>(
          "RowCount", Stored::IfNotDefault, 5),
      IntProperty<TCustomGrid, &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols>(
          "FixedCols", Stored::IfNotDefault, 1),
      IntProperty<TCustomGrid, &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows>(
          "FixedRows", Stored::IfNotDefault, 1),
      props::Font(),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TStringGrid", &TCustomGrid::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TStringGrid(o); }};
  return info;
}

TCustomGrid::TCustomGrid(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
}

void TCustomGrid::SetColCount(std::int32_t n) {
  Resize(std::max(1, n), rowCount_);
}

void TCustomGrid::SetRowCount(std::int32_t n) {
  Resize(colCount_, std::max(1, n));
}

void TCustomGrid::Resize(std::int32_t cols, std::int32_t rows) {
  if (cols == colCount_ && rows == rowCount_) return;
  colCount_ = cols;
  rowCount_ = rows;
  fixedCols_ = std::min(fixedCols_, cols - 1);
  fixedRows_ = std::min(fixedRows_, rows - 1);
  NotifyItems(ItemList::Cells, ListChange::Reset, -1);
  SizeChanged();
}

void TCustomGrid::SetFixedCols(std::int32_t n) {
  if (n < 0 || n >= colCount_)
    throw base::Exception("Fixed column count must be less than column count");
  if (n == fixedCols_) return;
  fixedCols_ = n;
  NotifyPeer(Aspect::Kind);
}

void TCustomGrid::SetFixedRows(std::int32_t n) {
  if (n < 0 || n >= rowCount_) throw base::Exception("Fixed row count must be less than row count");
  if (n == fixedRows_) return;
  fixedRows_ = n;
  NotifyPeer(Aspect::Kind);
}

void TCustomGrid::SetDefaultColWidth(std::int32_t w) {
  if (w == defaultColWidth_) return;
  defaultColWidth_ = w;
  NotifyPeer(Aspect::Kind);
}

void TCustomGrid::SetDefaultRowHeight(std::int32_t h) {
  if (h == defaultRowHeight_) return;
  defaultRowHeight_ = h;
  NotifyPeer(Aspect::Kind);
}

std::string TStringGrid::Cells(std::int32_t col, std::int32_t row) const {
  if (col < 0) throw base::EStringListError::IndexOutOfBounds(col);
  if (row < 0) throw base::EStringListError::IndexOutOfBounds(row);
  if (static_cast<std::size_t>(row) >= rows_.size()) return {};
  const auto& cells = rows_[static_cast<std::size_t>(row)];
  return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)]
                                                      : std::string();
}

void TStringGrid::SetCells(std::int32_t col, std::int32_t row, const std::string& text) {
  if (col < 0) throw base::EStringListError::IndexOutOfBounds(col);
  if (row < 0) throw base::EStringListError::IndexOutOfBounds(row);
  const auto r = static_cast<std::size_t>(row), c = static_cast<std::size_t>(col);
  if (r >= rows_.size()) rows_.resize(r + 1);
  if (c >= rows_[r].size()) rows_[r].resize(c + 1);
  rows_[r][c] = text;
  NotifyItems(ItemList::Cells, ListChange::Put, row);
}

void TStringGrid::SizeChanged() {
  if (rows_.size() > static_cast<std::size_t>(RowCount())) {
    rows_.resize(static_cast<std::size_t>(RowCount()));
  }
  for (auto& cells : rows_) {
    if (cells.size() > static_cast<std::size_t>(ColCount())) {
      cells.resize(static_cast<std::size_t>(ColCount()));
    }
  }
}

}  // namespace tk
