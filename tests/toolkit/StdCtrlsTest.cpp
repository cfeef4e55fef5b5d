#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

using StdCtrlsTest = PeerApp;

void Fill(TStrings& list, std::initializer_list<const char*> items) {
  for (const char* s : items) list.Add(s);
}

TEST_F(StdCtrlsTest, ReplacingTheSelectedComboItemLosesTheSelection) {
  TComboBox combo(nullptr);
  Fill(combo.Items(), {"eins", "zwei", "drei"});
  combo.SetItemIndex(1);
  combo.Items().Put(0, "one");
  EXPECT_EQ(combo.ItemIndex(), 1);
  combo.Items().Put(1, "two");
  EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST_F(StdCtrlsTest, ReplacingTheSelectedListItemKeepsTheSelection) {
  TListBox list(nullptr);
  Fill(list.Items(), {"eins", "zwei"});
  list.SetItemIndex(1);
  list.Items().Put(1, "two");
  EXPECT_EQ(list.ItemIndex(), 1);
}

TEST_F(StdCtrlsTest, SelectionFollowsInsertsAndDeletes) {
  TListBox list(nullptr);
  Fill(list.Items(), {"a", "b", "c"});
  list.SetItemIndex(1);
  list.Items().Insert(0, "x");
  EXPECT_EQ(list.ItemIndex(), 2);
  list.Items().Delete(3);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.Items().Delete(0);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.Items().Delete(1);
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(StdCtrlsTest, SelectingAComboItemShowsItsText) {
  TComboBox combo(nullptr);
  Fill(combo.Items(), {"eins", "zwei"});
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "zwei");
  EXPECT_EQ(GetStrProp(combo, "Text"), "zwei");
  combo.SetItemIndex(-1);
  EXPECT_EQ(combo.Text(), "");
}

TEST_F(StdCtrlsTest, AnIndexOutsideTheItemsSelectsNothing) {
  TComboBox combo(nullptr);
  Fill(combo.Items(), {"eins"});
  combo.SetItemIndex(0);
  combo.SetItemIndex(5);
  EXPECT_EQ(combo.ItemIndex(), -1);
  TListBox list(nullptr);
  list.SetItemIndex(0);
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(StdCtrlsTest, ComboItemIndexLoadsAfterItems) {
  // Loading sets properties in declaration order; the selection must find its items.
  std::vector<std::string> order;
  TComboBox::StaticClass().ForEachProperty([&](const PropInfo& p) { order.emplace_back(p.name); });
  auto at = [&](const char* name) { return std::find(order.begin(), order.end(), name); };
  EXPECT_LT(at("Items"), at("ItemIndex"));
  EXPECT_LT(at("ItemIndex"), at("Text"));
}

TEST_F(StdCtrlsTest, ListItemChangesReachThePeerWithTheirIndex) {
  TListBox list(nullptr);
  Show(list);
  list.Items().Add("a");
  list.Items().Put(0, "b");
  list.Items().Clear();
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(list, ItemList::Items, ListChange::Insert, 0),
                         ItemsNote(list, ItemList::Items, ListChange::Put, 0),
                         ItemsNote(list, ItemList::Items, ListChange::Reset, -1),
                     }));
}

TEST_F(StdCtrlsTest, LosingTheComboSelectionIsToldToThePeer) {
  TComboBox combo(nullptr);
  Fill(combo.Items(), {"a"});
  combo.SetItemIndex(0);
  Show(combo);
  combo.Items().Put(0, "b");
  EXPECT_TRUE(Told(ItemsNote(combo, ItemList::Items, ListChange::Put, 0)));
  EXPECT_TRUE(Told(AspectNote(combo, Aspect::ItemIndex)));
}

