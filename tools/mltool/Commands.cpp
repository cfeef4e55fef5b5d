#include "tools/mltool/Commands.h"

#include <exception>
#include <optional>
#include <string_view>

#include "tools/mltool/Extract.h"
#include "tools/mltool/Files.h"
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
    "       mltool stringlib <window.form>... <language> <out.rc> [--component <name>]\n";

struct Arguments {
  std::vector<std::string> positional;
  bool addNew = false;
  std::optional<std::string> out;
  std::string component;
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
    } else if (arg == "--out" && command == "merge") {
      if (!hasValue) throw UsageError("--out needs a file name");
      parsed.out = args[++i];
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
