// A translation table as a list of entries, each a key and one text per language, and its two
// outside forms: the component's flat `Words` list and the translation file a translator edits
// (a header row "key", 0, 1, ..., then one row per entry).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/StringList.h"

namespace mltool {

struct Entry {
  std::string key;
  std::vector<std::string> texts;  // one per language
  int line = 0;  // the entry's row in a translation file; 0 when not read from one
};
using Entries = std::vector<Entry>;

inline constexpr std::string_view kWindowKey = "%Form%";

// A language's number as files and command lines write it: one to three digits; nothing for
// anything else.
std::optional<int> LanguageNumber(std::string_view text);

// Continuation keys begin with a double quote: items of the entry before, or its hint.
bool IsContinuationKey(std::string_view key);
bool IsHintKey(std::string_view key);

// The entries of a Words list of `languages` texts per entry. Raises ToolError when the list does
// not divide into whole entries or an entry has an empty key.
Entries EntriesOf(const tk::TStrings& words, int languages);
std::vector<std::string> WordsOf(const Entries& entries);

// The translation file of the entries: CSV that spreadsheet programs open.
std::string WriteTranslationFile(const Entries& entries, int languages);

// The entries of a translation file for a table of `languages` languages. The header must read
// "key" and the language numbers in order; a number may be followed by a blank and a label
// ("1 English"). Rows whose fields are all empty are skipped. A bare line feed inside a text
// becomes CR LF, the line break of the table. Raises ToolError naming the line at fault.
Entries ReadTranslationFile(std::string_view text, int languages);

}  // namespace mltool
