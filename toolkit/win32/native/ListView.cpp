#include "toolkit/win32/native/ListView.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

void ListView::SetExtendedStyle(DWORD mask, DWORD style) const {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, static_cast<LPARAM>(style));
}

// The header knows how many columns there are; the list view itself does not say.
int ListView::ColumnCount() const {
  auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  return header != nullptr ? static_cast<int>(Window(header).Send(HDM_GETITEMCOUNT)) : 0;
}

// Asks column by column until there is none, which does not need the header.
std::vector<std::string> ListView::Columns() const {
  std::vector<std::string> captions;
  for (auto i = static_cast<WPARAM>(0);; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    if (Send(LVM_GETCOLUMNW, i, &column) == 0) return captions;
    column.mask = LVCF_TEXT;
    captions.push_back(detail::ReadItemText(*this, LVM_GETCOLUMNW, i, column));
  }
}

bool ListView::SetColumns(const std::vector<ColumnSpec>& specs) const {
  const int before = ColumnCount();
  const int wanted = static_cast<int>(specs.size());
  for (int i = 0; i < wanted; ++i) {
    const ColumnSpec& given = specs[static_cast<std::size_t>(i)];
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = given.format;
    column.cx = given.width;
    detail::WriteItemText(*this, i < before ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW,
                          static_cast<WPARAM>(i), column, given.caption);
  }
  for (int i = before - 1; i >= wanted; --i) Send(LVM_DELETECOLUMN, static_cast<WPARAM>(i));
  return before != wanted;
}

int ListView::Count() const {
  return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void ListView::Insert(int row, std::string_view caption) const {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  detail::WriteItemText(*this, LVM_INSERTITEMW, 0, item, caption);
}

void ListView::Delete(int row) const {
  Send(LVM_DELETEITEM, static_cast<WPARAM>(row));
}

void ListView::Clear() const {
  Send(LVM_DELETEALLITEMS);
}

std::string ListView::Cell(int row, int column) const {
  LVITEMW item{};
  item.iSubItem = column;
  return detail::ReadItemText(*this, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item);
}

void ListView::SetCell(int row, int column, std::string_view text) const {
  LVITEMW item{};
  item.iSubItem = column;
  detail::WriteItemText(*this, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), item, text);
}

std::vector<std::string> ListView::ColumnCells(int column) const {
  return detail::ReadAll(Count(), [&](int row) { return Cell(row, column); });
}

std::vector<std::vector<std::string>> ListView::Rows() const {
  const auto columns = static_cast<int>(Columns().size());
  std::vector<std::vector<std::string>> rows;
  for (int row = 0; row < Count(); ++row) {
    rows.push_back(detail::ReadAll(columns, [&](int column) { return Cell(row, column); }));
  }
  return rows;
}

}  // namespace tk::win32::native
