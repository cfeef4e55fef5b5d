// The translator file reader and merge, on the uninstaller's own window: a file that merge takes
// gives a description that loads again, whose extract merge takes in turn (extract and merge
// agree), keeping the merged table's entries in their order; merging that extract and extracting
// again gives the same file.
//
// Input: a translation file (CSV).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/KeepsEntries.h"
#include "tools/mltool/Extract.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

extern const char kUninst1Form[];

namespace {

using mltool::Entries;

// Merges entries that merge took into a description it wrote, which must load, as must the result.
std::string Merge(const std::string& description, const Entries& entries) {
  try {
    const mltool::LoadedWindow window(description);
    window.Localizer().Words().Assign(mltool::WordsOf(entries));
    const std::string merged = window.Write();
    const mltool::LoadedWindow reloaded(merged);
    return merged;
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("merge took the file but wrote no loadable window: ") + e.what());
  }
}

// The translation file that extract makes of the description, which merge must take.
Entries Extract(const std::string& description, std::string* file) {
  try {
    const mltool::LoadedWindow window(description);
    ml::TBaseMultiLang& localizer = window.Localizer();
    *file = mltool::WriteTranslationFile(mltool::ExtractEntries(localizer, true).entries,
                                         localizer.Languages());
    return mltool::ReadTranslationFile(*file, localizer.Languages());
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("extract and merge disagree: ") + e.what());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  const std::string_view csv(reinterpret_cast<const char*>(data), size);
  Entries entries;
  try {
    entries = mltool::ReadTranslationFile(csv, 3);
  } catch (const mltool::ToolError&) {
    return 0;  // refused with its line
  }
  const std::string merged = Merge(kUninst1Form, entries);
  std::string file;
  const Entries extracted = Extract(merged, &file);
  fuzz::Require(fuzz::KeepsEntries(extracted, entries),
                "extract lost or reordered the merged entries");

  std::string again;
  Extract(Merge(merged, extracted), &again);
  fuzz::Require(again == file, "merging an extract and extracting again changed the file");
  return 0;
}
