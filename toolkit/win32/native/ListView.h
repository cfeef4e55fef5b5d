// List views in report view: columns, and items with a text in each column (the item's caption
// in column 0, its sub-items after it).
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

struct ColumnSpec {
  std::string caption;
  int width;
  int format;  // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
};

class ListView : public Window {
 public:
  using Window::Window;

  void SetExtendedStyle(DWORD mask, DWORD style) const;

  // The columns as the header counts them.
  int ColumnCount() const;
  // The captions of every column the list view has, also in views that show no header.
  std::vector<std::string> Columns() const;
  // Makes the columns those of `specs`: the existing ones are rewritten, missing ones added at
  // the end and extra ones taken from the end. True when the number of columns changed.
  bool SetColumns(const std::vector<ColumnSpec>& specs) const;

  int Count() const;
  void Insert(int row, std::string_view caption) const;
  void Delete(int row) const;
  void Clear() const;
  std::string Cell(int row, int column) const;
  void SetCell(int row, int column, std::string_view text) const;
  // Column `column` of every row.
  std::vector<std::string> ColumnCells(int column) const;
  // Every row with the text of each column.
  std::vector<std::vector<std::string>> Rows() const;
};

}  // namespace tk::win32::native
