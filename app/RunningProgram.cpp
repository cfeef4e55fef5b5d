#include "app/uninst1.h"
#include "base/Ascii.h"

namespace app {

bool TForm1::IsProgramRunning(const std::string& text) const {
  if (text.empty()) return false;
  const std::string wanted = base::AsciiUpperCase(text);
  bool found = false;
  // Every window is looked at, also after a match; titles come cut to 255 characters.
  for (const std::string& title : platform_.windows.Titles()) {
    if (base::AsciiUpperCase(title).find(wanted) != std::string::npos) found = true;
  }
  return found;
}

}  // namespace app
