#include "tools/mltool/CommandLine.h"

#include "tools/mltool/Files.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"

namespace mltool {

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

int ParseLanguage(const std::string& text) {
  const std::optional<int> language = LanguageNumber(text);
  if (!language) throw UsageError("the language must be a number, not " + text);
  return *language;
}

std::string Read(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw ToolError("cannot read the file");
  return std::move(*bytes);
}

}  // namespace mltool
