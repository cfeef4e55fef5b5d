#include "toolkit/win32/ListViewRows.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

int ListColumnCount(HWND view) {
  auto header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

bool ApplyListColumns(HWND view, const std::vector<ColumnSpec>& specs) {
  const int before = ListColumnCount(view);
  const int wanted = static_cast<int>(specs.size());
  for (int i = 0; i < wanted; ++i) {
    const ColumnSpec& wantedColumn = specs[static_cast<std::size_t>(i)];
    std::wstring caption = Widen(wantedColumn.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = wantedColumn.format;
    column.cx = wantedColumn.width;
    column.pszText = caption.data();
    SendMessageW(view, i < before ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&column));
  }
  for (int i = before - 1; i >= wanted; --i) {
    SendMessageW(view, LVM_DELETECOLUMN, static_cast<WPARAM>(i), 0);
  }
  return before != wanted;
}

void InsertListRow(HWND view, int row, const std::string& caption) {
  std::wstring text = Widen(caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = text.data();
  SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetListCell(HWND view, int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(view, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace tk::win32
