#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

namespace plat {

namespace {

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(UniqueHKey key) : key_(std::move(key)) {}

  std::optional<std::string> ReadString(std::string_view subKey, std::string_view name) override {
    UniqueHKey sub;
    if (RegOpenKeyExW(key_.Get(), Widen(subKey).c_str(), 0, KEY_QUERY_VALUE, sub.Receive()) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(sub.Get(), wideName.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::nullopt;
    }
    // The value may change between the two calls; ask again until it fits.
    std::wstring buffer;
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
      buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
      bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
      status = RegQueryValueExW(sub.Get(), wideName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored data need not end with a terminator, or may hold several.
    buffer.resize(bytes / sizeof(wchar_t));
    const std::size_t end = buffer.find(L'\0');
    if (end != std::wstring::npos) buffer.resize(end);
    return Narrow(buffer);
  }

 private:
  UniqueHKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenCurrentUserKey(std::string_view path) {
  UniqueHKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(std::move(key));
}

}  // namespace plat
