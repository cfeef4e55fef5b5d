// The Windows build's system services: the process-wide Win32 ones.
#include "platform/SystemServices.h"

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32StringLibraries.h"

namespace plat {

FileSystem* SystemFileSystem() {
  return &Win32Platform().fs;
}

StringLibraries* SystemStringLibraries() {
  static Win32StringLibraries libraries;
  return &libraries;
}

}  // namespace plat
