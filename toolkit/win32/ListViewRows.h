// Rows and columns of a native list view in report view, for the peers that show a table in one
// (list views and string grids). Texts are UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tk::win32 {

struct ColumnSpec {
  std::string caption;
  int width;
  int format;  // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
};

// Makes the native columns those of `specs`: the existing ones are rewritten, missing ones added
// at the end and extra ones taken from the end. True when the number of columns changed.
bool ApplyListColumns(HWND view, const std::vector<ColumnSpec>& specs);
int ListColumnCount(HWND view);
void InsertListRow(HWND view, int row, const std::string& caption);
void SetListCell(HWND view, int row, int column, const std::string& text);

}  // namespace tk::win32
