#include "tests/support/HeadlessApp.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using FileKindsTest = HeadlessApp;

TEST_F(FileKindsTest, FilterComboListsTheDescriptionsAndSelectsTheFirst) {
  TFilterComboBox combo(nullptr);
  SetStrProp(combo, "Filter", "Texts (*.txt)|*.txt|Pictures|*.bmp;*.png");
  ASSERT_EQ(combo.Items().Count(), 2);
  EXPECT_EQ(combo.Items()[1], "Pictures");
  EXPECT_EQ(combo.ItemIndex(), 0);
  EXPECT_EQ(combo.Mask(), "*.txt");
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Mask(), "*.bmp;*.png");
  EXPECT_EQ(GetStrProp(combo, "Filter"), "Texts (*.txt)|*.txt|Pictures|*.bmp;*.png");
}

TEST_F(FileKindsTest, FilterWithoutAMaskUsesItsDescription) {
  TFilterComboBox combo(nullptr);
  combo.SetFilter("*.ini");
  EXPECT_EQ(combo.Mask(), "*.ini");
  combo.SetFilter("");
  EXPECT_EQ(combo.Items().Count(), 0);
  EXPECT_EQ(combo.Mask(), "");
}

TEST_F(FileKindsTest, FilterComboStoresOnlyAFilterOfItsOwn) {
  TFilterComboBox combo(nullptr);
  const PropInfo* filter = FindProperty(combo, "Filter", PropKind::String);
  EXPECT_FALSE(IsPropertyStored(combo, *filter));
  combo.SetFilter("");
  EXPECT_TRUE(IsPropertyStored(combo, *filter));
}

TEST_F(FileKindsTest, SaveDialogKeepsTitleAndFilterAsTheOpenDialogDoes) {
  TSaveDialog dialog(nullptr);
  EXPECT_TRUE(dialog.Is<TOpenDialog>());
  SetStrProp(dialog, "Title", "Speichern");
  SetStrProp(dialog, "Filter", "Alle|*.*");
  EXPECT_EQ(dialog.Title(), "Speichern");
  EXPECT_EQ(GetStrProp(dialog, "Filter"), "Alle|*.*");
  EXPECT_EQ(GetOrdProp(dialog, "FilterIndex"), 1);
}

TEST_F(FileKindsTest, WithoutAWindowSystemExecuteChoosesNothing) {
  TOpenDialog dialog(nullptr);
  dialog.SetFileName("vodere.ini");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "vodere.ini");
  EXPECT_TRUE(dialogs().Shown().empty());
}

// Chooses a file in every file dialog it is asked to show.
class ChoosingDialogs : public RecordingDialogs {
 public:
  bool ExecuteFileDialog(TOpenDialog& dialog) override {
    asked = &dialog;
    dialog.SetFileName("C:\\chosen.txt");
    return true;
  }
  TOpenDialog* asked = nullptr;
};

TEST_F(FileKindsTest, ExecuteAsksTheApplicationsDialogs) {
  ChoosingDialogs choosing;
  Application().SetDialogs(&choosing);
  TSaveDialog dialog(nullptr);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(choosing.asked, &dialog);
  EXPECT_EQ(dialog.FileName(), "C:\\chosen.txt");
  Application().SetDialogs(nullptr);
}

}  // namespace
