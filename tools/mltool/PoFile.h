// A window's table as gettext's PO files, the format translators' tools read (Poedit, Weblate,
// Lokalize, msgmerge): one message per entry whose default-language text is not empty, its context
// the window's class and the entry's key, its id the default-language text, its translation the
// text of one language (empty in the template). This is the one place that knows how the tool
// lays a table out in PO; the gettext library reads the files back (PoReader.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mltool/TranslationTable.h"

namespace mltool {

// The header field naming the table's language a PO file holds (its number): translators' tools
// keep header fields they do not know, and msgmerge keeps the translation's header.
inline constexpr std::string_view kTableLanguageField = "X-Table-Language";

// One context per entry, in table order, all different: the window's class, "|" (no class or
// component name can hold it, so the class ends at the first one), then the entry's key; a
// continuation entry's key follows its component's, and a plain item's carries its number in the
// block ("ListBox1\"2"). A context that would repeat an earlier one gets "~2", "~3", ...
std::vector<std::string> EntryContexts(const Entries& entries, std::string_view className);

// Whether the entry becomes a message: it needs a default-language text, as PO has no message
// without an id but the header, and there is nothing to translate from.
bool HasMessage(const Entry& entry, int defaultLanguage);

// A table text as a PO text: the table's CR LF line breaks become PO's "\n". TableText is its
// inverse: every line feed becomes CR LF again.
std::string PoText(std::string_view tableText);
std::string TableText(std::string_view poText);

struct PoCatalogInfo {
  std::string className;        // the window's class: contexts and Project-Id-Version
  std::string descriptionName;  // the description's file name, for the references
  int defaultLanguage = 0;      // whose texts are the message ids
  std::string date;             // "YYYY-MM-DD HH:MM+0000"
  std::optional<int> language;  // the translation's language; none for the template
  std::string languageCode;     // the Language field ("pl"), when known
};

// The PO file (a template without `info.language`) of the entries.
std::string WritePoFile(const Entries& entries, const PoCatalogInfo& info);

}  // namespace mltool
