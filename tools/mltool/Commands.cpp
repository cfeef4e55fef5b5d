#include "tools/mltool/Commands.h"

#include <ctime>
#include <exception>
#include <optional>
#include <string_view>

#include "tools/mltool/Extract.h"
#include "tools/mltool/Files.h"
#include "tools/mltool/PoFile.h"
#include "tools/mltool/PoImport.h"
#include "tools/mltool/PoReader.h"
#include "tools/mltool/Pseudo.h"
#include "tools/mltool/StringLibraryScript.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace mltool {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr char kUsageText[] =
    "usage: mltool extract <window.form> <out.csv> [--new] [--component <name>]\n"
    "       mltool merge <window.form> <in.csv> [--out <file>] [--component <name>]\n"
    "       mltool stringlib <window.form>... <language> <out.rc> [--component <name>]\n"
    "       mltool po-export <window.form> <dir> [--languages <code>,...] [--component <name>]\n"
    "       mltool po-import <window.form> <in.po> [--language <n>] [--out <file>]"
    " [--component <name>]\n"
    "       mltool pseudo <window.form> [<language>] [--out <file>] [--component <name>]\n";

struct Arguments {
  std::vector<std::string> positional;
  bool addNew = false;
  std::optional<std::string> out;
  std::string component;
  std::optional<std::string> languages;  // po-export's language codes
  std::optional<std::string> language;   // po-import's language number
};

class UsageError : public std::exception {
 public:
  explicit UsageError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

Arguments Parse(const std::vector<std::string>& args, std::string_view command) {
  Arguments parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--new" && command == "extract") {
      parsed.addNew = true;
    } else if (arg == "--out" &&
               (command == "merge" || command == "po-import" || command == "pseudo")) {
      if (!hasValue) throw UsageError("--out needs a file name");
      parsed.out = args[++i];
    } else if (arg == "--languages" && command == "po-export") {
      if (!hasValue) throw UsageError("--languages needs a code for each language");
      parsed.languages = args[++i];
    } else if (arg == "--language" && command == "po-import") {
      if (!hasValue) throw UsageError("--language needs a language number");
      parsed.language = args[++i];
    } else if (arg == "--component") {
      if (!hasValue) throw UsageError("--component needs a component name");
      parsed.component = args[++i];
    } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
      throw UsageError("unknown option " + arg + " for " + std::string(command));
    } else {
      parsed.positional.push_back(arg);
    }
  }
  return parsed;
}

std::string Read(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw ToolError("cannot read the file");
  return std::move(*bytes);
}

// The file that the command works on at the moment; errors are reported with it.
struct Stage {
  std::string file;
};

std::string Where(const Stage& stage, int line) {
  if (stage.file.empty()) return {};
  return stage.file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": ";
}

int Extract(const Arguments& args, Stage& stage, Output& output) {
  if (args.positional.size() != 2)
    throw UsageError("extract takes a window description and a file");
  const std::string& formPath = args.positional[0];
  const std::string& csvPath = args.positional[1];
  stage.file = formPath;
  const LoadedWindow window(Read(formPath));
  ml::TBaseMultiLang& localizer = window.Localizer(args.component);
  const int languages = localizer.Languages();
  const Extraction extraction = ExtractEntries(localizer, args.addNew);

  stage.file.clear();
  WriteWholeFile(csvPath, WriteTranslationFile(extraction.entries, languages));
  output.out += csvPath + ": " + std::to_string(extraction.entries.size()) + " entries in " +
                std::to_string(languages) + " languages\n";
  if (!extraction.leftOut.empty()) {
    std::string names;
    for (const std::string& name : extraction.leftOut) names += (names.empty() ? "" : ", ") + name;
    output.err +=
        "mltool: note: left out, having no entry in the table: " + names + " (--new adds them)\n";
  }
  return kDone;
}

void WarnOfUnknownKeys(const Entries& entries, const tk::TComponent& window,
                       const std::string& csvPath, Output& output) {
  for (const Entry& entry : entries) {
    if (entry.key == kWindowKey || IsContinuationKey(entry.key)) continue;
    if (window.FindOwnedComponent(entry.key) == nullptr) {
      output.err += csvPath + ":" + std::to_string(entry.line) + ": warning: the key " + entry.key +
                    " names no component of the window\n";
    }
  }
}

int Merge(const Arguments& args, Stage& stage, Output& output) {
  if (args.positional.size() != 2) throw UsageError("merge takes a window description and a file");
  const std::string& formPath = args.positional[0];
  const std::string& csvPath = args.positional[1];
  const std::string target = args.out.value_or(formPath);
  stage.file = formPath;
  const LoadedWindow window(Read(formPath));
  ml::TBaseMultiLang& localizer = window.Localizer(args.component);

  stage.file = csvPath;
  const Entries entries = ReadTranslationFile(Read(csvPath), localizer.Languages());
  WarnOfUnknownKeys(entries, window.Window(), csvPath, output);
  localizer.Words().Assign(WordsOf(entries));
  const std::string description = window.Write();

  stage.file.clear();
  WriteWholeFile(target, description);
  output.out += target + ": " + std::to_string(entries.size()) + " entries in " +
                std::to_string(localizer.Languages()) + " languages\n";
  return kDone;
}

