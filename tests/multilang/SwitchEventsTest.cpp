#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class SwitchEventsTest : public WindowTest {
 protected:
  SwitchEventsTest() {
    for (const char* name : {"Label1", "Label2", "Button1", "Button2", "Label3", "StatusBar1"}) {
      Add(name, 10, 20, 30, 40);
    }
  }
  TestMultiLang& Ready() {
    TestMultiLang& ml = Lang(3, UninstallerTable());
    ml.BeforeLanguageChange.Set([this](tk::TObject* sender, std::uint8_t l, bool& allow) {
      EXPECT_EQ(sender, ml_);
      events.push_back("before " + std::to_string(l) + " from " +
                       std::to_string(ml_->ActiveLanguage()));
      allow = allowIt;
    });
    ml.AfterLanguageChanged.Set([this](tk::TObject* sender, std::uint8_t l) {
      EXPECT_EQ(sender, ml_);
      events.push_back("after " + std::to_string(l));
    });
    return ml;
  }
  std::vector<std::string> events;
  bool allowIt = true;
};

TEST_F(SwitchEventsTest, HandlersFrameTheSwitch) {
  TestMultiLang& ml = Ready();
  ml.onApply = [&](tk::TComponent&) { events.push_back("apply"); };
  ml.SwitchLanguage(1);
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front(), "before 1 from 0");
  EXPECT_EQ(events.back(), "after 1");
  EXPECT_EQ(events.size(), 2u + 6u);
}

TEST_F(SwitchEventsTest, VetoChangesNothing) {
  TestMultiLang& ml = Ready();
  ml.ChangeSwitchPositions(spFormAndControls);
  ml.SwitchLanguage(1);
  const std::vector<std::string> positions = Lines(ml.Positions());
  const std::vector<std::string> charSets = Lines(ml.CharSets());
  form.Font().SetName("Arial");
  static_cast<tk::TLabel*>(form.FindOwnedComponent("Label1"))->SetLeft(99);
  events.clear();
  allowIt = false;
  ml.SwitchLanguage(2);
  EXPECT_EQ(events, std::vector<std::string>{"before 2 from 1"});
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
  EXPECT_EQ(Lines(ml.Positions()), positions);
  EXPECT_EQ(Lines(ml.CharSets()), charSets);
  EXPECT_EQ(form.Font().Name(), "Arial");
  EXPECT_EQ(static_cast<tk::TLabel*>(form.FindOwnedComponent("Label1"))->Left(), 99);
}

TEST_F(SwitchEventsTest, SameLanguageRunsTheWholeSwitchAgain) {
  TestMultiLang& ml = Ready();
  ml.SwitchLanguage(1);
  events.clear();
  ml.applied.clear();
  form.SetCaption("edited");
  ml.SwitchLanguage(1);
  EXPECT_EQ(events, (std::vector<std::string>{"before 1 from 1", "after 1"}));
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
  EXPECT_EQ(ml.applied.size(), 6u);
}

TEST_F(SwitchEventsTest, EmptyTableStillRecordsAndAppliesLayout) {
  TestMultiLang& ml = Ready();
  ml.Words().Clear();
  ml.ChangeSwitchPositions(spFormAndControls);
  form.SetCaption("kept");
  ml.SwitchLanguage(2);
  EXPECT_EQ(events, (std::vector<std::string>{"before 2 from 0", "after 2"}));
  EXPECT_TRUE(ml.applied.empty());
  EXPECT_EQ(form.Caption(), "kept");
  EXPECT_EQ(ml.CharSets().Count(), 3);
  EXPECT_NE(ml.FindPositionRecord("%Form%,"), -1);
}

class AfterLoadingTest : public SwitchEventsTest {
 protected:
  ~AfterLoadingTest() override { SetStartLanguage(0); }
  TestMultiLang& Loaded(bool designing) {
    ml_ = new TestMultiLang(&form);
    ml_->SetName("MultiLang1");
    ml_->SetDesigning(designing);
    ml_->SetLoading(true);
    ml_->ChangeLanguageCount(3);
    ml_->SwitchLanguage(2);  // a stored ActiveLanguage
    ml_->Words().Assign(UninstallerTable());
    ml_->AfterLoading();
    return *ml_;
  }
};

TEST_F(AfterLoadingTest, SwitchesToTheStartLanguage) {
  TestMultiLang& ml = Loaded(false);
  EXPECT_FALSE(ml.IsLoading());
  EXPECT_EQ(ml.ActiveLanguage(), 0);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Deinstaller");
}

TEST_F(AfterLoadingTest, FollowsTheApplicationsStartLanguage) {
  SetStartLanguage(1);
  TestMultiLang& ml = Loaded(false);
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
}

TEST_F(AfterLoadingTest, DesignStateKeepsTheStoredLanguage) {
  TestMultiLang& ml = Loaded(true);
  EXPECT_EQ(ml.ActiveLanguage(), 2);
  EXPECT_TRUE(ml.applied.empty());
  EXPECT_FALSE(ml.IsLoading());
}

}  // namespace
