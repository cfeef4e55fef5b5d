#include "platform/win32/Win32Platform.h"

#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFiles.h"
#include "platform/win32/Win32KnownFolders.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32WindowList.h"

namespace plat {

Platform& Win32Platform() {
  static Win32FileSystem fs;
  static Win32Environment env;
  static Win32IniFiles ini;
  static Win32Registry registry;
  static Win32WindowList windows;
  static Win32KnownFolders folders;
  static Win32Clock clock;
  static Platform platform{fs, env, ini, registry, windows, folders, clock};
  return platform;
}

}  // namespace plat
