#include "tests/multilang/RandomWindow.h"

#include <algorithm>
#include <cctype>

#include "tests/multilang/KindFacets.h"
#include "toolkit/Form.h"

namespace randomwindow {

using kindcases::Facet;
using kindcases::Texts;

std::string Choices::Text() {
  static const std::vector<std::string> pool = {"",
                                                "",
                                                "a",
                                                "Start",
                                                "?",
                                                "Ja",
                                                "Wyj\xC5\x9B"
                                                "cie",
                                                "line\r\nline",
                                                "x|*.x",
                                                "\"",
                                                "\".Hint"};
  return Pick(pool);
}

Texts Choices::Items(int most) {
  Texts t(static_cast<std::size_t>(Below(most + 1)));
  for (std::string& s : t) s = Text() + std::to_string(Below(10));
  return t;
}

Texts Choices::Nodes() {
  Texts t;
  int level = 0;
  for (int n = Below(6); n > 0; --n) {
    level = t.empty() ? 0 : Below(level + 2);
    t.push_back(std::string(static_cast<std::size_t>(level), '>') + Text() + "n");
  }
  return t;
}

std::string Choices::AnyCase(std::string s) {
  for (char& c : s) {
    const auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(Chance(50) ? std::toupper(u) : std::tolower(u));
  }
  return s;
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"TListBox", {Facet::Items}},
      {"TLabeledEdit", {}, false, false, true},
      {"TComboBoxEx", {Facet::Items}, true},
      {"TDBListBox", {Facet::Items}},
      {"TDBRadioGroup", {Facet::Items}},
      {"TDBGrid", {Facet::Columns}},
      {"TDBComboBox", {Facet::Items}, true},
      {"TField", {}},
      {"TDBNavigator", {}},
      {"TForm", {}, false, false, false, true},
      {"TRadioGroup", {Facet::Items}},
      {"TMemo", {Facet::Lines}, false, false, true},
      {"TValueListEditor", {Facet::TitleCaptions}},
      {"THeader", {Facet::Sections}},
      {"TTabSet", {Facet::Tabs}},
      {"TTabbedNotebook", {Facet::Pages}},
      {"TNotebook", {Facet::Pages}},
      {"TTabControl", {Facet::Tabs}},
      {"TTreeView", {Facet::Nodes}, false, true},
      {"TListView", {Facet::Columns, Facet::ListItems}, false, true},
      {"TStatusBar", {Facet::Panels}, false, false, false, true},
      {"THeaderControl", {Facet::Sections}},
      {"TComboBox", {Facet::Items}, true},
      {"TFilterComboBox", {}},
      {"TOpenDialog", {}},
      {"TSaveDialog", {}},
      {"TMenuItem", {}, false, false, false, true},
      {"TLabel", {}},
      {"TButton", {}, false, false, false, true},
      {"TEdit", {}, false, false, true},
      {"TCheckBox", {}, false, false, false, true},
      {"TPanel", {}},
      {"TGroupBox", {}},
      {"TImage", {}},
      {"TAnimate", {}},
      {"TStringGrid", {}},
      {"TMainMenu", {}},
  };
  return kinds;
}

namespace {

using kindcases::List;
using kindcases::Ordinal;
using kindcases::Put;
using kindcases::Read;

void Fill(Choices& choices, const Kind& kind, tk::TComponent& c) {
  for (Facet f : kind.lists) {
    Put(c, List(f, f == Facet::Nodes ? choices.Nodes() : choices.Items(4)));
    if (f == Facet::ListItems) {
      const int items = static_cast<int>(Read(c, List(f, {})).texts.size());
      for (int i = 0; i < items; ++i) Put(c, kindcases::SubItemsOf(i, choices.Items(3)));
    }
  }
  if (std::string(kind.name) == "TDBNavigator") {
    Put(c, List(Facet::NavigatorHints, choices.Items(3)));
  }
  if (kind.keepsSelection) {
    const int items = static_cast<int>(Read(c, List(Facet::Items, {})).texts.size());
    Put(c, Ordinal(Facet::ItemIndex, choices.Below(items + 1) - 1));
  }
  if (kind.sorts) Put(c, Ordinal(Facet::SortType, choices.Below(4)));
  if (kind.editLike && choices.Chance(50)) Put(c, Ordinal(Facet::ReadOnly, 1));
  if (kind.hasAction && choices.Chance(20)) Put(c, Ordinal(Facet::Action, 1));
}

std::vector<std::size_t> Counts(const Placed& p) {
  std::vector<std::size_t> counts;
  for (Facet f : p.kind->lists) counts.push_back(Read(*p.control, List(f, {})).texts.size());
  return counts;
}

}  // namespace

