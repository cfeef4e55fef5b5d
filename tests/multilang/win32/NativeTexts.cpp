#include "tests/multilang/win32/NativeTexts.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "toolkit/win32/Utf16.h"

namespace shown {

namespace {

using tk::win32::Narrow;

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(hwnd, message, wParam, lParam);
}

// For the controls that answer a text's length before the text: `text` fills a buffer of the
// capacity it is given, the terminating zero included, and answers the length it wrote.
template <class GetLength, class GetText>
std::string Sized(GetLength length, GetText text) {
  const auto n = static_cast<long long>(length());
  if (n <= 0) return {};
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  const auto got = static_cast<long long>(text(buffer.data(), static_cast<int>(n + 1)));
  buffer.resize(static_cast<std::size_t>(std::clamp(got, 0LL, n)));
  return Narrow(buffer);
}

// For the controls that fill a buffer of a given size; longer than any text of the tests.
constexpr int kBuffer = 1024;

}  // namespace

std::string WindowText(HWND window) {
  return Sized([&] { return GetWindowTextLengthW(window); },
               [&](wchar_t* b, int capacity) { return GetWindowTextW(window, b, capacity); });
}

Texts EditLines(HWND edit) {
  const std::string text = WindowText(edit);
  Texts lines;
  if (text.empty()) return lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(text.substr(from, at - from));
  }
  lines.push_back(text.substr(from));
  return lines;
}