TEST_F(StdCtrlsTest, MemoTextIsItsLines) {
  TMemo memo(nullptr);
  memo.SetText("one\r\ntwo");
  ASSERT_EQ(memo.Lines().Count(), 2);
  EXPECT_EQ(memo.Lines()[1], "two");
  memo.Lines().Add("three");
  EXPECT_EQ(memo.Text(), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(StdCtrlsTest, MemoLineChangesReachThePeerAsLines) {
  TMemo memo(nullptr);
  memo.Lines().Add("a");
  Show(memo);
  memo.Lines().Put(0, "b");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{ItemsNote(memo, ItemList::Lines, ListChange::Put, 0)}));
}

TEST_F(StdCtrlsTest, WritingALinesPropertyCopiesTheList) {
  TMemo memo(nullptr);
  TStringList source;
  source.Add("x");
  TObject* lines = GetObjectProp(memo, "Lines");
  ASSERT_NE(lines, nullptr);
  FindProperty(memo, "Lines", PropKind::Object)->setObject(memo, &source);
  source.Put(0, "changed");
  EXPECT_EQ(memo.Lines()[0], "x");
  EXPECT_EQ(lines, &memo.Lines());
}

TEST_F(StdCtrlsTest, ReadOnlyIsAnEditAspect) {
  TEdit edit(nullptr);
  Show(edit);
  SetOrdProp(edit, "ReadOnly", 1);
  EXPECT_TRUE(edit.ReadOnly());
  EXPECT_EQ(notes(), (std::vector<PeerNote>{AspectNote(edit, Aspect::ReadOnly)}));
  SetStrProp(edit, "Text", "Hallo");
  EXPECT_EQ(edit.Text(), "Hallo");
}

TEST_F(StdCtrlsTest, CheckBoxClickTogglesBeforeTheHandler) {
  TCheckBox box(nullptr);
  bool seen = false;
  box.OnClick.Set([&](TObject*) { seen = box.Checked(); });
  box.Click();
  EXPECT_TRUE(seen);
  box.Click();
  EXPECT_FALSE(box.Checked());
}

// A window with an OK button, and a panel holding a cancel button.
struct CancelWindow {
  TForm form{nullptr};
  TButton* ok = Add<TButton>(form);
  TPanel* panel = Add<TPanel>(form);
  TButton* cancel = Add<TButton>(*panel);

  CancelWindow() {
    ok->SetTabOrder(0);
    panel->SetTabOrder(1);
    cancel->SetCancel(true);
  }
  template <class T>
  T* Add(TWinControl& parent) {
    T* control = new T(&form);
    control->SetParent(&parent);
    return control;
  }
};

struct CancelCase {
  const char* name;
  std::function<void(CancelWindow&)> arrange;
  // Which button Escape presses: "cancel", "ok" or none.
  std::string pressed;
};

TEST_F(StdCtrlsTest, EscapePressesTheFirstCancelButtonWhenItCanBePressed) {
  const CancelCase cases[] = {
      {"on a panel", [](CancelWindow&) {}, "cancel"},
      {"none", [](CancelWindow& w) { w.cancel->SetCancel(false); }, ""},
      {"disabled, as while a run removes", [](CancelWindow& w) { w.cancel->SetEnabled(false); },
       ""},
      {"hidden", [](CancelWindow& w) { w.cancel->SetVisible(false); }, ""},
      {"its panel disabled", [](CancelWindow& w) { w.panel->SetEnabled(false); }, ""},
      {"two: the first in tab order", [](CancelWindow& w) { w.ok->SetCancel(true); }, "ok"},
      {"two, the first disabled", [](CancelWindow& w) {
         w.ok->SetCancel(true);
         w.ok->SetEnabled(false);
       }, ""},
  };
  for (const CancelCase& c : cases) {
    CancelWindow w;
    c.arrange(w);
    const TButton* pressed = CancelButtonOf(w.form);
    EXPECT_EQ(pressed == nullptr ? "" : pressed == w.ok ? "ok" : "cancel", c.pressed) << c.name;
  }
}

}  // namespace
