// Texts that controls copy into a buffer of the caller's, read whole and handed out as UTF-8.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/Utf16.h"

namespace tk::win32::native::detail {

// For controls that tell a text's length first: `fill(buffer, capacity)` copies into a buffer of
// `length + 1` characters, the terminating zero included, and answers how many it copied.
template <class Fill>
std::wstring ReadOfLengthW(long long length, Fill fill) {
  if (length <= 0) return {};
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = static_cast<long long>(fill(buffer.data(), static_cast<int>(length + 1)));
  buffer.resize(static_cast<std::size_t>(std::clamp(copied, 0LL, length)));
  return buffer;
}

template <class Fill>
std::string ReadOfLength(long long length, Fill fill) {
  return plat::Narrow(ReadOfLengthW(length, fill));
}

// For controls that do not tell the length (item texts of the common controls): the buffer
// grows while the text fills it. `fill(buffer, capacity)` copies at most `capacity - 1`
// characters and the terminating zero.
template <class Fill>
std::string ReadGrowing(Fill fill) {
  constexpr int kFirst = 256;
  constexpr int kMost = 1 << 20;
  for (int capacity = kFirst;; capacity *= 2) {
    std::wstring buffer(static_cast<std::size_t>(capacity), L'\0');
    fill(buffer.data(), capacity);
    const std::size_t length = wcsnlen(buffer.data(), buffer.size());
    if (length + 1 < buffer.size() || capacity >= kMost) {
      // Parenthesized: a program may include this without NOMINMAX, with the min macro.
      buffer.resize((std::min)(length, buffer.size() - 1));
      return plat::Narrow(buffer);
    }
  }
}

// An item's text through the common controls' item structures (LVITEMW, TVITEMW, HDITEMW...),
// whose pszText and cchTextMax name the buffer: `item` comes with the rest filled in.
template <class Item, class Sender>
std::string ReadItemText(const Sender& window, UINT message, WPARAM wParam, Item item) {
  return ReadGrowing([&](wchar_t* buffer, int capacity) {
    item.pszText = buffer;
    item.cchTextMax = capacity;
    window.Send(message, wParam, &item);
  });
}

// Sends `item` with `text` as its text, and answers the control's answer.
template <class Item, class Sender>
LRESULT WriteItemText(const Sender& window, UINT message, WPARAM wParam, Item item,
                      std::string_view text) {
  std::wstring wide = plat::Widen(text);
  item.pszText = wide.data();
  return window.Send(message, wParam, &item);
}

// The texts of items 0 to count - 1.
template <class ItemText>
std::vector<std::string> ReadAll(int count, ItemText itemText) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>((std::max)(count, 0)));
  for (int i = 0; i < count; ++i) texts.push_back(itemText(i));
  return texts;
}

}  // namespace tk::win32::native::detail
