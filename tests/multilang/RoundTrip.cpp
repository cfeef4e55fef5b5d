#include "tests/multilang/RoundTrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/Component.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"

namespace roundtrip {

using kindcases::Value;

tk::TComponent& Build(const RoundTripCase& c, tk::TForm& window) {
  tk::TComponent* component = c.window ? &window : kindcases::PlaceKind(c.kind.made, window);
  if (component == nullptr) throw std::logic_error("no class " + c.kind.made);
  for (const Value& v : c.texts) kindcases::Put(*component, v);
  return *component;
}

ProbeMultiLang& AddLocalizer(tk::TForm& window) {
  auto* ml = tk::NewComponent<ProbeMultiLang>(&window, "MultiLang1");
  ml->SetLoading(true);
  ml->ChangeLanguageCount(kLanguages);
  ml->SetLoading(false);
  // With the table still empty, the switch writes nothing.
  ml->SwitchLanguage(kActive);
  ml->ChangeDefaultEnabled(false);
  return *ml;
}

Texts CollectedTable(ml::TMultiLang& ml, tk::TComponent& component,
                     std::string (*other)(const std::string& text)) {
  tk::TStringGrid grid(nullptr);
  grid.SetColCount(ml.Languages() + 1);
  grid.SetRowCount(1);
  ml.CollectEntry(component, 0, &grid);
  Texts words;
  // The grid's last row stays empty below the rows.
  for (int row = 0; row + 1 < grid.RowCount(); ++row) {
    words.push_back(grid.Cells(0, row));
    const std::string& text = grid.Cells(ml.ActiveLanguage() + 1, row);
    for (int language = 0; language < ml.Languages(); ++language) {
      const bool active = language == ml.ActiveLanguage();
      words.push_back(active ? text : other != nullptr ? other(text) : kOtherLanguage);
    }
  }
  return words;
}

std::int32_t ApplyTable(ProbeMultiLang& ml, tk::TComponent& component, const Texts& words) {
  ml.Words().Assign(words);
  std::int32_t index = 0;
  ml.ApplyEntry(component, index);
  return index;
}

void ExpectTexts(const RoundTripCase& c, const tk::TComponent& component,
                 const kindcases::Reader& read, std::string (*change)(const std::string& text)) {
  for (Value expected : c.texts) {
    if (expected.facet == kindcases::Facet::ReadOnly ||
        expected.facet == kindcases::Facet::Action) {
      continue;
    }
    if (change != nullptr) {
      for (std::string& t : expected.texts) {
        // A node's level marks are no part of its text.
        const std::size_t marks = expected.facet == kindcases::Facet::Nodes
                                      ? std::min(t.find_first_not_of('>'), t.size())
                                      : 0;
        t = t.substr(0, marks) + change(t.substr(marks));
      }
    }
    const Value actual = read(component, expected);
    EXPECT_TRUE(actual.texts == expected.texts && actual.number == expected.number)
        << c.name << " " << kindcases::FacetName(expected.facet) << ": expected "
        << kindcases::Show(expected) << ", got " << kindcases::Show(actual);
  }
}

std::string Marked(const std::string& text) {
  return "[" + text + "]";
}

std::vector<Placed> BuildEveryKind(tk::TForm& window) {
  std::vector<Placed> placed;
  for (const RoundTripCase& c : RoundTripCases()) {
    Placed p{c, &Build(c, window)};
    if (c.window) {
      std::erase_if(p.c.texts,
                    [](const Value& v) { return v.facet != kindcases::Facet::ControlText; });
      placed.insert(placed.begin(), p);
    } else {
      placed.push_back(p);
    }
  }
  window.Show();
  for (const Placed& p : placed) kindcases::ShowWith(window, *p.component);
  return placed;
}

Texts CollectedWindowTable(ml::TMultiLang& ml, const std::vector<Placed>& placed,
                           std::string (*other)(const std::string& text)) {
  Texts words;
  for (const Placed& p : placed) {
    const Texts rows = CollectedTable(ml, *p.component, other);
    words.insert(words.end(), rows.begin(), rows.end());
  }
  return words;
}

void ExpectEveryKind(const std::vector<Placed>& placed, const kindcases::Reader& read,
                     std::string (*change)(const std::string& text)) {
  for (const Placed& p : placed) ExpectTexts(p.c, *p.component, read, change);
}

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << c.name;
}

}  // namespace roundtrip
