// The file system and the string libraries of the system the program runs on, for code that
// finds them without being handed them (the localization component's string libraries). The
// build chooses: the Win32 platform library provides them in the Windows build; a build without
// it (the headless build off Windows) has none, and both answer null.
#pragma once

namespace plat {

class FileSystem;
class StringLibraries;

FileSystem* SystemFileSystem();
StringLibraries* SystemStringLibraries();

}  // namespace plat
