// Making a translation file of a window: its current texts, collected the way the localization
// component reads them back into an editing grid, lined up with the table the component holds.
#pragma once

#include <string>
#include <vector>

#include "multilang/MLBase.h"
#include "tools/mltool/TranslationTable.h"

namespace mltool {

// The rows one component (or the window) gave, in grid order: the first keyed with its name (the
// window's with "%Form%"), the others with continuation keys.
struct CollectedBlock {
  std::string name;  // the component's Name
  bool isWindow = false;
  struct Row {
    std::string key;
    std::string text;  // in the component's active language
  };
  std::vector<Row> rows;
};

// Collects the texts of the component's window into an editing grid: the window first, then each
// component it owns, in owner order. Components without texts or without a name give no block.
std::vector<CollectedBlock> CollectWindowTexts(ml::TBaseMultiLang& localizer);

struct Extraction {
  Entries entries;
  // Components with texts that the table has no entry for and that were left out.
  std::vector<std::string> leftOut;
};

// The entries of the translation file. The table decides: all its entries, in its order, with
// their texts in every language, so that a file merged back unchanged gives the same table. The
// collected texts add what the table lacks: rows of a component beyond the rows its block holds
// (new list items, a hint), and with `addNew` the blocks of components the table has no entry
// for, after the table's entries. Added rows carry the collected text in `activeLanguage` and
// empty texts in the other languages.
Extraction LineUp(const Entries& table, const std::vector<CollectedBlock>& collected, int languages,
                  int activeLanguage, bool addNew);

// The translation file's entries for the component's table and window, as extract writes them.
// Raises ToolError when the table does not divide into whole entries.
Extraction ExtractEntries(ml::TBaseMultiLang& localizer, bool addNew);

}  // namespace mltool
