#include "toolkit/win32/native/StringList.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

namespace {

constexpr StringListMessages kListBox{LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,
                                      LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                      LB_GETCURSEL,    LB_SETCURSEL,    LB_GETITEMHEIGHT};
constexpr StringListMessages kComboBox{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                       CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                       CB_GETCURSEL,    CB_SETCURSEL,    CB_GETITEMHEIGHT};

WPARAM Index(int index) {
  return static_cast<WPARAM>(index);
}

}  // namespace

int StringList::Count() const {
  return static_cast<int>(Send(messages_->count));
}

std::string StringList::Item(int index) const {
  return detail::ReadOfLength(Send(messages_->textLength, Index(index)), [&](wchar_t* buffer, int) {
    return Send(messages_->text, Index(index), buffer);
  });
}

std::vector<std::string> StringList::Items() const {
  return detail::ReadAll(Count(), [this](int i) { return Item(i); });
}

void StringList::Insert(int index, std::string_view text) const {
  const std::wstring wide = plat::Widen(text);
  Send(messages_->insert, Index(index), wide.c_str());
}

void StringList::Delete(int index) const {
  Send(messages_->remove, Index(index));
}

void StringList::Clear() const {
  Send(messages_->reset);
}

int StringList::Selection() const {
  return static_cast<int>(Send(messages_->selection));
}

void StringList::Select(int index) const {
  Send(messages_->select, Index(index));
}

// Item 0 stands for every item of a list without items of their own heights.
int StringList::ItemHeight() const {
  return static_cast<int>(Send(messages_->itemHeight));
}

ListBox::ListBox(HWND hwnd) noexcept : StringList(hwnd, kListBox) {}
ListBox::ListBox(HWND hwnd, TimeLimit limit) noexcept : StringList(hwnd, limit, kListBox) {}

void ListBox::SetItemHeight(int height) const {
  Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
}

ComboBox::ComboBox(HWND hwnd) noexcept : StringList(hwnd, kComboBox) {}
ComboBox::ComboBox(HWND hwnd, TimeLimit limit) noexcept : StringList(hwnd, limit, kComboBox) {}

std::string ComboBoxEx::Item(int index) const {
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  return detail::ReadItemText(*this, CBEM_GETITEMW, 0, item);
}

std::vector<std::string> ComboBoxEx::Items() const {
  return detail::ReadAll(static_cast<int>(Send(CB_GETCOUNT)), [this](int i) { return Item(i); });
}

void ComboBoxEx::Insert(int index, std::string_view text) const {
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  detail::WriteItemText(*this, CBEM_INSERTITEMW, 0, item, text);
}

HWND ComboBoxEx::EditControl() const {
  return reinterpret_cast<HWND>(Send(CBEM_GETEDITCONTROL));
}

HWND ComboBoxEx::ComboControl() const {
  return reinterpret_cast<HWND>(Send(CBEM_GETCOMBOCONTROL));
}

}  // namespace tk::win32::native
