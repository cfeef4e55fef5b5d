// Taking a translated PO file's messages into a window's table, for the language the file holds.
#pragma once

#include <optional>
#include <string_view>

#include "tools/mltool/PoReader.h"
#include "tools/mltool/TranslationTable.h"

namespace mltool {

struct PoImportCounts {
  int translated = 0;
  int untranslated = 0;  // an empty translation
  int fuzzy = 0;
  int outdated = 0;  // made for a default-language text the table no longer has
};

// The table language the catalog holds: `given` (the command line's), else the header's; either
// must be a language of the table other than the default one, and they must agree. Raises
// ToolError.
int CatalogLanguage(const PoCatalog& catalog, std::optional<int> given, int languages,
                    int defaultLanguage);

// Sets `language`'s text of every entry that a message names by its context (EntryContexts): the
// translation, with the table's line breaks; an empty text where the message is untranslated,
// fuzzy or outdated, so that the default-language rule fills it. Entries without a message keep
// their texts. Raises ToolError naming the line of a message whose context names no entry, names
// one a second time, or that has plural forms.
PoImportCounts ImportCatalog(Entries& entries, const PoCatalog& catalog, int language,
                             int defaultLanguage, std::string_view className);

}  // namespace mltool
