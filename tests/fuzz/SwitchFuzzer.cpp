// The language switch over a window with a control of every kind, whose table, positions records
// and font records come from the input, switched and reshaped in steps the input chooses. After
// every step: the walk only moved forward through the table, no control gained or lost items, a
// sort order or a selection, the window still owns what it owned, the active and default languages
// lie below the number of languages, and the positions index answers as the plain scan.
//
// Input: a line of choices (see Setup and Step), the table's lines, a line "[Positions]" and the
// positions records, a line "[CharSets]" and the font records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/LocalizerCheck.h"
#include "toolkit/Form.h"

namespace {

using randomwindow::Placed;

class CheckedMultiLang : public WatchedMultiLang {
 public:
  using WatchedMultiLang::WatchedMultiLang;
  bool veto = false;

 protected:
  void ApplyEntry(tk::TComponent& component, std::int32_t& index) override {
    // Each call starts at a key line of its own.
    fuzz::Require(calls.size() <= static_cast<std::size_t>(Words().Count()), "the walk loops");
    WatchedMultiLang::ApplyEntry(component, index);
  }
};

struct StepChoice {
  int op, value;
  bool yes, veto;
};

void Step(const StepChoice& s, CheckedMultiLang& ml, fuzz::HeadlessSession& session) {
  const auto value = static_cast<std::uint8_t>(s.value);
  // Questions this step asks are all answered alike; handlers veto the step's switches or none.
  session.Dialogs().Clear();
  for (int i = 0; i < 4; ++i) session.Dialogs().Answer(s.yes ? tk::mrYes : tk::mrNo);
  ml.veto = s.veto;
  switch (s.op) {
    case 0:
      return ml.ChangeLanguageCount(value);
    case 1:
      return ml.ChangeDefaultLanguage(value);
    case 2:
      return ml.ChangeDefaultEnabled(!ml.DefaultEnabled());
    case 3:
      return ml.ChangeSwitchPositions(static_cast<ml::TSwitchPositions>(s.value % 3));
    default:
      return ml.SwitchLanguage(value);
  }
}

void Check(const CheckedMultiLang& ml, const std::vector<Placed>& placed, const tk::TForm& window,
           int owned) {
  const std::string walk = randomwindow::WalkFault(ml.calls);
  fuzz::Require(walk.empty(), walk);
  for (const Placed& p : placed) {
    const std::string fault = randomwindow::ShapeFault(p);
    fuzz::Require(fault.empty(), fault);
  }
  fuzz::Require(window.OwnedCount() == owned, "the window's components changed");
  fuzz::CheckLocalizer(ml);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::HeadlessSession session;
  fuzz::ChosenInput input = fuzz::ReadChosenInput(data, size, {"[Positions]", "[CharSets]"});
  fuzz::LineChoices& choices = input.choices;

  // Setup: languages, default language, DefaultEnabled, SwitchPositions, TranslateEdits, then
  // the number of steps and four choices a step (operation, value, answer, veto).
  const int languages = 1 + choices.Below(5);
  const int defaultLanguage = choices.Below(languages);
  const bool defaultEnabled = choices.Chance(50);
  const auto switchPositions = static_cast<ml::TSwitchPositions>(choices.Below(3));
  const auto translateEdits = static_cast<ml::TTranslateEdits>(choices.Below(3));
  std::vector<StepChoice> steps(static_cast<std::size_t>(1 + choices.Below(6)));
  for (StepChoice& s : steps) {
    s.op = choices.Below(8);
    s.value = choices.Below(7);
    s.yes = choices.Below(2) == 1;
    s.veto = choices.Below(5) == 0;
  }

  tk::TForm window(nullptr);
  window.SetName("Form1");
  std::vector<Placed> placed;
  for (const randomwindow::Kind& kind : randomwindow::Kinds()) {
    placed.push_back(randomwindow::Place(choices, kind, window, 1));
  }
  auto* ml = tk::NewComponent<CheckedMultiLang>(&window, "MultiLang1");
  ml->BeforeLanguageChange.Set([ml](tk::TObject*, std::uint8_t, bool& allowIt) {
    if (ml->veto) allowIt = false;
  });
  ml->SetLoading(true);  // as a description sets it: no questions
  ml->ChangeLanguageCount(static_cast<std::uint8_t>(languages));
  ml->SetLoading(false);
  ml->ChangeDefaultLanguage(static_cast<std::uint8_t>(defaultLanguage));
  ml->ChangeDefaultEnabled(defaultEnabled);
  ml->ChangeSwitchPositions(switchPositions);
  ml->SetTranslateEdits(translateEdits);
  ml->Words().Assign(input.sections[0]);
  ml->Positions().Assign(input.sections[1]);
  ml->CharSets().Assign(input.sections[2]);
  const int owned = window.OwnedCount();

  for (const StepChoice& s : steps) {
    ml->calls.clear();
    try {
      Step(s, *ml, session);
    } catch (const base::Exception&) {
      // Errors the switch reports to its caller: a window entry or a record it cannot read.
    }
    Check(*ml, placed, window, owned);
  }
  return 0;
}
