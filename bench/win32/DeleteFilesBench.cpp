// Times the uninstaller's recursive delete against Windows' own "rd /s /q" on identical trees,
// in one process so both pay the same for the running Wine session.
//
//   deletefiles_bench <tree-for-DeleteFiles> <tree-for-rd>
// prints "deletefiles_ms<TAB>n" and "rd_ms<TAB>n".
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/util/FileOps.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Platform.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double TimeRd(const std::wstring& dir) {
  std::wstring cmd = L"cmd.exe /c rd /s /q \"" + dir + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double start = Now();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &si, &pi)) {
    return -1;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  const double elapsed = Now() - start;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: deletefiles_bench <tree-for-DeleteFiles> <tree-for-rd>\n");
    return 2;
  }
  plat::Platform& platform = plat::Win32Platform();
  const std::string mine = plat::Narrow(argv[1]);

  const double start = Now();
  app::DeleteFiles(platform.fs, mine + "\\", "*.*", true);
  platform.fs.RemoveDir(mine);
  const double deleteFilesMs = Now() - start;
  const double rdMs = TimeRd(argv[2]);

  const bool gone = GetFileAttributesW(argv[1]) == INVALID_FILE_ATTRIBUTES &&
                    GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES;
  std::printf("deletefiles_ms\t%.1f\nrd_ms\t%.1f\nall_removed\t%d\n", deleteFilesMs, rdMs,
              gone ? 1 : 0);
  return gone ? 0 : 1;
}
