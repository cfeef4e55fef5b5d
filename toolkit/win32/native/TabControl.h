// Tab controls: one tab per text, and the selected tab.
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

class TabControl : public Window {
 public:
  using Window::Window;

  int Count() const;
  std::string Text(int index) const;
  std::vector<std::string> Texts() const;
  void Insert(int index, std::string_view text) const;
  void Set(int index, std::string_view text) const;
  void Delete(int index) const;
  void Clear() const;
  // The selected tab, -1 for none.
  int Selection() const;
  void Select(int index) const;

 private:
  void Write(UINT message, int index, std::string_view text) const;
};

}  // namespace tk::win32::native
