#include "multilang/UnitState.h"

#include <algorithm>
#include <utility>

#include "platform/SystemServices.h"

namespace ml {

namespace {

struct UnitState {
  std::vector<TBaseMultiLang*> components;
  std::uint8_t startLanguage = 0;
  std::string stringLibraryFile;
  StringLibraryServices libraryServices = DefaultLibraryServices();
};

UnitState& State() {
  static UnitState state;
  return state;
}

}  // namespace

const std::vector<TBaseMultiLang*>& LiveComponents() {
  return State().components;
}

std::uint8_t StartLanguage() {
  return State().startLanguage;
}
void SetStartLanguage(std::uint8_t language) {
  State().startLanguage = language;
}

const std::string& StringLibraryFile() {
  return State().stringLibraryFile;
}
void SetStringLibraryFile(std::string path) {
  State().stringLibraryFile = std::move(path);
}

const StringLibraryServices& LibraryServices() {
  return State().libraryServices;
}
void SetLibraryServices(StringLibraryServices services) {
  State().libraryServices = services;
}
StringLibraryServices DefaultLibraryServices() {
  return {plat::SystemFileSystem(), plat::SystemStringLibraries()};
}

namespace detail {

void RegisterComponent(TBaseMultiLang* component) {
  State().components.push_back(component);
}

void UnregisterComponent(TBaseMultiLang* component) {
  auto& list = State().components;
  auto it = std::find(list.begin(), list.end(), component);
  if (it != list.end()) list.erase(it);
}

}  // namespace detail

}  // namespace ml
