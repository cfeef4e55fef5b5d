#include "toolkit/win32/Resources.h"

#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

std::optional<std::string> LoadTextResource(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::wstring wide = Widen(name);
  HRSRC info = FindResourceW(nullptr, wide.c_str(), RT_RCDATA);
  if (info == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(nullptr, info);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  return DecodeText(
      std::string_view(static_cast<const char*>(data), SizeofResource(nullptr, info)));
}

std::string DecodeText(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto low = static_cast<unsigned char>(bytes[2 + 2 * i]);
      const auto high = static_cast<unsigned char>(bytes[3 + 2 * i]);
      text[i] = static_cast<wchar_t>(low | (high << 8));
    }
    return Narrow(text);
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return std::string(bytes);
}

plat::UniqueBitmap LoadBitmapResource(std::string_view name) {
  if (name.empty()) return plat::UniqueBitmap();
  const std::wstring wide = Widen(name);
  return plat::UniqueBitmap(static_cast<HBITMAP>(LoadImageW(
      GetModuleHandleW(nullptr), wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

HICON LoadApplicationIcon(int size) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace tk::win32
