#include <gtest/gtest.h>

#include <string>

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

// Which of the names that decide how texts reach a control each class publishes, one letter
// per name in this order: Caption, Text, Lines, ReadOnly, EditLabel, Action, Hint.
std::string Published(const ClassInfo& info) {
  static const char* const kNames[] = {"Caption",   "Text",   "Lines", "ReadOnly",
                                       "EditLabel", "Action", "Hint"};
  static const char kLetters[] = "CTLREAH";
  std::string out;
  for (int i = 0; i < 7; ++i) out += info.FindProperty(kNames[i]) != nullptr ? kLetters[i] : '-';
  return out;
}

struct Row {
  const ClassInfo& info;
  const char* expected;
};

TEST(PublishedNamesTest, EachClassPublishesItsSetOfTheDecidingNames) {
  const Row rows[] = {
      // standard controls
      {TLabel::StaticClass(), "C-----H"},
      {TButton::StaticClass(), "C----AH"},
      {TCheckBox::StaticClass(), "C----AH"},
      {TEdit::StaticClass(), "-T-R--H"},
      {TMemo::StaticClass(), "--LR--H"},
      {TListBox::StaticClass(), "------H"},
      {TComboBox::StaticClass(), "-T----H"},
      {TGroupBox::StaticClass(), "C-----H"},
      // extra controls
      {TImage::StaticClass(), "------H"},
      {TPanel::StaticClass(), "C-----H"},
      {TRadioGroup::StaticClass(), "C-----H"},
      {TLabeledEdit::StaticClass(), "-T-RE-H"},
      {TBoundLabel::StaticClass(), "C-----H"},
      {TNotebook::StaticClass(), "------H"},
      {THeader::StaticClass(), "------H"},
      // common controls
      {TStatusBar::StaticClass(), "-----AH"},
      {TAnimate::StaticClass(), "------H"},
      {TTabControl::StaticClass(), "------H"},
      {THeaderControl::StaticClass(), "------H"},
      {TComboBoxEx::StaticClass(), "-T----H"},
      {TTreeView::StaticClass(), "---R--H"},
      {TListView::StaticClass(), "---R--H"},
      // grids, tabs, notebooks, files
      {TStringGrid::StaticClass(), "------H"},
      {TValueListEditor::StaticClass(), "------H"},
      {TTabSet::StaticClass(), "------H"},
      {TTabbedNotebook::StaticClass(), "------H"},
      {TFilterComboBox::StaticClass(), "------H"},
      {TOpenDialog::StaticClass(), "-------"},
      {TSaveDialog::StaticClass(), "-------"},
      // data
      {TField::StaticClass(), "-------"},
      {TDBListBox::StaticClass(), "------H"},
      {TDBComboBox::StaticClass(), "------H"},
      {TDBRadioGroup::StaticClass(), "C--R--H"},
      {TDBNavigator::StaticClass(), "------H"},
      {TDBGrid::StaticClass(), "---R--H"},
      // menus and windows
      {TMainMenu::StaticClass(), "-------"},
      {TMenuItem::StaticClass(), "C----AH"},
      {TForm::StaticClass(), "C----AH"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Published(row.info), row.expected) << row.info.name;
  }
}

TEST(PublishedNamesTest, ListsAndCombosAreNeverEditLike) {
  // A class that published "ReadOnly" with "Text" or "Lines" would lose its texts to the
  // read-only rule; lists and combo boxes must not.
  for (const ClassInfo* info : {&TListBox::StaticClass(), &TDBListBox::StaticClass(),
                                &TComboBox::StaticClass(), &TDBComboBox::StaticClass(),
                                &TComboBoxEx::StaticClass(), &TFilterComboBox::StaticClass()}) {
    EXPECT_EQ(info->FindProperty("ReadOnly"), nullptr) << info->name;
  }
}

TEST(PublishedNamesTest, EditLikeClassesPublishReadOnlyWithTheirText) {
  for (const ClassInfo* info :
       {&TEdit::StaticClass(), &TMemo::StaticClass(), &TLabeledEdit::StaticClass()}) {
    EXPECT_NE(info->FindProperty("ReadOnly"), nullptr) << info->name;
    EXPECT_TRUE(info->FindProperty("Text") != nullptr || info->FindProperty("Lines") != nullptr)
        << info->name;
  }
}

}  // namespace
