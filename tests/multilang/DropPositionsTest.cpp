#include "multilang/Messages.h"
#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class DropPositionsTest : public WindowTest {
 protected:
  TestMultiLang& Ready(TSwitchPositions mode, std::vector<std::string> records) {
    TestMultiLang& ml = Lang(3);
    ml.ChangeSwitchPositions(mode);
    ml.Positions().Assign(std::move(records));
    return ml;
  }
  int Questions(const char* text) {
    int n = 0;
    for (const tk::DialogRequest& d : dialogs().Shown()) {
      if (d.text == text) {
        EXPECT_EQ(d.type, tk::TMsgDlgType::mtWarning);
        EXPECT_EQ(d.buttons, tk::mbYes | tk::mbNo);
        ++n;
      }
    }
    return n;
  }
  bool Cancelled() {
    const auto& shown = dialogs().Shown();
    return !shown.empty() && shown.back().kind == tk::DialogKind::MessageBox &&
           shown.back().text == "Cancelled.";
  }
  const std::vector<std::string> equal{"%Form%,1.1.1.1,1.1.1.1,1.1.1.1",
                                       "button1,2.2.2.2,2.2.2.2,2.2.2.2"};
  const std::vector<std::string> differing{"%Form%,1.1.1.1,1.1.1.2,1.1.1.1",
                                           "label1,2.2.2.2,2.2.2.2,2.2.2.2",
                                           "button1,2.2.2.2,3.3.3.3,2.2.2.2"};
};

TEST_F(DropPositionsTest, EqualValuesAreDroppedWithoutAQuestion) {
  TestMultiLang& ml = Ready(spFormAndControls, equal);
  ml.ChangeSwitchPositions(spNone);
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(ml.Positions().Count(), 0);
  EXPECT_EQ(ml.SwitchPositions(), spNone);
}

TEST_F(DropPositionsTest, EachDifferingRecordIsAskedAbout) {
  TestMultiLang& ml = Ready(spControlsOnly, differing);
  dialogs().Answer(tk::mrYes);
  dialogs().Answer(tk::mrYes);
  ml.ChangeSwitchPositions(spNone);
  EXPECT_EQ(Questions(messages::kDropPositions), 2);
  EXPECT_EQ(ml.Positions().Count(), 0);
  EXPECT_EQ(ml.SwitchPositions(), spNone);
}

TEST_F(DropPositionsTest, NoAtTheSecondQuestionKeepsEverything) {
  TestMultiLang& ml = Ready(spControlsOnly, differing);
  dialogs().Answer(tk::mrYes);
  dialogs().Answer(tk::mrNo);
  ml.ChangeSwitchPositions(spNone);
  EXPECT_EQ(Questions(messages::kDropPositions), 2);
  EXPECT_TRUE(Cancelled());
  EXPECT_EQ(Lines(ml.Positions()), differing);
  EXPECT_EQ(ml.SwitchPositions(), spControlsOnly);
}

TEST_F(DropPositionsTest, DifferingWindowRecordIsAskedAboutForControlsOnly) {
  TestMultiLang& ml = Ready(spFormAndControls, differing);
  dialogs().Answer(tk::mrNo);
  ml.ChangeSwitchPositions(spControlsOnly);
  EXPECT_EQ(Questions(messages::kDropFormPositions), 1);
  EXPECT_TRUE(Cancelled());
  EXPECT_EQ(Lines(ml.Positions()), differing);
  EXPECT_EQ(ml.SwitchPositions(), spFormAndControls);
  dialogs().Answer(tk::mrYes);
  ml.ChangeSwitchPositions(spControlsOnly);
  EXPECT_EQ(Lines(ml.Positions()),
            std::vector<std::string>(differing.begin() + 1, differing.end()));
  EXPECT_EQ(ml.SwitchPositions(), spControlsOnly);
}

TEST_F(DropPositionsTest, OnlyTheFirstWindowRecordIsDropped) {
  TestMultiLang& ml = Ready(spFormAndControls, {"x,1", "%Form%,1.1.1.1,1.1.1.1,1.1.1.1",
                                                "%Form%,5.5.5.5,6.6.6.6,7.7.7.7"});
  ml.ChangeSwitchPositions(spControlsOnly);
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(Lines(ml.Positions()),
            (std::vector<std::string>{"x,1", "%Form%,5.5.5.5,6.6.6.6,7.7.7.7"}));
}

TEST_F(DropPositionsTest, OtherChangesKeepTheRecords) {
  TestMultiLang& ml = Ready(spNone, differing);
  ml.ChangeSwitchPositions(spControlsOnly);
  ml.ChangeSwitchPositions(spFormAndControls);
  ml.ChangeSwitchPositions(spFormAndControls);
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(Lines(ml.Positions()), differing);
  EXPECT_EQ(ml.SwitchPositions(), spFormAndControls);
}

}  // namespace
