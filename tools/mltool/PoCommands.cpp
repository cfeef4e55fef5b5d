#include "tools/mltool/PoCommands.h"

#include <ctime>
#include <utility>

#include "tools/mltool/Files.h"
#include "tools/mltool/PoFile.h"
#include "tools/mltool/PoImport.h"
#include "tools/mltool/PoReader.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace mltool {

namespace {

// The language codes of --languages ("de,en,pl"), one for each language of the table.
std::vector<std::string> LanguageCodes(const std::optional<std::string>& list, int languages) {
  std::vector<std::string> codes(static_cast<std::size_t>(languages));
  if (!list) return codes;
  std::vector<std::string> given{""};
  for (const char c : *list) {
    if (c == ',') {
      given.emplace_back();
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '@') {
      given.back() += c;
    } else {
      throw UsageError("--languages takes codes such as de,en,pl, not " + *list);
    }
  }
  if (given.size() != codes.size()) {
    throw UsageError("--languages names " + std::to_string(given.size()) +
                     " languages; the window's table has " + std::to_string(languages));
  }
  // Each names a file: a code twice would write one language over another.
  for (std::size_t i = 0; i < given.size(); ++i) {
    for (std::size_t j = i + 1; j < given.size(); ++j) {
      if (!given[i].empty() && given[i] == given[j]) {
        throw UsageError("--languages names " + given[i] + " twice");
      }
    }
  }
  return given;
}

std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M+0000", std::gmtime(&now));
  return text;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int PoExport(const Arguments& args, Stage& stage, Output& output) {
  if (args.positional.size() != 2) {
    throw UsageError("po-export takes a window description and a directory");
  }
  const std::string& formPath = args.positional[0];
  const std::string& dir = args.positional[1];
  stage.file = formPath;
  const LoadedWindow window(Read(formPath));
  const ml::TBaseMultiLang& localizer = window.Localizer(args.component);
  const int languages = localizer.Languages();
  const std::vector<std::string> codes = LanguageCodes(args.languages, languages);
  const Entries entries = EntriesOf(localizer.Words(), languages);

  PoCatalogInfo info;
  info.className = std::string(window.Window().ClassName());
  info.descriptionName = BaseName(formPath);
  info.defaultLanguage = localizer.DefaultLanguage();
  info.date = UtcNow();
  std::vector<std::pair<std::string, std::string>> files{
      {dir + "/" + info.className + ".pot", WritePoFile(entries, info)}};
  for (int language = 0; language < languages; ++language) {
    if (language == info.defaultLanguage) continue;
    info.language = language;
    info.languageCode = codes[static_cast<std::size_t>(language)];
    const std::string name =
        info.languageCode.empty() ? std::to_string(language) : info.languageCode;
    files.emplace_back(dir + "/" + name + ".po", WritePoFile(entries, info));
  }

  stage.file.clear();
  for (const auto& [path, text] : files) WriteWholeFile(path, text);
  std::string names;
  std::size_t messages = 0;
  for (const Entry& entry : entries) {
    if (HasMessage(entry, info.defaultLanguage)) {
      ++messages;
    } else {
      names += (names.empty() ? "" : ", ") + entry.key;
    }
  }
  output.out += dir + ": a template and " + std::to_string(files.size() - 1) + " translations of " +
                std::to_string(messages) + " messages\n";
  if (!names.empty()) {
    output.err += "mltool: note: left out, having no text in the default language: " + names + "\n";
  }
  return kDone;
}

int PoImport(const Arguments& args, Stage& stage, Output& output) {
  if (args.positional.size() != 2) {
    throw UsageError("po-import takes a window description and a PO file");
  }
  std::optional<int> given;
  if (args.language) given = ParseLanguage(*args.language);
  const std::string& formPath = args.positional[0];
  const std::string& poPath = args.positional[1];
  const std::string target = args.out.value_or(formPath);
  stage.file = formPath;
  const LoadedWindow window(Read(formPath));
  ml::TBaseMultiLang& localizer = window.Localizer(args.component);
  Entries entries = EntriesOf(localizer.Words(), localizer.Languages());

  stage.file = poPath;
  const PoCatalog catalog = ReadPoFile(poPath, Read(poPath));
  const int language =
      CatalogLanguage(catalog, given, localizer.Languages(), localizer.DefaultLanguage());
  const PoImportCounts counts = ImportCatalog(
      entries, catalog, language, localizer.DefaultLanguage(), window.Window().ClassName());
  localizer.Words().Assign(WordsOf(entries));
  const std::string description = window.Write();

  stage.file.clear();
  WriteWholeFile(target, description);
  output.out += target + ": language " + std::to_string(language) + ", " +
                std::to_string(counts.translated) +
                " translated; kept out: " + std::to_string(counts.untranslated) +
                " untranslated, " + std::to_string(counts.fuzzy) + " fuzzy, " +
                std::to_string(counts.outdated) + " made for another default-language text\n";
  return kDone;
}

}  // namespace mltool
