// textfit: the truncation check on a stored window description, for translators and developers.
//
//   textfit <window.form> [--dpi <dpi>,...] [--component <name>]
//
// Reads the description (a window class the tool does not know loads as a stand-in of that
// name, whose event handlers never run), shows the window on the Win32 backend and measures every
// text in every language of its localization component at each resolution (TextFit.h): those of
// kCheckedDpis, or the ones --dpi lists. Prints each text that is cut, with both widths, then a
// summary line. Exit code 0 when every text fits, 1 when some text is cut, 2 on a usage error or a
// description that cannot be read (or has no such localization component).
#pragma once

#include <string>
#include <vector>

namespace textfit {

inline constexpr int kAllFit = 0;
inline constexpr int kSomeCut = 1;
inline constexpr int kUsage = 2;

struct Output {
  std::string out;
  std::string err;
};

// Runs the check; `args` come without the program's name. Needs the Win32 backend set.
int RunCommand(const std::vector<std::string>& args, Output& output);

}  // namespace textfit
