#include "toolkit/win32/native/StatusBar.h"

// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

int StatusBar::PartCount() const {
  return static_cast<int>(Send(SB_GETPARTS));
}

std::vector<int> StatusBar::PartEdges() const {
  std::vector<int> edges(static_cast<std::size_t>(std::max(PartCount(), 0)));
  Send(SB_GETPARTS, edges.size(), edges.data());
  return edges;
}

void StatusBar::SetParts(const std::vector<int>& edges) const {
  Send(SB_SETPARTS, edges.size(), edges.data());
}

// Both answers carry the length in the low word, the drawing type in the high word.
int StatusBar::PartTextLength(int part) const {
  return LOWORD(Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(part)));
}

std::string StatusBar::PartText(int part) const {
  return detail::ReadOfLength(PartTextLength(part), [&](wchar_t* buffer, int) {
    return LOWORD(Send(SB_GETTEXTW, static_cast<WPARAM>(part), buffer));
  });
}

std::vector<std::string> StatusBar::PartTexts() const {
  return detail::ReadAll(PartCount(), [this](int i) { return PartText(i); });
}

void StatusBar::SetPartText(int part, std::string_view text) const {
  Send(SB_SETTEXTW, static_cast<WPARAM>(part), plat::Widen(text).c_str());
}

void StatusBar::SetSimpleText(std::string_view text) const {
  SetPartText(SB_SIMPLEID, text);
}

bool StatusBar::Simple() const {
  return Send(SB_ISSIMPLE) != 0;
}

void StatusBar::SetSimple(bool simple) const {
  Send(SB_SIMPLE, simple ? TRUE : FALSE);
}

COLORREF StatusBar::SetBackground(COLORREF color) const {
  return static_cast<COLORREF>(Send(SB_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
}

}  // namespace tk::win32::native
