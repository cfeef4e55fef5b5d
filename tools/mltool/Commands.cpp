#include "tools/mltool/Commands.h"

#include <exception>
#include <optional>
#include <string_view>

#include "multilang/PositionRecords.h"
#include "tools/mltool/CommandLine.h"
#include "tools/mltool/Extract.h"
#include "tools/mltool/Files.h"
#include "tools/mltool/PoCommands.h"
#include "tools/mltool/Pseudo.h"
#include "tools/mltool/StringLibraryScript.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace mltool {

namespace {

constexpr char kUsageText[] =
    "usage: mltool extract <window.form> <out.csv> [--new] [--component <name>]\n"
    "       mltool merge <window.form> <in.csv> [--out <file>] [--component <name>]\n"
    "       mltool stringlib <window.form>... <language> <out.rc> [--component <name>]\n"
    "       mltool po-export <window.form> <dir> [--languages <code>,...] [--component <name>]\n"
    "       mltool po-import <window.form> <in.po> [--language <n>] [--out <file>]"
    " [--component <name>]\n"
    "       mltool pseudo <window.form> [<language>] [--out <file>] [--component <name>]\n";

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
    // And it is laid out as the default language: a control whose record has no value for a
    // language keeps the place of whichever language was shown before.
    tk::TStrings& positions = localizer.Positions();
    for (int line = 0; line < positions.Count(); ++line) {
      std::vector<std::string> items = ml::SplitRecord(positions[line]);
      if (items.size() != static_cast<std::size_t>(languages) + 1) continue;
      items.push_back(items[static_cast<std::size_t>(source) + 1]);
      positions.Put(line, ml::JoinRecord(items));
    }
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