Placed Place(Choices& choices, const Kind& kind, tk::TForm& window, int number) {
  tk::TComponent* c = kindcases::CreateKind(kind.name, window);
  c->SetName(std::string(kind.name).substr(1) + std::to_string(number));
  if (auto* control = tk::DynamicCast<tk::TControl>(c);
      control != nullptr && !control->Is<tk::TCustomForm>()) {
    control->SetParent(&window);
  }
  Fill(choices, kind, *c);
  Placed p{&kind, c, {}};
  p.counts = Counts(p);
  if (kind.sorts) p.sortType = Read(*c, Ordinal(Facet::SortType, 0)).number;
  if (kind.keepsSelection) p.itemIndex = Read(*c, Ordinal(Facet::ItemIndex, 0)).number;
  return p;
}

Texts Table(Choices& choices, const std::vector<Placed>& placed, int languages) {
  Texts words;
  for (int entries = choices.Below(14); entries > 0; --entries) {
    const int pick = choices.Below(100);
    if (pick < 40 && !placed.empty()) {
      words.push_back(choices.AnyCase(choices.Pick(placed).control->Name()));
    } else if (pick < 65) {
      words.push_back(kindcases::kItemKey);
    } else if (pick < 78) {
      words.push_back(choices.AnyCase(kindcases::kHintKey));
    } else if (pick < 84) {
      words.push_back(choices.Chance(50) ? "%Form%" : "%form%");
    } else if (pick < 90) {
      words.push_back(choices.Chance(50) ? "Deleted1" : "");
    } else {
      words.push_back(choices.Chance(50) ? "\"x" : "\".Hint ");
    }
    for (int l = 0; l < languages; ++l) words.push_back(choices.Text());
  }
  // Malformed: cut short, or a line lost or added in the middle.
  if (!words.empty() && choices.Chance(25)) {
    const int most = std::min<int>(languages + 1, static_cast<int>(words.size()));
    words.resize(words.size() - static_cast<std::size_t>(choices.Below(most)));
  }
  if (!words.empty() && choices.Chance(15)) {
    const auto at = words.begin() + choices.Below(static_cast<int>(words.size()));
    if (choices.Chance(50)) {
      words.erase(at);
    } else {
      words.insert(at, choices.Text());
    }
  }
  return words;
}

std::string WalkFault(const std::vector<WatchedMultiLang::Call>& calls) {
  std::int32_t previous = -1;
  for (const WatchedMultiLang::Call& call : calls) {
    if (call.before <= previous) return call.name + ": the walk went back";
    if (call.failed && call.after != call.before) return call.name + ": moved Index and failed";
    if (call.after < call.before) return call.name + ": moved Index back";
    previous = call.before;
  }
  return {};
}

std::string ShapeFault(const Placed& p) {
  const std::string name = p.control->Name();
  if (Counts(p) != p.counts) return name + ": items gained or lost";
  if (p.kind->sorts && Read(*p.control, Ordinal(Facet::SortType, 0)).number != p.sortType) {
    return name + ": sort order changed";
  }
  if (p.kind->keepsSelection &&
      Read(*p.control, Ordinal(Facet::ItemIndex, 0)).number != p.itemIndex) {
    return name + ": selection changed";
  }
  return {};
}

}  // namespace randomwindow
