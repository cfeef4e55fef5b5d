// Grids: rows and columns of cells, the first ones fixed (titles). The string grid keeps a text
// per cell.
//
// Of the names the localization component asks for, TStringGrid publishes "Hint" only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TCustomGrid : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomGrid(TComponent* owner);

  // At least 1; fewer than the fixed ones makes fewer fixed ones.
  std::int32_t ColCount() const { return colCount_; }
  void SetColCount(std::int32_t n);
  std::int32_t RowCount() const { return rowCount_; }
  void SetRowCount(std::int32_t n);
  // Raises an error unless less than the column or row count.
  std::int32_t FixedCols() const { return fixedCols_; }
  void SetFixedCols(std::int32_t n);
  std::int32_t FixedRows() const { return fixedRows_; }
  void SetFixedRows(std::int32_t n);
  std::int32_t DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(std::int32_t w);
  std::int32_t DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(std::int32_t h);

 protected:
  // After the counts changed; the peer has been told.
  virtual void SizeChanged() {}

 private:
  void Resize(std::int32_t cols, std::int32_t rows);

  std::int32_t colCount_ = 5, rowCount_ = 5;
  std::int32_t fixedCols_ = 1, fixedRows_ = 1;
  std::int32_t defaultColWidth_ = 64, defaultRowHeight_ = 24;
};

class TStringGrid : public TCustomGrid {
  TK_CLASS()

 public:
  explicit TStringGrid(TComponent* owner) : TCustomGrid(owner) {}
  // A cell outside the grid reads as empty and keeps what is written to it until the counts
  // shrink past it. Negative coordinates raise the list index error.
  std::string Cells(std::int32_t col, std::int32_t row) const;
  void SetCells(std::int32_t col, std::int32_t row, const std::string& text);

 protected:
  void SizeChanged() override;

 private:
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace tk
