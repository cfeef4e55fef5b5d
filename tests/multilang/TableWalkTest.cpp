#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class TableWalkTest : public WindowTest {
 protected:
  TableWalkTest() {
    Add("Label1");
    Add("Label2");
  }
  std::string CaptionOf(const char* name) {
    return tk::GetStrProp(*form.FindOwnedComponent(name), "Caption");
  }
};

TEST_F(TableWalkTest, KeyNamingNothingIsSteppedOver) {
  TestMultiLang& ml = Lang(2, {"Deleted1", "x", "y", "Label1", "eins", "one"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, std::vector<std::string>{"Label1"});
  EXPECT_EQ(CaptionOf("Label1"), "one");
}

TEST_F(TableWalkTest, WindowKeyInOtherCasesIsNotTheWindow) {
  TestMultiLang& ml = Lang(2, {"%form%", "a", "b", "%FORM%", "c", "d", "Label1", "eins", "one"});
  form.SetCaption("kept");
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "kept");
  EXPECT_EQ(ml.applied, std::vector<std::string>{"Label1"});
}

TEST_F(TableWalkTest, ComponentNamesMatchWithoutRegardToCase) {
  TestMultiLang& ml = Lang(2, {"LABEL2", "zwei", "two", "label1", "eins", "one"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, (std::vector<std::string>{"Label2", "Label1"}));
  EXPECT_EQ(CaptionOf("Label2"), "two");
}

TEST_F(TableWalkTest, ContinuationKeysOnTheirOwnAreSteppedOver) {
  TestMultiLang& ml =
      Lang(2, {"\"", "item", "Item", "\".Hint", "tip", "Tip", "Label1", "eins", "one"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, std::vector<std::string>{"Label1"});
}

TEST_F(TableWalkTest, EntryThatIsNotConsumedIsSteppedOver) {
  TestMultiLang& ml = Lang(2, {"Label1", "eins", "one", "Label2", "zwei", "two"});
  ml.mode = TestMultiLang::Mode::StayPut;
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.applied, (std::vector<std::string>{"Label1", "Label2"}));
}

TEST_F(TableWalkTest, ConsumedContinuationEntriesAreNotVisitedAgain) {
  Add("Label3");
  TestMultiLang& ml = Lang(1, {"Label1", "a", "Label2", "b", "Label3", "c"});
  ml.mode = TestMultiLang::Mode::ThrowAfterMoving;  // consumes two entries, then fails
  ml.SwitchLanguage(0);
  EXPECT_EQ(ml.applied, (std::vector<std::string>{"Label1", "Label3"}));
}

TEST_F(TableWalkTest, WindowWithoutCaptionIsSteppedOver) {
  tk::TComponent bare(nullptr);
  auto* label = tk::NewComponent<tk::TLabel>(&bare, "Label1");
  auto* ml = tk::NewComponent<TestMultiLang>(&bare, "MultiLang1");
  ml->Words().Assign(std::vector<std::string>{"%Form%", "a", "b", "Label1", "eins", "one"});
  ml->SwitchLanguage(1);
  EXPECT_EQ(label->Caption(), "one");
}

}  // namespace