Texts ListBoxItems(HWND box) {
  Texts items;
  const auto count = static_cast<int>(Send(box, LB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const auto index = static_cast<WPARAM>(i);
    items.push_back(Sized([&] { return Send(box, LB_GETTEXTLEN, index); },
                          [&](wchar_t* b, int) {
                            return Send(box, LB_GETTEXT, index, reinterpret_cast<LPARAM>(b));
                          }));
  }
  return items;
}

int ListBoxSelection(HWND box) {
  return static_cast<int>(Send(box, LB_GETCURSEL));
}

Texts ComboItems(HWND combo) {
  Texts items;
  const auto count = static_cast<int>(Send(combo, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const auto index = static_cast<WPARAM>(i);
    items.push_back(Sized([&] { return Send(combo, CB_GETLBTEXTLEN, index); },
                          [&](wchar_t* b, int) {
                            return Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(b));
                          }));
  }
  return items;
}

int ComboSelection(HWND combo) {
  return static_cast<int>(Send(combo, CB_GETCURSEL));
}

Texts ComboExItems(HWND combo) {
  Texts items;
  const auto count = static_cast<int>(Send(combo, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    wchar_t text[kBuffer] = {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.pszText = text;
    item.cchTextMax = kBuffer;
    Send(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    items.push_back(Narrow(text));
  }
  return items;
}

std::string ComboExText(HWND combo) {
  HWND edit = reinterpret_cast<HWND>(Send(combo, CBEM_GETEDITCONTROL));
  if (edit == nullptr) edit = reinterpret_cast<HWND>(Send(combo, CBEM_GETCOMBOCONTROL));
  return WindowText(edit);
}

namespace {

// The group's radio buttons with their control ids, in the order of the ids.
std::vector<std::pair<int, HWND>> RadioButtons(HWND group) {
  std::vector<std::pair<int, HWND>> buttons;
  for (HWND child = GetWindow(group, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
      buttons.emplace_back(GetDlgCtrlID(child), child);
    }
  }
  std::sort(buttons.begin(), buttons.end());
  return buttons;
}

}  // namespace

Texts RadioButtonTexts(HWND group) {
  Texts texts;
  for (const auto& [id, button] : RadioButtons(group)) texts.push_back(WindowText(button));
  return texts;
}

int CheckedRadioButton(HWND group) {
  const auto buttons = RadioButtons(group);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (Send(buttons[i].second, BM_GETCHECK) == BST_CHECKED) return static_cast<int>(i);
  }
  return -1;
}

namespace {

void AddTreeItems(HWND tree, HTREEITEM first, int level, Texts& out) {
  for (HTREEITEM item = first; item != nullptr;
       item = reinterpret_cast<HTREEITEM>(
           Send(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    wchar_t text[kBuffer] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = kBuffer;
    Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    out.push_back(std::string(static_cast<std::size_t>(level), '>') + Narrow(text));
    const auto child = reinterpret_cast<HTREEITEM>(
        Send(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    AddTreeItems(tree, child, level + 1, out);
  }
}

}  // namespace

Texts TreeItems(HWND tree) {
  Texts items;
  AddTreeItems(tree, reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)), 0,
               items);
  return items;
}

Texts ListViewColumns(HWND view) {
  Texts captions;
  for (int i = 0;; ++i) {
    wchar_t text[kBuffer] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = kBuffer;
    if (!Send(view, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column))) {
      return captions;
    }
    captions.push_back(Narrow(text));
  }
}

std::string ListViewCell(HWND view, int item, int column) {
  wchar_t text[kBuffer] = {};
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = text;
  cell.cchTextMax = kBuffer;
  Send(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
  return Narrow(text);
}

Texts ListViewCells(HWND view, int column) {
  Texts cells;
  const auto count = static_cast<int>(Send(view, LVM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) cells.push_back(ListViewCell(view, i, column));
  return cells;
}

namespace {

// Switches a status bar into simple mode or out of it for as long as it lives.
class StatusMode {
 public:
  StatusMode(HWND bar, bool simple)
      : bar_(bar), was_(Send(bar, SB_ISSIMPLE) != 0), simple_(simple) {
    if (was_ != simple_) Send(bar_, SB_SIMPLE, simple_ ? TRUE : FALSE);
  }
  ~StatusMode() {
    if (was_ != simple_) Send(bar_, SB_SIMPLE, was_ ? TRUE : FALSE);
  }
  StatusMode(const StatusMode&) = delete;
  StatusMode& operator=(const StatusMode&) = delete;

 private:
  HWND bar_;
  bool was_;
  bool simple_;
};

std::string StatusPart(HWND bar, int part) {
  const auto index = static_cast<WPARAM>(part);
  return Sized([&] { return LOWORD(Send(bar, SB_GETTEXTLENGTHW, index)); },
               [&](wchar_t* b, int) {
                 return LOWORD(Send(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(b)));
               });
}

}  // namespace

Texts StatusParts(HWND bar) {
  StatusMode panels(bar, false);
  Texts texts;
  const auto parts = static_cast<int>(Send(bar, SB_GETPARTS));
  for (int i = 0; i < parts; ++i) {
    std::string text = StatusPart(bar, i);
    // Leading tabs align a part's text; they are no part of it.
    text.erase(0, std::min<std::size_t>(text.find_first_not_of('\t'), text.size()));
    texts.push_back(text);
  }
  return texts;
}

std::string StatusSimpleText(HWND bar) {
  StatusMode simple(bar, true);
  return StatusPart(bar, 0);
}

Texts HeaderItems(HWND header) {
  Texts texts;
  const auto count = static_cast<int>(Send(header, HDM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) {
    wchar_t text[kBuffer] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = kBuffer;
    Send(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts.push_back(Narrow(text));
  }
  return texts;
}

Texts TabItems(HWND tabs) {
  Texts texts;
  const auto count = static_cast<int>(Send(tabs, TCM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) {
    wchar_t text[kBuffer] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kBuffer;
    Send(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts.push_back(Narrow(text));
  }
  return texts;
}

std::string MenuItemText(HMENU menu, int position) {
  const auto at = static_cast<UINT>(position);
  return Sized([&] { return GetMenuStringW(menu, at, nullptr, 0, MF_BYPOSITION); },
               [&](wchar_t* b, int capacity) {
                 return GetMenuStringW(menu, at, b, capacity, MF_BYPOSITION);
               });
}

}  // namespace shown
