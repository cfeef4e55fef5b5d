// Process-wide state of the localization unit: the live components and the two settings that an
// application sets before it creates its windows. Not guarded: the GUI thread alone uses it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plat {
class FileSystem;
class StringLibraries;
}  // namespace plat

namespace ml {

class TBaseMultiLang;

// Every live localization component, in order of creation.
const std::vector<TBaseMultiLang*>& LiveComponents();

// The language every component switches to when its window has been loaded.
std::uint8_t StartLanguage();
void SetStartLanguage(std::uint8_t language);

// The string library from which components take their tables after loading (empty: none).
const std::string& StringLibraryFile();
void SetStringLibraryFile(std::string path);

// How components reach string libraries: the test whether the named file exists, and the loader.
// Null stands for none available: no file is found and no library loads.
struct StringLibraryServices {
  plat::FileSystem* files = nullptr;
  plat::StringLibraries* libraries = nullptr;
};
const StringLibraryServices& LibraryServices();
// Puts other services in place of the defaults (tests do, on fakes).
void SetLibraryServices(StringLibraryServices services);
// The services components use until others are set: the system's own, so an application needs
// to set nothing (the real file system and resource libraries in the Windows build; none in the
// headless build off Windows).
StringLibraryServices DefaultLibraryServices();

namespace detail {
void RegisterComponent(TBaseMultiLang* component);
void UnregisterComponent(TBaseMultiLang* component);
}  // namespace detail

}  // namespace ml
