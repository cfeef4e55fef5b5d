// The lookups of the switch go through indexes; these runs check them against plain scans over
// random sequences of edits.
#include <random>

#include "base/Ascii.h"
#include "multilang/PositionRecords.h"
#include "multilang/PositionsIndex.h"
#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

const std::vector<std::string> kHeads{"a", "b", "ab", "A", "", "%Form%", "button1", "button10"};

class LookupIndexTest : public WindowTest {
 protected:
  std::string RandomLine() {
    std::string line = Pick(kHeads);
    const int shape = Below(4);
    if (shape == 0) return line;                       // no comma
    if (shape == 1) return line + ",";                 // key alone
    if (shape == 2) return line + "," + Pick(kHeads);  // one value
    return line + "," + Pick(kHeads) + ",1.2.3.4";     // more
  }
  std::vector<std::string> Keys() {
    std::vector<std::string> keys{"", ",", "a,b,", "a", "ab,c"};
    for (const std::string& h : kHeads) keys.push_back(h + ",");
    return keys;
  }
  void EditRandomly(tk::TStrings& list) {
    const int n = list.Count();
    switch (Below(8)) {
      case 0:
      case 1:
        list.Add(RandomLine());
        break;
      case 2:
        list.Insert(Below(n + 1), RandomLine());
        break;
      case 3:
        if (n > 0) list.Delete(Below(n));
        break;
      case 4:
        if (n > 0) list.Delete(n - 1);
        break;
      case 5:
      case 6:
        if (n > 0) list.Put(Below(n), RandomLine());
        break;
      default:
        if (Below(4) == 0) {
          list.Clear();
        } else {
          list.Assign(std::vector<std::string>{RandomLine(), RandomLine()});
        }
    }
  }
  template <class T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  std::mt19937 rng{20240611};
};

TEST_F(LookupIndexTest, IndexAnswersAsTheScanUnderEveryKindOfEdit) {
  tk::TStringList list;
  PositionsIndex index(list);
  for (int step = 0; step < 3000; ++step) {
    EditRandomly(list);
    for (const std::string& key : Keys()) {
      ASSERT_EQ(index.FindLast(key), LastLineBeginningWith(list, key))
          << "step " << step << " key '" << key << "'";
    }
  }
}

tk::TComponent* ScanOwned(const tk::TComponent& owner, std::string_view name) {
  if (name.empty()) return nullptr;
  for (int i = 0; i < owner.OwnedCount(); ++i) {
    if (base::SameTextAscii(owner.OwnedComponent(i)->Name(), name)) return owner.OwnedComponent(i);
  }
  return nullptr;
}

TEST_F(LookupIndexTest, SwitchLookupsAnswerAsScansThroughRandomWindowChanges) {
  TestMultiLang& ml = Lang(3);
  ml.ChangeSwitchPositions(spFormAndControls);
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back((i % 2 ? "Label" : "LABEL") + std::to_string(i));
  std::vector<tk::TLabel*> labels;
  for (int step = 0; step < 1500; ++step) {
    switch (Below(6)) {
      case 0: {  // add
        const std::string& name = Pick(names);
        if (form.FindOwnedComponent(name) == nullptr) {
          labels.push_back(Add(name, Below(50), Below(50), Below(50), Below(50)));
          ml.Words().Add(name);
          for (int l = 0; l < 3; ++l) ml.Words().Add(name + "/" + std::to_string(l));
        }
        break;
      }
      case 1:  // remove
        if (!labels.empty()) {
          const auto at = static_cast<std::size_t>(Below(static_cast<int>(labels.size())));
          delete labels[at];
          labels.erase(labels.begin() + static_cast<std::ptrdiff_t>(at));
        }
        break;
      case 2: {  // rename
        const std::string& name = Pick(names);
        if (!labels.empty() && form.FindOwnedComponent(name) == nullptr) {
          labels[static_cast<std::size_t>(Below(static_cast<int>(labels.size())))]->SetName(name);
        }
        break;
      }
      case 3:  // edit the records by hand
        if (ml.Positions().Count() > 0 && Below(2) == 0) {
          const int line = Below(ml.Positions().Count());
          ml.Positions().Insert(line, base::AsciiLowerCase(Pick(names)) + ",1.2.3.4,5.6.7.8,");
        } else {
          EditRandomly(ml.Positions());
        }
        break;
      default:
        try {
          ml.SwitchLanguage(static_cast<std::uint8_t>(Below(3)));
        } catch (const base::Exception&) {
          // hand-made records may hold anything; the window's own failures are not the point
        }
    }
    for (const std::string& name : names) {
      ASSERT_EQ(form.FindOwnedComponent(name), ScanOwned(form, name)) << "step " << step;
      const std::string key = ControlSearchKey(name);
      ASSERT_EQ(ml.FindPositionRecord(key), LastLineBeginningWith(ml.Positions(), key))
          << "step " << step << " " << name;
    }
    ASSERT_EQ(ml.FindPositionRecord(kWindowSearchKey),
              LastLineBeginningWith(ml.Positions(), kWindowSearchKey));
  }
}

}  // namespace
