// Header controls: one item per section, with a text, a width and an alignment.
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

struct HeaderItem {
  std::string text;
  int width;
  int format;  // HDF_LEFT, HDF_RIGHT or HDF_CENTER
};

class Header : public Window {
 public:
  using Window::Window;

  int Count() const;
  std::string Text(int index) const;
  int Width(int index) const;
  std::vector<std::string> Texts() const;
  void Insert(int index, const HeaderItem& item) const;
  void Set(int index, const HeaderItem& item) const;
  void Delete(int index) const;

 private:
  void Write(UINT message, int index, const HeaderItem& item) const;
};

}  // namespace tk::win32::native
