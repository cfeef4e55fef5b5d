#include "tools/textfit/Command.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "base/Integer.h"
#include "multilang/MLBase.h"
#include "tools/mltool/CommandLine.h"
#include "tools/mltool/WindowDescription.h"
#include "tools/textfit/TextFit.h"

namespace textfit {

namespace {

constexpr char kUsageText[] =
    "usage: textfit <window.form> [--dpi <dpi>,...] [--component <name>]\n";

// From half the layout's resolution to five times it, the largest scale Windows offers.
constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = 480;

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string form;
  std::vector<int> dpis{kCheckedDpis.begin(), kCheckedDpis.end()};
  std::string component;
};

std::vector<int> ParseDpis(std::string_view list) {
  std::vector<int> dpis;
  for (std::size_t start = 0;;) {
    const std::size_t comma = list.find(',', start);
    const std::string_view item = list.substr(start, comma - start);
    const std::optional<std::int32_t> dpi = base::ParseInt32(item, base::IntSyntax::Plain);
    if (!dpi || *dpi < kLowestDpi || *dpi > kHighestDpi) {
      throw UsageError("--dpi takes resolutions from " + std::to_string(kLowestDpi) + " to " +
                       std::to_string(kHighestDpi) + " separated by commas, not \"" +
                       std::string(item) + "\"");
    }
    dpis.push_back(*dpi);
    if (comma == std::string_view::npos) return dpis;
    start = comma + 1;
  }
}

Options Parse(const std::vector<std::string>& args) {
  Options options;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--dpi" || arg == "--component") {
      if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--dpi") {
        options.dpis = ParseDpis(value);
      } else {
        options.component = value;
      }
    } else if (arg.starts_with("--")) {
      throw UsageError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 1) throw UsageError("textfit takes one window description");
  options.form = positional.front();
  return options;
}

std::string DpiList(const std::vector<int>& dpis) {
  std::string list;
  for (const int dpi : dpis) list += (list.empty() ? "" : ", ") + std::to_string(dpi);
  return list;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, Output& output) {
  Options options;
  try {
    options = Parse(args);
  } catch (const UsageError& e) {
    output.err += "textfit: " + std::string(e.what()) + "\n" + kUsageText;
    return kUsage;
  }
  std::vector<TextFit> measured;
  int languages = 0;
  try {
    // Read as the program reads it: the localization component shows its active language.
    const mltool::LoadedWindow window(mltool::Read(options.form), tk::ReadFor::kRunning);
    ml::TBaseMultiLang& localizer = window.Localizer(options.component);
    languages = localizer.Languages();
    window.Window().Show();
    measured = MeasureTexts(window.Window(), localizer, options.dpis);
  } catch (const std::exception& e) {
    output.err += "textfit: " + options.form + ": " + e.what() + "\n";
    return kUsage;
  }

  const std::vector<TextFit> cut = CutTexts(measured);
  std::ostringstream report;
  for (const TextFit& fit : cut) report << fit << "\n";
  report << options.form << ": " << (cut.empty() ? "all " : std::to_string(cut.size()) + " of ")
         << measured.size() << " texts " << (cut.empty() ? "fit" : "cut") << ", in " << languages
         << " languages at " << DpiList(options.dpis) << " dpi\n";
  output.out += report.str();
  return cut.empty() ? kAllFit : kSomeCut;
}

}  // namespace textfit
