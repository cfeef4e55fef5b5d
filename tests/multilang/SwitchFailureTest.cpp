#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class SwitchFailureTest : public WindowTest {
 protected:
  SwitchFailureTest() {
    label1 = Add("Label1");
    label2 = Add("Label2");
  }
  TestMultiLang& Ready(std::vector<std::string> words) {
    TestMultiLang& ml = Lang(3, std::move(words));
    ml.AfterLanguageChanged.Set([this](tk::TObject*, std::uint8_t) { ++afterCalls; });
    return ml;
  }
  tk::TLabel *label1, *label2;
  int afterCalls = 0;
};

TEST_F(SwitchFailureTest, WindowTextPastTheEndLeavesTheSwitch) {
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c", "%Form%", "x", "y"});
  form.SetCaption("kept");
  try {
    ml.SwitchLanguage(2);
    FAIL() << "no error";
  } catch (const base::EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (7)");
  }
  EXPECT_EQ(ml.ActiveLanguage(), 2);
  EXPECT_EQ(label1->Caption(), "c");
  EXPECT_EQ(form.Caption(), "kept");
  EXPECT_EQ(afterCalls, 0);
}

TEST_F(SwitchFailureTest, FontRecordThatIsNoNumberLeavesTheSwitch) {
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c"});
  ml.CharSets().Assign(std::vector<std::string>{"Arial,0", "Courier,abc", "Arial,0"});
  try {
    ml.SwitchLanguage(1);
    FAIL() << "no error";
  } catch (const base::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_EQ(label1->Caption(), "");
  EXPECT_EQ(form.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(afterCalls, 0);
}

TEST_F(SwitchFailureTest, WindowPositionWithTooFewFieldsLeavesTheSwitch) {
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c"});
  ml.ChangeSwitchPositions(spFormAndControls);
  ml.Positions().Add("%Form%,1.2.3.4,5.6.7,1.2.3.4");
  try {
    ml.SwitchLanguage(1);
    FAIL() << "no error";
  } catch (const base::EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure (MLBase, line 756)");
  }
  EXPECT_EQ(form.Left(), 5);
  EXPECT_EQ(label1->Caption(), "");
  EXPECT_EQ(afterCalls, 0);
}

TEST_F(SwitchFailureTest, ErrorInsideApplyEntryIsIgnored) {
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c", "Label2", "d", "e", "f"});
  ml.mode = TestMultiLang::Mode::ThrowBeforeMoving;
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, (std::vector<std::string>{"Label1", "Label2"}));
  EXPECT_EQ(ml.ActiveLanguage(), 1);
  EXPECT_EQ(afterCalls, 1);
}

TEST_F(SwitchFailureTest, ControlPositionErrorInsideApplyEntryIsIgnored) {
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c", "Label2", "d", "e", "f"});
  ml.ChangeSwitchPositions(spControlsOnly);
  ml.SwitchLanguage(0);
  ml.Positions().Put(ml.FindPositionRecord("label1,"), "label1,,,");
  ml.SwitchLanguage(1);
  EXPECT_EQ(label1->Caption(), "a");  // its ApplyEntry failed at the positions
  EXPECT_EQ(label2->Caption(), "e");  // the walk went on
  EXPECT_EQ(afterCalls, 2);
}

TEST_F(SwitchFailureTest, UnreadableKeyEndsTheWalkButNotTheSwitch) {
  Add("Label3");
  TestMultiLang& ml = Ready({"Label1", "a", "b", "c", "Label3", "d", "e", "f"});
  ml.mode = TestMultiLang::Mode::MoveNegative;
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, std::vector<std::string>{"Label1"});
  EXPECT_EQ(afterCalls, 1);
}

}  // namespace
