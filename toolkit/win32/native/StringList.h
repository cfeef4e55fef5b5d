// List boxes and combo boxes: a list of strings with a current selection. The two controls answer
// the same requests under their own message numbers; one table per control names them.
#pragma once

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

struct StringListMessages {
  UINT count, textLength, text, insert, remove, reset, selection, select, itemHeight;
};

class StringList : public Window {
 public:
  int Count() const;
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void Insert(int index, std::string_view text) const;
  void Delete(int index) const;
  void Clear() const;
  // The selected item, -1 for none.
  int Selection() const;
  void Select(int index) const;
  // The height of an item (of a combo box's dropped-down list).
  int ItemHeight() const;

 protected:
  StringList(HWND hwnd, const StringListMessages& messages) noexcept
      : Window(hwnd), messages_(&messages) {}
  StringList(HWND hwnd, TimeLimit limit, const StringListMessages& messages) noexcept
      : Window(hwnd, limit), messages_(&messages) {}

 private:
  const StringListMessages* messages_;
};

class ListBox : public StringList {
 public:
  explicit ListBox(HWND hwnd) noexcept;
  ListBox(HWND hwnd, TimeLimit limit) noexcept;
  void SetItemHeight(int height) const;
};

class ComboBox : public StringList {
 public:
  explicit ComboBox(HWND hwnd) noexcept;
  ComboBox(HWND hwnd, TimeLimit limit) noexcept;
};

// Extended combo boxes answer the plain combo box's messages for their count, selection and
// deletion; items go in and out through messages of their own.
class ComboBoxEx : public Window {
 public:
  using Window::Window;
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void Insert(int index, std::string_view text) const;
  // The edit, null for a drop-down list; the combo box inside, which shows a drop-down list's text.
  HWND EditControl() const;
  HWND ComboControl() const;
};

}  // namespace tk::win32::native
