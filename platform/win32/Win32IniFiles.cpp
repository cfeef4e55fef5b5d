#include "platform/win32/Win32IniFiles.h"

#include <windows.h>

#include "platform/win32/Utf16.h"

namespace plat {

namespace {

class Win32IniFile : public IniFile {
 public:
  explicit Win32IniFile(std::string_view path) : path_(Widen(path)) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideFallback = Widen(fallback);
    std::wstring buffer(2048, L'\0');
    for (;;) {
      const DWORD length =
          GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideFallback.c_str(),
                                   buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
      // A value that fills the buffer may have been cut.
      if (length + 1 < buffer.size()) {
        buffer.resize(length);
        return Narrow(buffer);
      }
      buffer.resize(buffer.size() * 2);
    }
  }

 private:
  std::wstring path_;
};

}  // namespace

std::unique_ptr<IniFile> Win32IniFiles::Open(std::string_view path) {
  return std::make_unique<Win32IniFile>(path);
}

}  // namespace plat
