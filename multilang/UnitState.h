// Process-wide state of the localization unit: the live components and the two settings that an
// application sets before it creates its windows. Not guarded: the GUI thread alone uses it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

namespace detail {
void RegisterComponent(TBaseMultiLang* component);
void UnregisterComponent(TBaseMultiLang* component);
}  // namespace detail

}  // namespace ml
