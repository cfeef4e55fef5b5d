#include "toolkit/win32/native/SimpleControls.h"

// The common controls need the base declarations first.
#include <commctrl.h>

namespace tk::win32::native {

bool Button::Checked() const {
  return Send(BM_GETCHECK) == BST_CHECKED;
}

void Button::SetChecked(bool checked) const {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Button::Click() const {
  Send(BM_CLICK);
}

bool Edit::ReadOnly() const {
  return (Style() & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) const {
  Send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

int Edit::Limit() const {
  return static_cast<int>(Send(EM_GETLIMITTEXT));
}

void Edit::SetLimit(int characters) const {
  Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters));
}

HBITMAP StaticImage::Bitmap() const {
  return reinterpret_cast<HBITMAP>(Send(STM_GETIMAGE, IMAGE_BITMAP));
}

void StaticImage::SetBitmap(HBITMAP bitmap) const {
  Send(STM_SETIMAGE, IMAGE_BITMAP, bitmap);
}

void StaticImage::SetIcon(HICON icon) const {
  Send(STM_SETICON, reinterpret_cast<WPARAM>(icon));
}

void Animation::Open(HMODULE module, int resource) const {
  Send(ACM_OPENW, reinterpret_cast<WPARAM>(module), MAKEINTRESOURCEW(resource));
}

void Animation::Close() const {
  Send(ACM_OPENW, 0, 0);
}

bool Animation::Play(int repetitions, int from, int to) const {
  return Send(ACM_PLAY, static_cast<WPARAM>(repetitions), MAKELPARAM(from, to)) != 0;
}

bool Animation::Stop() const {
  return Send(ACM_STOP) != 0;
}

}  // namespace tk::win32::native
