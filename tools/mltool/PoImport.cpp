#include "tools/mltool/PoImport.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "tools/mltool/PoFile.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

int CatalogLanguage(const PoCatalog& catalog, std::optional<int> given, int languages,
                    int defaultLanguage) {
  std::optional<int> language = given;
  if (catalog.tableLanguage) {
    const std::optional<int> stated = LanguageNumber(*catalog.tableLanguage);
    if (!stated) {
      throw ToolError("the header's " + std::string(kTableLanguageField) + " is \"" +
                      *catalog.tableLanguage + "\", not a language number");
    }
    if (given && *given != *stated) {
      throw ToolError("the file holds language " + std::to_string(*stated) + ", not " +
                      std::to_string(*given));
    }
    language = stated;
  }
  if (!language) {
    throw ToolError(
        "the file does not say which language of the table it holds (its header has "
        "no " +
        std::string(kTableLanguageField) + "); name it with --language");
  }
  if (*language >= languages) {
    throw ToolError("the window's table has " + std::to_string(languages) +
                    " languages, no language " + std::to_string(*language));
  }
  if (*language == defaultLanguage) {
    throw ToolError("language " + std::to_string(*language) +
                    " is the table's default language, whose texts are the message ids; change "
                    "them in the description or through merge");
  }
  return *language;
}

PoImportCounts ImportCatalog(Entries& entries, const PoCatalog& catalog, int language,
                             int defaultLanguage, std::string_view className) {
  const std::vector<std::string> contexts = EntryContexts(entries, className);
  std::map<std::string, std::size_t> entryOf;
  for (std::size_t i = 0; i < contexts.size(); ++i) entryOf.emplace(contexts[i], i);
  std::vector<bool> taken(entries.size(), false);
  const auto column = [](int l) { return static_cast<std::size_t>(l); };

  PoImportCounts counts;
  for (const PoMessage& message : catalog.messages) {
    if (message.plural)
      throw ToolError("the message has plural forms; no text of the table has", message.line);
    if (!message.context) {
      throw ToolError(
          "the message has no context; the tool's contexts name the window's class and "
          "an entry's key",
          message.line);
    }
    const auto found = entryOf.find(*message.context);
    const std::string prefix = std::string(className) + "|";
    if (found == entryOf.end() && message.context->rfind(prefix, 0) != 0) {
      throw ToolError("the message is for another window: its context \"" + *message.context +
                          "\" does not begin with the window's class, " + prefix,
                      message.line);
    }
    if (found == entryOf.end()) {
      throw ToolError("no entry of the window's table has the context \"" + *message.context +
                          "\" (msgmerge with a template of the description as it is brings the "
                          "file up to date)",
                      message.line);
    }
    if (taken[found->second]) {
      throw ToolError("a second message for the context \"" + *message.context + "\"",
                      message.line);
    }
    taken[found->second] = true;
    Entry& entry = entries[found->second];
    std::string& text = entry.texts[column(language)];
    if (message.translation.empty()) {
      ++counts.untranslated;
      text.clear();
    } else if (message.fuzzy) {
      ++counts.fuzzy;
      text.clear();
    } else if (message.id != PoText(entry.texts[column(defaultLanguage)])) {
      ++counts.outdated;
      text.clear();
    } else {
      ++counts.translated;
      text = TableText(message.translation);
    }
  }
  return counts;
}

}  // namespace mltool
