// A component's texts collected into an editing grid, made into a table and written back: the
// steps that the round trip takes on every backend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/ProbeMultiLang.h"
#include "tests/multilang/RoundTripCases.h"

namespace tk {
class TComponent;
class TForm;
}  // namespace tk

namespace roundtrip {

using Texts = std::vector<std::string>;

// Three languages, the middle one active.
constexpr int kLanguages = 3;
constexpr int kActive = 1;
// The text of the languages that the rows do not fill.
inline const std::string kOtherLanguage = "?";

// The case's component on `window` (the window itself for the window's case), its texts set up.
tk::TComponent& Build(const RoundTripCase& c, tk::TForm& window);

// The window's localization component, with its languages and DefaultEnabled off.
ProbeMultiLang& AddLocalizer(tk::TForm& window);

// Collects the component's rows into a grid that holds one empty row, and makes them a table in
// row order: each row's key, its text in the active language, `other(text)` in the other ones.
Texts CollectedTable(ml::TMultiLang& ml, tk::TComponent& component,
                     std::string (*other)(const std::string& text) = nullptr);

// Applies the whole table to the component; answers Index afterwards.
std::int32_t ApplyTable(ProbeMultiLang& ml, tk::TComponent& component, const Texts& words);

// Expects each of the case's set-up texts read back as it was set up, or changed by `change`.
// Ordinal set-up values that read nothing back (ReadOnly, Action) are left out.
void ExpectTexts(const RoundTripCase& c, const tk::TComponent& component,
                 const kindcases::Reader& read,
                 std::string (*change)(const std::string& text) = nullptr);

// A text as the language away from the active one has it in the whole-window round trip.
std::string Marked(const std::string& text);

// Every case's component on one window, in the cases' order, the window first.
struct Placed {
  RoundTripCase c;  // the window's case holds only its title: the switch writes no window hint
  tk::TComponent* component;
};
std::vector<Placed> BuildEveryKind(tk::TForm& window);
// The window's table: each component's collected rows in turn.
Texts CollectedWindowTable(ml::TMultiLang& ml, const std::vector<Placed>& placed,
                           std::string (*other)(const std::string& text));
void ExpectEveryKind(const std::vector<Placed>& placed, const kindcases::Reader& read,
                     std::string (*change)(const std::string& text) = nullptr);

void PrintTo(const RoundTripCase& c, std::ostream* os);

}  // namespace roundtrip
