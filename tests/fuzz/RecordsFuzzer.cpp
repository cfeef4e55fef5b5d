// Positions and font records from the input, recorded and applied on a window with a button, a
// labeled edit, a panel and a non-visual component, in steps the input chooses (switches,
// extreme bounds, the SwitchPositions setter with its questions, reshaping). After every step
// each record reads back as written, the positions index answers as the plain scan, and the
// active language lies below the number of languages; recording a component's layout and
// applying it at once leaves the component, and the window's font, as they were.
//
// Input: a line of choices (see Step), the positions records, a line "[CharSets]" and the font
// records.
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "multilang/MLang.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/LocalizerCheck.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

namespace {

constexpr std::int32_t kBounds[] = {std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max(), 0, -1, 75};

using Bounds = std::array<std::int32_t, 4>;

Bounds BoundsOf(const tk::TControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// Records the control's layout and applies it again: nothing may move.
void SaveAndApply(ml::TBaseMultiLang& ml, tk::TControl& control, std::int32_t marker) {
  const Bounds before = BoundsOf(control);
  try {
    ml.SavePositions(control, marker);
    ml.ApplyPositions(control, marker);
  } catch (const base::Exception& e) {
    fuzz::Broken(control.Name() + "'s own record failed: " + e.Message());
  }
  fuzz::Require(BoundsOf(control) == before, control.Name() + " moved by its own record");
}

void SaveAndApplyFont(ml::TBaseMultiLang& ml, tk::TForm& window) {
  const std::string name = window.Font().Name();
  const std::int32_t charSet = window.Font().CharSet();
  try {
    ml.SaveFont();
    ml.ApplyFont();
  } catch (const base::Exception& e) {
    fuzz::Broken("the window's own font record failed: " + e.Message());
  }
  fuzz::Require(window.Font().Name() == name && window.Font().CharSet() == charSet,
                "the window's font changed by its own record");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  fuzz::ChosenInput input = fuzz::ReadChosenInput(data, size, {"[CharSets]"});
  fuzz::LineChoices& choices = input.choices;

  tk::TForm window(nullptr);
  window.SetName("Form1");
  window.SetClientWidth(400);
  window.SetClientHeight(300);
  auto* button = tk::NewComponent<tk::TButton>(&window, "Button1");
  auto* edit = tk::NewComponent<tk::TLabeledEdit>(&window, "LabeledEdit1");
  auto* panel = tk::NewComponent<tk::TPanel>(&window, "Panel1");
  tk::NewComponent<tk::TOpenDialog>(&window, "OpenDialog1");  // a component without bounds
  const std::vector<tk::TControl*> controls{&window, button, edit, panel};
  for (tk::TControl* c : controls) {
    if (c != &window) c->SetParent(&window);
  }

  auto* ml = tk::NewComponent<ml::TMultiLang>(&window, "MultiLang1");
  ml->SetLoading(true);
  ml->ChangeLanguageCount(static_cast<std::uint8_t>(1 + choices.Below(5)));
  ml->SetLoading(false);
  ml->ChangeSwitchPositions(static_cast<ml::TSwitchPositions>(choices.Below(3)));
  ml->Positions().Assign(input.sections[0]);
  ml->CharSets().Assign(input.sections[1]);

  for (int steps = 1 + choices.Below(8); steps > 0; --steps) {
    const int op = choices.Below(7);
    const int value = choices.Below(7);
    tk::TControl& control = *controls[static_cast<std::size_t>(choices.Below(4))];
    const std::int32_t marker = &control == &window ? ml::TBaseMultiLang::kWindowMarker : 0;
    session.Dialogs().Clear();
    for (int i = 0; i < 4; ++i) session.Dialogs().Answer(choices.Chance(50) ? tk::mrYes : tk::mrNo);
    try {
      switch (op) {
        case 0:
          SaveAndApply(*ml, control, marker);
          break;
        case 1:
          SaveAndApplyFont(*ml, window);
          break;
        case 2: {
          const std::int32_t bound = kBounds[choices.Below(5)];
          Bounds b = BoundsOf(control);
          b[static_cast<std::size_t>(value % 4)] = bound;
          control.SetBounds(b[0], b[1], b[2], b[3]);
          break;
        }
        case 3:
          ml->ChangeSwitchPositions(static_cast<ml::TSwitchPositions>(value % 3));
          break;
        case 4:
          ml->ChangeLanguageCount(static_cast<std::uint8_t>(value));
          break;
        default:
          ml->SwitchLanguage(static_cast<std::uint8_t>(value));
          break;
      }
    } catch (const base::Exception&) {
      // A record that does not read as numbers, or holds too few fields: reported to the caller.
    }
    fuzz::CheckLocalizer(*ml);
  }
  return 0;
}
