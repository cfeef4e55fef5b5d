#include "toolkit/win32/native/TabControl.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

int TabControl::Count() const {
  return static_cast<int>(Send(TCM_GETITEMCOUNT));
}

std::string TabControl::Text(int index) const {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  return detail::ReadItemText(*this, TCM_GETITEMW, static_cast<WPARAM>(index), item);
}

std::vector<std::string> TabControl::Texts() const {
  return detail::ReadAll(Count(), [this](int i) { return Text(i); });
}

void TabControl::Insert(int index, std::string_view text) const {
  Write(TCM_INSERTITEMW, index, text);
}

void TabControl::Set(int index, std::string_view text) const {
  Write(TCM_SETITEMW, index, text);
}

void TabControl::Delete(int index) const {
  Send(TCM_DELETEITEM, static_cast<WPARAM>(index));
}

void TabControl::Clear() const {
  Send(TCM_DELETEALLITEMS);
}

int TabControl::Selection() const {
  return static_cast<int>(Send(TCM_GETCURSEL));
}

void TabControl::Select(int index) const {
  Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
}

void TabControl::Write(UINT message, int index, std::string_view text) const {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  detail::WriteItemText(*this, message, static_cast<WPARAM>(index), item, text);
}

}  // namespace tk::win32::native
