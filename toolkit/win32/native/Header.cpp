#include "toolkit/win32/native/Header.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

int Header::Count() const {
  return static_cast<int>(Send(HDM_GETITEMCOUNT));
}

std::string Header::Text(int index) const {
  HDITEMW item{};
  item.mask = HDI_TEXT;
  return detail::ReadItemText(*this, HDM_GETITEMW, static_cast<WPARAM>(index), item);
}

int Header::Width(int index) const {
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  Send(HDM_GETITEMW, static_cast<WPARAM>(index), &item);
  return item.cxy;
}

std::vector<std::string> Header::Texts() const {
  return detail::ReadAll(Count(), [this](int i) { return Text(i); });
}

void Header::Insert(int index, const HeaderItem& item) const {
  Write(HDM_INSERTITEMW, index, item);
}

void Header::Set(int index, const HeaderItem& item) const {
  Write(HDM_SETITEMW, index, item);
}

void Header::Delete(int index) const {
  Send(HDM_DELETEITEM, static_cast<WPARAM>(index));
}

void Header::Write(UINT message, int index, const HeaderItem& item) const {
  HDITEMW native{};
  native.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  native.cxy = item.width;
  native.fmt = HDF_STRING | item.format;
  detail::WriteItemText(*this, message, static_cast<WPARAM>(index), native, item.text);
}

}  // namespace tk::win32::native
