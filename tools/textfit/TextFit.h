// The truncation check: every text a window's visible controls draw, in each language of its
// localization component and at each resolution asked for, measured as the control draws it
// against the room the control gives it. It reports rather than asserts, so that a test can ask
// for no cut text in one window and for exactly the expected ones in a window made too narrow.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace tk {
class TForm;
}
namespace ml {
class TBaseMultiLang;
}

namespace textfit {

// The resolutions a window is checked at: the layout's own and the common scales of a desktop.
inline constexpr std::array<int, 4> kCheckedDpis{96, 120, 144, 192};

struct TextFit {
  std::string control;  // the component's name
  std::string item;     // which of its texts: empty for its own, else "item 3", "part 1"
  int language = 0;
  int dpi = 0;
  std::string text;  // UTF-8
  int textWidth = 0;
  int width = 0;  // the room the control gives the text
  int textHeight = 0;
  int height = 0;

  bool Fits() const { return textWidth <= width && textHeight <= height; }
};

// One line: the text's backslashes, line breaks and tabs written as "\\", "\r", "\n", "\t".
std::ostream& operator<<(std::ostream& out, const TextFit& fit);

// Measures every text that a visible control of `form` draws, for each language of `localizer`
// (switched through it) at each of `dpis` (reached by sending the form's window WM_DPICHANGED
// with the window's outer rectangle scaled about its centre). The form must be shown. Afterwards
// the form is back at the resolution it was shown at, in the language it had.
std::vector<TextFit> MeasureTexts(tk::TForm& form, ml::TBaseMultiLang& localizer,
                                  std::span<const int> dpis);

// The measured texts that do not fit.
std::vector<TextFit> CutTexts(const std::vector<TextFit>& measured);

}  // namespace textfit
