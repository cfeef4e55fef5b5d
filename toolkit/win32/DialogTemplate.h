// An in-memory dialog template without controls: the dialog lays out its own controls when it
// starts, measured in pixels with the dialog's font.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace tk::win32 {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, std::wstring_view caption, WORD fontPoints,
                 std::wstring_view fontName);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Add(WORD w) { words_.push_back(w); }
  void Add(std::wstring_view text);

  // WORD-sized entries; the vector's storage is aligned well enough for the DWORD fields.
  std::vector<WORD> words_;
};

}  // namespace tk::win32
