// The stored-description reader, through the translator tool's window loading (the uninstaller's
// window class, a plain form or another form class): a description either loads or is refused
// with the toolkit's error; one that loads writes a description that loads again, and writing
// that gives the same text.
//
// Input: a description.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzTarget.h"
#include "tools/mltool/WindowDescription.h"

namespace {

std::optional<std::string> LoadAndWrite(std::string_view description) {
  try {
    return mltool::LoadedWindow(description).Write();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  const std::optional<std::string> written =
      LoadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!written) return 0;
  const std::optional<std::string> again = LoadAndWrite(*written);
  fuzz::Require(again.has_value(), "a written description does not load");
  fuzz::Require(*again == *written, "writing a loaded description again changed it");
  return 0;
}
