// A control that fails while a text is written leaves ApplyEntry at once: the caller's Index is
// not moved, and a remembered selection or sort order is not written back. The failures come
// from the controls' peers, as a native control's would.
#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/multilang/ProbeMultiLang.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

namespace {

// Refuses the replacement of item `failAtPut` of any list, and any change of `failAspect`.
class FailingPeer : public tk::ControlPeer {
 public:
  FailingPeer(const int& failAtPut, const int& failAspect)
      : failAtPut_(failAtPut), failAspect_(failAspect) {}
  void Changed(tk::Aspect aspect) override {
    if (static_cast<int>(aspect) == failAspect_) throw base::Exception("the control refused");
  }
  void ItemsChanged(tk::ItemList, tk::ListChange change, int index) override {
    if (change == tk::ListChange::Put && index == failAtPut_) {
      throw base::Exception("the control refused");
    }
    if (change == tk::ListChange::Reset && failAtPut_ == kAnyReset) {
      throw base::Exception("the control refused");
    }
  }
  static constexpr int kAnyReset = -2;

 private:
  const int& failAtPut_;
  const int& failAspect_;
};

class FailingBackend : public tk::HeadlessBackend {
 public:
  std::unique_ptr<tk::ControlPeer> CreatePeer(tk::TControl&) override {
    return std::make_unique<FailingPeer>(failAtPut, failAspect);
  }
  int failAtPut = -1;
  int failAspect = -1;
};

class ApplyEntryFailureTest : public HeadlessApp {
 protected:
  ApplyEntryFailureTest() : window(nullptr) {
    tk::Application().SetBackend(&failing);
    window.SetName("Form1");
  }
  template <class T>
  T* Add(const std::string& name) {
    T* c = tk::NewComponent<T>(&window, name);
    c->SetParent(&window);
    c->HandleNeeded();
    return c;
  }
  ProbeMultiLang& Lang(std::vector<std::string> words) {
    auto* ml = tk::NewComponent<ProbeMultiLang>(&window, "MultiLang1");
    ml->SwitchLanguage(1);
    ml->Words().Assign(std::move(words));
    return *ml;
  }
  // ApplyEntry from line 0, which must fail; answers the Index it left.
  std::int32_t ApplyFailing(ProbeMultiLang& ml, tk::TComponent& control) {
    std::int32_t index = 0;
    EXPECT_THROW(ml.ApplyEntry(control, index), base::Exception);
    return index;
  }

  FailingBackend failing;
  tk::TForm window;
};

TEST_F(ApplyEntryFailureTest, ComboBoxSelectionIsNotWrittenBack) {
  auto* box = Add<tk::TComboBox>("ComboBox1");
  box->Items().Assign(std::vector<std::string>{"a", "b", "c"});
  box->SetItemIndex(1);
  ProbeMultiLang& ml =
      Lang({"ComboBox1", "eins", "one", "\"", "zwei", "two", "\"", "drei", "three"});
  failing.failAtPut = 2;
  EXPECT_EQ(ApplyFailing(ml, *box), 0);
  EXPECT_EQ(box->Items().Items(), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(box->ItemIndex(), -1);  // lost with the replaced item, not selected again
}

TEST_F(ApplyEntryFailureTest, TreeViewSortOrderIsNotWrittenBack) {
  auto* tree = Add<tk::TTreeView>("TreeView1");
  tk::TTreeNode* a = tree->Items().Add(nullptr, "a");
  tree->Items().AddChild(a, "a1");
  tree->Items().Add(nullptr, "b");
  tree->SetSortType(tk::stText);
  ProbeMultiLang& ml = Lang({"TreeView1", "x", "X", "\"", "y", "Y", "\"", "z", "Z"});
  failing.failAtPut = 1;
  EXPECT_EQ(ApplyFailing(ml, *tree), 0);
  EXPECT_EQ(tree->SortType(), tk::stNone);
  EXPECT_EQ(tree->Items()[0]->Text(), "X");
  EXPECT_EQ(tree->Items()[2]->Text(), "b");
}

TEST_F(ApplyEntryFailureTest, ListViewSortOrderIsNotWrittenBack) {
  auto* list = Add<tk::TListView>("ListView1");
  list->Columns().Add()->SetCaption("c");
  list->Items().Add()->SetCaption("a");
  list->SetSortType(tk::stText);
  ProbeMultiLang& ml =
      Lang({"ListView1", "Spalte", "Column", "\"", "Datei", "File", "\"", "Ordner", "Folder"});
  failing.failAtPut = 0;  // column 0 is written first and fails
  EXPECT_EQ(ApplyFailing(ml, *list), 0);
  EXPECT_EQ(list->SortType(), tk::stText);  // the failure came before the items walk

  failing.failAtPut = -1;
  list->Columns()[0]->SetCaption("c");
  list->Items().Add()->SetCaption("b");
  failing.failAtPut = 1;  // now item 1's caption fails
  EXPECT_EQ(ApplyFailing(ml, *list), 0);
  EXPECT_EQ(list->SortType(), tk::stNone);
}

TEST_F(ApplyEntryFailureTest, NavigatorThatRefusesItsHintsKeepsIndex) {
  auto* navigator = Add<tk::TDBNavigator>("DBNavigator1");
  navigator->Hints().Assign(std::vector<std::string>{"h1"});
  ProbeMultiLang& ml = Lang({"DBNavigator1", "Erster", "First", "\"", "Letzter", "Last"});
  failing.failAtPut = FailingPeer::kAnyReset;
  EXPECT_EQ(ApplyFailing(ml, *navigator), 0);
}

TEST_F(ApplyEntryFailureTest, HintThatFailsKeepsIndexAfterTheCaptionWasWritten) {
  auto* label = Add<tk::TLabel>("Label1");
  ProbeMultiLang& ml = Lang({"Label1", "Text", "Text en", "\".Hint", "Tipp", "Tip"});
  failing.failAspect = static_cast<int>(tk::Aspect::Hint);
  EXPECT_EQ(ApplyFailing(ml, *label), 0);
  EXPECT_EQ(label->Caption(), "Text en");
}

TEST_F(ApplyEntryFailureTest, StatusBarThatRefusesItsTextKeepsItsPanels) {
  auto* bar = Add<tk::TStatusBar>("StatusBar1");
  bar->Panels().Add()->SetText("p");
  ProbeMultiLang& ml = Lang({"StatusBar1", "Bereit", "Ready", "\"", "eins", "one"});
  failing.failAspect = static_cast<int>(tk::Aspect::Text);
  EXPECT_EQ(ApplyFailing(ml, *bar), 0);
  EXPECT_EQ(bar->Panels()[0]->Text(), "p");
}

}  // namespace
