#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/ValEdit.h"

using namespace tk;

namespace {

using ClassRelationsTest = HeadlessApp;

// The kinds that the localization component tells apart, in the order it tests them, and the two
// classes derived from them.
std::vector<const ClassInfo*> DispatchedKinds() {
  return {&TListBox::StaticClass(),         &TLabeledEdit::StaticClass(),
          &TComboBoxEx::StaticClass(),      &TDBListBox::StaticClass(),
          &TDBRadioGroup::StaticClass(),    &TDBGrid::StaticClass(),
          &TDBComboBox::StaticClass(),      &TField::StaticClass(),
          &TDBNavigator::StaticClass(),     &TCustomForm::StaticClass(),
          &TRadioGroup::StaticClass(),      &TMemo::StaticClass(),
          &TValueListEditor::StaticClass(), &THeader::StaticClass(),
          &TTabSet::StaticClass(),          &TTabbedNotebook::StaticClass(),
          &TNotebook::StaticClass(),        &TTabControl::StaticClass(),
          &TTreeView::StaticClass(),        &TListView::StaticClass(),
          &TStatusBar::StaticClass(),       &THeaderControl::StaticClass(),
          &TComboBox::StaticClass(),        &TFilterComboBox::StaticClass(),
          &TOpenDialog::StaticClass(),      &TMenuItem::StaticClass(),
          &TSaveDialog::StaticClass(),      &TForm::StaticClass()};
}

TEST_F(ClassRelationsTest, KindsDeriveFromOneAnotherOnlyAlongTheTwoAllowedLinks) {
  const std::set<std::pair<std::string_view, std::string_view>> allowed{
      {"TSaveDialog", "TOpenDialog"}, {"TForm", "TCustomForm"}};
  const auto kinds = DispatchedKinds();
  ASSERT_EQ(kinds.size(), 28u);
  for (const ClassInfo* a : kinds) {
    for (const ClassInfo* b : kinds) {
      const bool expected = a == b || allowed.count({a->name, b->name}) > 0;
      EXPECT_EQ(a->InheritsFrom(*b), expected) << a->name << " is-a " << b->name;
    }
  }
}

TEST_F(ClassRelationsTest, OtherClassesAreNoneOfTheKinds) {
  // These go to the localization component's catch-all by their published names.
  const ClassInfo* others[] = {
      &TLabel::StaticClass(),      &TButton::StaticClass(),   &TCheckBox::StaticClass(),
      &TEdit::StaticClass(),       &TGroupBox::StaticClass(), &TPanel::StaticClass(),
      &TImage::StaticClass(),      &TAnimate::StaticClass(),  &TStringGrid::StaticClass(),
      &TBoundLabel::StaticClass(), &TMainMenu::StaticClass()};
  for (const ClassInfo* other : others) {
    for (const ClassInfo* kind : DispatchedKinds()) {
      EXPECT_FALSE(other->InheritsFrom(*kind)) << other->name << " is-a " << kind->name;
    }
  }
}

TEST_F(ClassRelationsTest, EveryConcreteKindIsRegisteredAndCreatesItsOwnClass) {
  TForm owner(nullptr);
  for (const ClassInfo* kind : DispatchedKinds()) {
    // Windows are made by their own classes, never from a description's class name.
    if (kind->InheritsFrom(TCustomForm::StaticClass())) continue;
    const ClassInfo* found = FindClass(kind->name);
    ASSERT_EQ(found, kind) << kind->name;
    ASSERT_NE(found->create, nullptr) << kind->name;
    std::unique_ptr<TComponent> made(found->create(&owner));
    EXPECT_EQ(&made->ClassType(), kind);
    EXPECT_EQ(made->Owner(), &owner);
  }
}

TEST_F(ClassRelationsTest, OtherStandardClassesAreRegisteredToo) {
  for (const char* name : {"TLabel", "TButton", "TCheckBox", "TEdit", "TGroupBox", "TPanel",
                           "TImage", "TAnimate", "TStringGrid", "TMainMenu", "TBoundLabel"}) {
    const ClassInfo* found = FindClass(name);
    ASSERT_NE(found, nullptr) << name;
    TComponent owner(nullptr);
    std::unique_ptr<TComponent> made(found->create(&owner));
    EXPECT_EQ(made->ClassName(), name);
  }
}

}  // namespace