int ParseLanguage(const std::string& text);

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
    if (!entry.texts[info.defaultLanguage].empty()) {
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
  if (!CanReadPoFiles()) {
    throw ToolError("this build of mltool reads no PO files: use the native build, or CSV");
  }
  const std::string& formPath = args.positional[0];
  const std::string& poPath = args.positional[1];
  const std::string target = args.out.value_or(formPath);
  std::optional<int> given;
  if (args.language) given = ParseLanguage(*args.language);
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

int Pseudo(const Arguments& args, Stage& stage, Output& output) {
  const std::vector<std::string>& p = args.positional;
  if (p.empty() || p.size() > 2) {
    throw UsageError("pseudo takes a window description and perhaps a language");
  }
  const std::string& formPath = p[0];
  const std::string target = args.out.value_or(formPath);
  stage.file = formPath;
  const LoadedWindow window(Read(formPath));
  ml::TBaseMultiLang& localizer = window.Localizer(args.component);
  const int languages = localizer.Languages();
  const int source = localizer.DefaultLanguage();
  const int language = p.size() == 2 ? ParseLanguage(p[1]) : languages;
  if (language > languages) {
    throw UsageError("the pseudo-language is a language of the table or the next one, " +
                     std::to_string(languages) + "; not " + std::to_string(language));
  }
  if (language == source) {
    throw ToolError("language " + std::to_string(language) +
                    " is the table's default language, whose texts the pseudo-texts are made of");
  }
  Entries entries = EntriesOf(localizer.Words(), languages);
  if (language == languages) {
    if (languages == 255) throw ToolError("the table has 255 languages, as many as it can hold");
    localizer.ChangeLanguageCount(static_cast<std::uint8_t>(languages + 1));
    // The window keeps its font in the new language when every language has a font record.
    tk::TStrings& charSets = localizer.CharSets();
    if (charSets.Count() == languages) charSets.Add(charSets[source]);
    for (Entry& entry : entries) entry.texts.emplace_back();
  }
  for (Entry& entry : entries) {
    entry.texts[static_cast<std::size_t>(language)] =
        PseudoText(entry.texts[static_cast<std::size_t>(source)]);
  }
  localizer.Words().Assign(WordsOf(entries));
  const std::string description = window.Write();

  stage.file.clear();
  WriteWholeFile(target, description);
  output.out += target + ": language " + std::to_string(language) + " holds pseudo-texts of " +
                "language " + std::to_string(source) + " in " + std::to_string(entries.size()) +
                " entries\n";
  return kDone;
}

int ParseLanguage(const std::string& text) {
  if (text.empty() || text.size() > 3 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    throw UsageError("the language must be a number, not " + text);
  }
  return std::stoi(text);
}

int StringLib(const Arguments& args, Stage& stage, Output& output) {
  const std::vector<std::string>& p = args.positional;
  if (p.size() < 3) throw UsageError("stringlib takes window descriptions, a language and a file");
  const int language = ParseLanguage(p[p.size() - 2]);
  const std::string& rcPath = p.back();

  std::vector<WindowStrings> windows;
  std::string classes;
  for (std::size_t i = 0; i + 2 < p.size(); ++i) {
    stage.file = p[i];
    const LoadedWindow window(Read(p[i]));
    const ml::TBaseMultiLang& localizer = window.Localizer(args.component);
    if (language >= localizer.Languages()) {
      throw ToolError("the window's table has " + std::to_string(localizer.Languages()) +
                      " languages, no language " + std::to_string(language));
    }
    WindowStrings strings{std::string(window.Window().ClassName()), {}};
    for (const Entry& entry : EntriesOf(localizer.Words(), localizer.Languages())) {
      strings.lines.push_back(entry.key);
      strings.lines.push_back(entry.texts[static_cast<std::size_t>(language)]);
    }
    classes += (classes.empty() ? "" : ", ") + strings.className;
    windows.push_back(std::move(strings));
  }

  stage.file.clear();
  const StringLibraryLayout layout = LayOutStringLibrary(windows);
  for (const std::string& warning : layout.warnings) {
    output.err += "mltool: warning: " + warning + "\n";
  }
  const std::string comment = "String library of language " + std::to_string(language) + " for " +
                              classes + ", made by mltool stringlib.";
  WriteWholeFile(rcPath, ResourceScript(layout.strings, comment));
  output.out += rcPath + ": " + std::to_string(windows.size()) + " window(s), " +
                std::to_string(layout.strings.size()) + " strings\n";
  return kDone;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, Output& output) {
  if (args.empty()) {
    output.err += kUsageText;
    return kUsage;
  }
  if (args[0] == "help" || args[0] == "--help") {
    output.out += kUsageText;
    return kDone;
  }
  const std::string& command = args[0];
  Stage stage;
  // Every failure ends the command before it writes its file.
  try {
    const Arguments parsed = Parse(args, command);
    if (command == "extract") return Extract(parsed, stage, output);
    if (command == "merge") return Merge(parsed, stage, output);
    if (command == "stringlib") return StringLib(parsed, stage, output);
    if (command == "po-export") return PoExport(parsed, stage, output);
    if (command == "po-import") return PoImport(parsed, stage, output);
    if (command == "pseudo") return Pseudo(parsed, stage, output);
    throw UsageError("unknown command " + command);
  } catch (const UsageError& e) {
    output.err += "mltool: " + std::string(e.what()) + "\n" + kUsageText;
    return kUsage;
  } catch (const ToolError& e) {
    output.err += "mltool: " + Where(stage, e.Line()) + e.what() + "\n";
  } catch (const std::exception& e) {
    output.err += "mltool: " + Where(stage, 0) + e.what() + "\n";
  }
  return kFailed;
}

}  // namespace mltool
