// Status bars: parts with a text each, or in simple mode one simple text.
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

class StatusBar : public Window {
 public:
  using Window::Window;

  int PartCount() const;
  // The right edge of each part; -1 for a part that reaches the bar's right edge.
  std::vector<int> PartEdges() const;
  void SetParts(const std::vector<int>& edges) const;

  // A part's text as the bar holds it: a tab before it centres it, two put it on the right. In
  // simple mode part 0 answers the simple text.
  std::string PartText(int part) const;
  std::vector<std::string> PartTexts() const;
  int PartTextLength(int part) const;
  void SetPartText(int part, std::string_view text) const;
  void SetSimpleText(std::string_view text) const;

  bool Simple() const;
  void SetSimple(bool simple) const;
  // Answers the colour before; CLR_DEFAULT is the system's.
  COLORREF SetBackground(COLORREF color) const;
};

}  // namespace tk::win32::native
