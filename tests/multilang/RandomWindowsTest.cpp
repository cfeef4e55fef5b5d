// Random windows of every kind with random tables, well-formed and not, switched through random
// languages: the switch never crashes or loops, ApplyEntry never moves the counter back, and no
// control loses or gains items, a sort order or a selection.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/ProbeMultiLang.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"

namespace {

using kindcases::Facet;
using kindcases::Texts;

constexpr std::uint32_t kSeed = 20240611;
constexpr int kWindows = 3000;

// Thrown past the walk's error guard when it calls ApplyEntry more often than a table allows.
struct RunawayWalk {};

class BoundedMultiLang : public WatchedMultiLang {
 public:
  using WatchedMultiLang::WatchedMultiLang;

 protected:
  void ApplyEntry(tk::TComponent& component, std::int32_t& index) override {
    // Each call starts at a key line of its own, so there are never more calls than lines.
    if (calls.size() > static_cast<std::size_t>(Words().Count())) throw RunawayWalk{};
    WatchedMultiLang::ApplyEntry(component, index);
  }
};

struct Kind {
  const char* name;
  std::vector<Facet> lists;  // whose item counts must survive a switch
  bool keepsSelection = false;
  bool sorts = false;
  bool editLike = false;
  bool hasAction = false;
};

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

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
  }

  std::string Text() {
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
  Texts Items(int most) {
    Texts t(static_cast<std::size_t>(Below(most + 1)));
    for (std::string& s : t) s = Text() + std::to_string(Below(10));
    return t;
  }
  // Pre-order nodes; each at most one level below the one before.
  Texts Nodes() {
    Texts t;
    int level = 0;
    for (int n = Below(6); n > 0; --n) {
      level = t.empty() ? 0 : Below(level + 2);
      t.push_back(std::string(static_cast<std::size_t>(level), '>') + Text() + "n");
    }
    return t;
  }
  std::string AnyCase(std::string s) {
    for (char& c : s) {
      if (Chance(50))
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      else
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
  }

 private:
  std::mt19937 engine_;
};

// The window's controls, each with the item counts it must keep.
struct Placed {
  const Kind* kind;
  tk::TComponent* control;
  std::vector<std::size_t> counts;
  int sortType = 0;
  int itemIndex = -1;
};

void Prepare(Random& rnd, const Kind& kind, tk::TComponent& c) {
  using kindcases::List;
  using kindcases::Ordinal;
  using kindcases::Put;
  for (Facet f : kind.lists) {
    if (f == Facet::Nodes) {
      Put(c, List(f, rnd.Nodes()));
    } else {
      Put(c, List(f, rnd.Items(4)));
    }
    if (f == Facet::ListItems) {
      const int items = static_cast<int>(kindcases::Read(c, List(f, {})).texts.size());
      for (int i = 0; i < items; ++i) Put(c, kindcases::SubItemsOf(i, rnd.Items(3)));
    }
  }
  if (std::string(kind.name) == "TDBNavigator") Put(c, List(Facet::NavigatorHints, rnd.Items(3)));
  if (kind.keepsSelection) {
    const int items = static_cast<int>(kindcases::Read(c, List(Facet::Items, {})).texts.size());
    Put(c, Ordinal(Facet::ItemIndex, rnd.Below(items + 1) - 1));
  }
  if (kind.sorts) Put(c, Ordinal(Facet::SortType, rnd.Below(4)));
  if (kind.editLike && rnd.Chance(50)) Put(c, Ordinal(Facet::ReadOnly, 1));
  if (kind.hasAction && rnd.Chance(20)) Put(c, Ordinal(Facet::Action, 1));
}

Texts RandomTable(Random& rnd, const std::vector<Placed>& placed, int languages) {
  Texts words;
  for (int entries = rnd.Below(14); entries > 0; --entries) {
    const int pick = rnd.Below(100);
    if (pick < 40 && !placed.empty()) {
      words.push_back(rnd.AnyCase(rnd.Pick(placed).control->Name()));
    } else if (pick < 65) {
      words.push_back(kindcases::kItemKey);
    } else if (pick < 78) {
      words.push_back(rnd.AnyCase(kindcases::kHintKey));
    } else if (pick < 84) {
      words.push_back(rnd.Chance(50) ? "%Form%" : "%form%");
    } else if (pick < 90) {
      words.push_back(rnd.Chance(50) ? "Deleted1" : "");
    } else {
      words.push_back(rnd.Chance(50) ? "\"x" : "\".Hint ");
    }
    for (int l = 0; l < languages; ++l) words.push_back(rnd.Text());
  }
  // Malformed: cut short, or a line lost or added in the middle.
  if (!words.empty() && rnd.Chance(25)) {
    words.resize(words.size() - static_cast<std::size_t>(rnd.Below(
                                    std::min<int>(languages + 1, static_cast<int>(words.size())))));
  }
  if (!words.empty() && rnd.Chance(15)) {
    const auto at = words.begin() + rnd.Below(static_cast<int>(words.size()));
    if (rnd.Chance(50)) {
      words.erase(at);
    } else {
      words.insert(at, rnd.Text());
    }
  }
  return words;
}

std::vector<std::size_t> Counts(const Placed& p) {
  std::vector<std::size_t> counts;
  for (Facet f : p.kind->lists) {
    counts.push_back(kindcases::Read(*p.control, kindcases::List(f, {})).texts.size());
  }
  return counts;
}

void CheckWalk(const std::vector<WatchedMultiLang::Call>& calls) {
  std::int32_t previous = -1;
  for (const WatchedMultiLang::Call& call : calls) {
    EXPECT_GT(call.before, previous) << call.name << ": the walk went back";
    if (call.failed) {
      EXPECT_EQ(call.after, call.before) << call.name << ": moved Index and failed";
    } else {
      EXPECT_GE(call.after, call.before) << call.name << ": moved Index back";
    }
    previous = call.before;
  }
}

void CheckShape(const std::vector<Placed>& placed) {
  for (const Placed& p : placed) {
    EXPECT_EQ(Counts(p), p.counts) << p.kind->name << ": items gained or lost";
    if (p.kind->sorts) {
      EXPECT_EQ(kindcases::Read(*p.control, kindcases::Ordinal(Facet::SortType, 0)).number,
                p.sortType)
          << p.kind->name;
    }
    if (p.kind->keepsSelection) {
      EXPECT_EQ(kindcases::Read(*p.control, kindcases::Ordinal(Facet::ItemIndex, 0)).number,
                p.itemIndex)
          << p.kind->name;
    }
  }
}

using RandomWindowsTest = HeadlessApp;

TEST_F(RandomWindowsTest, NeverCrashLoopOrGoBack) {
  Random rnd(kSeed);
  for (int w = 0; w < kWindows && !HasFailure(); ++w) {
    SCOPED_TRACE("seed " + std::to_string(kSeed) + ", window " + std::to_string(w));
    tk::TForm window(nullptr);
    window.SetName("Form1");
    std::vector<Placed> placed;
    for (int n = 1 + rnd.Below(6); n > 0; --n) {
      const Kind& kind = rnd.Pick(Kinds());
      tk::TComponent* c = kindcases::CreateKind(kind.name, window);
      ASSERT_NE(c, nullptr) << kind.name;
      c->SetName(std::string(kind.name).substr(1) + std::to_string(placed.size() + 1));
      if (auto* control = tk::DynamicCast<tk::TControl>(c);
          control && !control->Is<tk::TCustomForm>()) {
        control->SetParent(&window);
      }
      Prepare(rnd, kind, *c);
      placed.push_back({&kind, c, {}});
    }
    for (Placed& p : placed) {
      p.counts = Counts(p);
      if (p.kind->sorts) {
        p.sortType = kindcases::Read(*p.control, kindcases::Ordinal(Facet::SortType, 0)).number;
      }
      if (p.kind->keepsSelection) {
        p.itemIndex = kindcases::Read(*p.control, kindcases::Ordinal(Facet::ItemIndex, 0)).number;
      }
    }

    auto* ml = tk::NewComponent<BoundedMultiLang>(&window, "MultiLang1");
    const int languages = 1 + rnd.Below(4);
    ml->SetLoading(true);
    ml->ChangeLanguageCount(static_cast<std::uint8_t>(languages));
    ml->SetLoading(false);
    ml->SetTranslateEdits(static_cast<ml::TTranslateEdits>(rnd.Below(3)));
    ml->ChangeDefaultLanguage(static_cast<std::uint8_t>(rnd.Below(languages)));
    if (rnd.Chance(30)) ml->ChangeSwitchPositions(ml::spControlsOnly);
    ml->ChangeDefaultEnabled(rnd.Chance(50));
    ml->Words().Assign(RandomTable(rnd, placed, languages));

    for (int s = 0; s < 3; ++s) {
      ml->calls.clear();
      try {
        ml->SwitchLanguage(static_cast<std::uint8_t>(rnd.Below(languages + 1)));
      } catch (const RunawayWalk&) {
        FAIL() << "the walk did not end";
      } catch (const tk::EStringListError&) {
        // A window entry cut short: the switch reports it to its caller.
      }
      CheckWalk(ml->calls);
      CheckShape(placed);
    }
  }
}

}  // namespace
