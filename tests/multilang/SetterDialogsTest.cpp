#include "multilang/Messages.h"
#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class SetterDialogsTest : public WindowTest {
 protected:
  TestMultiLang& Ready(int languages, int active) {
    TestMultiLang& ml = Lang(languages, UninstallerTable());
    ml.SwitchLanguage(static_cast<std::uint8_t>(active));
    ml.AfterLanguageChanged.Set([this](tk::TObject*, std::uint8_t l) { switches.push_back(l); });
    return ml;
  }
  void ExpectOnlyDialog(tk::TMsgDlgType type, tk::TMsgDlgButtons buttons, const char* text) {
    ASSERT_EQ(dialogs().Shown().size(), 1u);
    const tk::DialogRequest& d = dialogs().Shown()[0];
    EXPECT_EQ(d.kind, tk::DialogKind::MessageDlg);
    EXPECT_EQ(d.type, type);
    EXPECT_EQ(d.buttons, buttons);
    EXPECT_EQ(d.text, text);
  }
  std::vector<int> switches;
};

TEST_F(SetterDialogsTest, ZeroLanguagesIsRefused) {
  TestMultiLang& ml = Ready(3, 0);
  ml.ChangeLanguageCount(0);
  ExpectOnlyDialog(tk::TMsgDlgType::mtInformation, tk::mbOK, messages::kAtLeastOneLanguage);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(Lines(ml.Words()), UninstallerTable());
}

TEST_F(SetterDialogsTest, DecreasingAsksAndNoKeepsEverything) {
  TestMultiLang& ml = Ready(3, 1);
  dialogs().Answer(tk::mrNo);
  ml.ChangeLanguageCount(2);
  ExpectOnlyDialog(tk::TMsgDlgType::mtConfirmation, tk::mbYes | tk::mbNo, messages::kDecrease);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(ml.Words().Count(), 28);
}

TEST_F(SetterDialogsTest, DecreasingWithYesKeepsTheActiveLanguage) {
  TestMultiLang& ml = Ready(3, 1);
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(ml.Languages(), 2);
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_TRUE(switches.empty());
}

TEST_F(SetterDialogsTest, DroppingTheActiveLanguageAsksTheLongerQuestion) {
  TestMultiLang& ml = Ready(3, 2);
  dialogs().Answer(tk::mrNo);
  ml.ChangeLanguageCount(2);
  ExpectOnlyDialog(tk::TMsgDlgType::mtConfirmation, tk::mbYes | tk::mbNo,
                   messages::kDecreaseDroppingActive);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(ml.ActiveLanguage(), 2);
  EXPECT_TRUE(switches.empty());
}

TEST_F(SetterDialogsTest, DroppingTheActiveLanguageWithYesSwitchesToZeroFirst) {
  TestMultiLang& ml = Ready(3, 2);
  int wordsAtSwitch = 0;
  ml.AfterLanguageChanged.Set([&](tk::TObject*, std::uint8_t l) {
    switches.push_back(l);
    wordsAtSwitch = ml.Words().Count();
  });
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(switches, std::vector<int>{0});
  EXPECT_EQ(wordsAtSwitch, 28);  // the texts were dropped after the switch
  EXPECT_EQ(ml.Words().Count(), 21);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Deinstaller");
}

// A handler that vetoes the switch to language 0 stops the change as a No does: removing the
// texts anyway left ActiveLanguage beyond Languages, and later switches read other entries' texts.
TEST_F(SetterDialogsTest, DroppingTheActiveLanguageStopsWhenTheSwitchIsVetoed) {
  TestMultiLang& ml = Ready(3, 2);
  const std::string caption = form.Caption();
  ml.BeforeLanguageChange.Set([](tk::TObject*, std::uint8_t, bool& allowIt) { allowIt = false; });
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(ml.ActiveLanguage(), 2);
  EXPECT_EQ(Lines(ml.Words()), UninstallerTable());
  EXPECT_EQ(form.Caption(), caption);
  EXPECT_TRUE(switches.empty());
}

TEST_F(SetterDialogsTest, DefaultLanguageOutOfRangeIsRefused) {
  TestMultiLang& ml = Ready(3, 0);
  ml.ChangeDefaultLanguage(3);
  ExpectOnlyDialog(tk::TMsgDlgType::mtInformation, tk::mbCancel, messages::kValueTooHigh);
  EXPECT_EQ(ml.DefaultLanguage(), 0);
  EXPECT_TRUE(switches.empty());
}

TEST_F(SetterDialogsTest, NewDefaultLanguageReappliesTheCurrentOne) {
  TestMultiLang& ml = Ready(3, 1);
  ml.ChangeDefaultLanguage(0);
  EXPECT_TRUE(switches.empty());
  ml.ChangeDefaultLanguage(2);
  EXPECT_EQ(switches, std::vector<int>{1});
  EXPECT_EQ(ml.DefaultLanguage(), 2);
}

TEST_F(SetterDialogsTest, ChangedDefaultEnabledReappliesTheCurrentOne) {
  TestMultiLang& ml = Ready(3, 2);
  ml.ChangeDefaultEnabled(false);
  EXPECT_TRUE(switches.empty());
  ml.ChangeDefaultEnabled(true);
  EXPECT_EQ(switches, std::vector<int>{2});
}

TEST_F(SetterDialogsTest, SwitchingBeyondTheLanguagesIsRefused) {
  TestMultiLang& ml = Ready(3, 1);
  bool before = false;
  ml.BeforeLanguageChange.Set([&](tk::TObject*, std::uint8_t, bool&) { before = true; });
  ml.SwitchLanguage(3);
  ExpectOnlyDialog(tk::TMsgDlgType::mtInformation, tk::mbCancel, messages::kValueTooHigh);
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_FALSE(before);
  EXPECT_TRUE(switches.empty());
}

TEST_F(SetterDialogsTest, PropertyWritesTakeTheLowEightBits) {
  TestMultiLang& ml = Ready(3, 0);
  tk::SetOrdProp(ml, "ActiveLanguage", 257);
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
}

}  // namespace
