// Taking the translation table from a string library: after its window has loaded, a component
// looks for the block that belongs to the window (by class or component name) and, when there is
// one, makes it the table of a single language.
#include <memory>

#include "base/Ascii.h"
#include "base/Errors.h"
#include "multilang/MLBase.h"
#include "multilang/Messages.h"
#include "platform/FileSystem.h"
#include "platform/StringLibrary.h"

namespace ml {

namespace {

// Block headers sit at 1000, 1100, 1200...
constexpr std::uint32_t kFirstHeaderId = 1000;
constexpr std::uint32_t kHeaderStep = 100;

// Everything after the last "\" or ":".
std::string_view FileNamePart(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\:");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// "%" names a window class, "$" a window's component name; a path may stand before the name.
bool HeaderMatches(std::string_view header, const tk::TComponent& window) {
  if (header.empty()) return false;
  std::string_view wanted;
  if (header.front() == '%') {
    wanted = window.ClassName();
  } else if (header.front() == '$') {
    wanted = window.Name();
  } else {
    return false;
  }
  return base::SameTextAscii(FileNamePart(header.substr(1)), wanted);
}

}  // namespace

void TBaseMultiLang::UseStringLibrary() {
  const std::string file = StringLibraryFile();
  if (file.empty()) return;
  plat::FileSystem* files = LibraryServices().files;
  if (files != nullptr && plat::FileExists(*files, file)) {
    LoadFromStringLibrary();
  } else {
    // Later components look for the bare file name, in the current directory.
    SetStringLibraryFile(std::string(FileNamePart(file)));
  }
}

void TBaseMultiLang::LoadFromStringLibrary() {
  const std::string path = StringLibraryFile();
  plat::StringLibraries* libraries = LibraryServices().libraries;
  const std::unique_ptr<plat::StringLibrary> library =
      libraries != nullptr ? libraries->Load(path) : nullptr;
  if (!library) throw base::Exception(messages::kCannotLoadStringLibrary + ("\"" + path + "\"."));

  const tk::TComponent* window = Owner();
  std::uint32_t header = kFirstHeaderId;
  for (;; header += kHeaderStep) {
    const plat::LibraryString s = library->ReadString(header);
    // The search has no bound of its own: the first id without a block ends it.
    if (s.error != plat::err::kSuccess) return;
    if (s.length > 2 && window != nullptr && HeaderMatches(s.text, *window)) break;
  }

  defaultLanguage_ = 0;
  activeLanguage_ = 0;
  languages_ = 1;
  words_->Clear();
  // Alternately a key and its text; the body ends where a key is missing or empty.
  for (std::uint32_t id = header + 1;; ++id) {
    plat::LibraryString s = library->ReadString(id);
    if (s.length < 0 || (s.length == 0 && words_->Count() % 2 == 0)) break;
    words_->Add(s.text);
  }
  SwitchLanguage(0);
}

}  // namespace ml
