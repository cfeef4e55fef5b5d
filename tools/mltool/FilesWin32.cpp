#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "tools/mltool/Files.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

namespace {

plat::UniqueFileHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
  return plat::UniqueFileHandle(CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr,
                                            disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(std::string_view path) {
  const plat::UniqueFileHandle file = OpenFile(plat::Widen(path), GENERIC_READ, OPEN_EXISTING);
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(buffer, read);
  }
}

void WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::wstring target = plat::Widen(path);
  const std::wstring temporary = target + L".mltool-new";
  const std::string shown = std::string(path) + ".mltool-new";
  {
    plat::UniqueFileHandle file = OpenFile(temporary, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) throw ToolError("cannot write " + shown);
    if (!WriteAll(file.Get(), bytes)) {
      file.Reset();
      DeleteFileW(temporary.c_str());
      throw ToolError("cannot write " + shown);
    }
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    throw ToolError("cannot replace " + std::string(path));
  }
}

}  // namespace mltool
