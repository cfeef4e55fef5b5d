// The stored-description reader, through the translator tool's window loading (a registered form
// class, or a stand-in for a class it does not know, such as the uninstaller's): a description
// either loads or is refused with the toolkit's error. One that loads writes a description that loads again, and writing
// that gives the same text; and what extract writes of its table, merge takes.
//
// Input: a description.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/KeepsEntries.h"
#include "tools/mltool/Extract.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace {

std::string Write(const mltool::LoadedWindow& window) {
  try {
    return window.Write();
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("a loaded window does not write: ") + e.what());
  }
}

// Merge reads a bare line feed as the table's CR LF.
bool HasBareLineFeed(const tk::TStrings& words) {
  for (const std::string& line : words.Items()) {
    for (std::size_t i = line.find('\n'); i != std::string::npos; i = line.find('\n', i + 1)) {
      if (i == 0 || line[i - 1] != '\r') return true;
    }
  }
  return false;
}

// Extract may refuse a window (no component, a table of broken entries); what it writes, merge
// must take, keeping the table's entries.
void CheckExtractMerges(const mltool::LoadedWindow& window, bool addNew) {
  std::string file;
  int languages = 0;
  mltool::Entries table;
  bool plainTexts = false;
  try {
    ml::TBaseMultiLang& localizer = window.Localizer();
    languages = localizer.Languages();
    table = mltool::EntriesOf(localizer.Words(), languages);
    plainTexts = !HasBareLineFeed(localizer.Words());
    file =
        mltool::WriteTranslationFile(mltool::ExtractEntries(localizer, addNew).entries, languages);
  } catch (const std::exception&) {
    return;
  }
  mltool::Entries merged;
  try {
    merged = mltool::ReadTranslationFile(file, languages);
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("merge refuses what extract wrote: ") + e.what());
  }
  fuzz::Require(!plainTexts || fuzz::KeepsEntries(merged, table),
                "extract and merge lost table entries");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  std::optional<mltool::LoadedWindow> window;
  try {
    window.emplace(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const std::exception&) {
    return 0;  // refused
  }
  const std::string written = Write(*window);
  CheckExtractMerges(*window, false);
  CheckExtractMerges(*window, true);

  std::optional<mltool::LoadedWindow> again;
  try {
    again.emplace(written);
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("a written description does not load: ") + e.what());
  }
  fuzz::Require(Write(*again) == written, "writing a loaded description again changed it");
  return 0;
}
