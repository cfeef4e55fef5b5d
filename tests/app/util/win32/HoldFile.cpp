// Test helper: holds a file open, as another program would, until the release event is set (or a
// minute passes, or the process is killed). Without delete sharing unless "share-delete" follows:
// then deleting the file succeeds, and it stays pending until this process lets go.
// Usage: zova_hold_file <file> <ready event> <release event> [share-delete]
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/win32/UniqueHandle.h"

int main() {
  int argc = 0;
  const plat::UniqueArgumentList arguments(CommandLineToArgvW(GetCommandLineW(), &argc));
  wchar_t** argv = arguments.Get();
  if (!argv || argc < 4 || argc > 5) return 2;
  DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (argc == 5) {
    if (lstrcmpW(argv[4], L"share-delete") != 0) return 2;
    sharing |= FILE_SHARE_DELETE;
  }
  plat::UniqueFileHandle file(CreateFileW(argv[1], GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 3;
  plat::UniqueKernelHandle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]));
  plat::UniqueKernelHandle release(OpenEventW(SYNCHRONIZE, FALSE, argv[3]));
  if (!ready || !release) return 4;
  SetEvent(ready.Get());
  WaitForSingleObject(release.Get(), 60000);
  return 0;
}
