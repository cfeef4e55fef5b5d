// The PO reader (gettext's library) and po-import, on the uninstaller's window: what po-import
// takes gives a description that loads again, and po-export writes it back so that po-import takes
// it to the same table (the tool's writer and the library's reader agree on every text).
//
// Input: a PO file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzTarget.h"
#include "tools/mltool/PoFile.h"
#include "tools/mltool/PoImport.h"
#include "tools/mltool/PoReader.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

extern const char kUninst1Form[];

// gettext's library (0.21) does not free some of what its parser allocates; it is no target here.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libgettextpo.so\n";
}

namespace {

using mltool::Entries;

// The library reads files only: one for the run, removed when it ends.
struct ScratchFile {
  ScratchFile()
      : path((std::filesystem::temp_directory_path() /
              ("po_fuzzer-" + std::to_string(getpid()) + ".po"))
                 .string()) {}
  ~ScratchFile() { std::remove(path.c_str()); }
  const std::string path;
};

const std::string& Scratch() {
  static const ScratchFile file;
  return file.path;
}

struct Imported {
  Entries entries;
  int language = 0;
};

// po-import of `po` into `table`; a file without a language holds language 2.
std::optional<Imported> Import(std::string_view po, const Entries& table) {
  std::ofstream(Scratch(), std::ios::binary | std::ios::trunc) << po;
  try {
    const mltool::PoCatalog catalog = mltool::ReadPoFile(Scratch(), po);
    Imported imported{table, 0};
    const std::optional<int> given = catalog.tableLanguage ? std::nullopt : std::optional<int>(2);
    imported.language = mltool::CatalogLanguage(catalog, given, 3, 0);
    mltool::ImportCatalog(imported.entries, catalog, imported.language, 0, "TForm1");
    return imported;
  } catch (const mltool::ToolError&) {
    return std::nullopt;  // refused with its line
  }
}

bool SameTexts(const Entries& a, const Entries& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].key != b[i].key || a[i].texts != b[i].texts) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  const std::string_view po(reinterpret_cast<const char*>(data), size);
  const mltool::LoadedWindow window(kUninst1Form);
  const Entries table = mltool::EntriesOf(window.Localizer().Words(), 3);
  const std::optional<Imported> first = Import(po, table);
  if (!first) return 0;

  try {
    window.Localizer().Words().Assign(mltool::WordsOf(first->entries));
    const mltool::LoadedWindow reloaded(window.Write());
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("po-import took the file but wrote no loadable window: ") + e.what());
  }

  mltool::PoCatalogInfo info;
  info.className = "TForm1";
  info.descriptionName = "uninst1.form";
  info.date = "2026-01-01 00:00+0000";
  info.language = first->language;
  const std::optional<Imported> second =
      Import(mltool::WritePoFile(first->entries, info), first->entries);
  fuzz::Require(second.has_value(), "po-import refused what po-export wrote");
  fuzz::Require(SameTexts(second->entries, first->entries),
                "po-export and po-import again changed the table");
  return 0;
}
