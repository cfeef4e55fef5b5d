#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

using ReshapeTest = WindowTest;

TEST_F(ReshapeTest, AddingALanguageEndsEveryEntryInAPlaceholder) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.ChangeLanguageCount(4);
  ASSERT_EQ(ml.Words().Count(), 35);
  EXPECT_EQ(ml.Languages(), 4);
  const std::vector<std::string> original = UninstallerTable();
  for (int entry = 0; entry < 7; ++entry) {
    for (int line = 0; line < 4; ++line) {
      EXPECT_EQ(ml.Words()[entry * 5 + line], original[static_cast<std::size_t>(entry * 4 + line)]);
    }
    EXPECT_EQ(ml.Words()[entry * 5 + 4], "?");
  }
  EXPECT_TRUE(dialogs().Shown().empty());
}

TEST_F(ReshapeTest, RemovingTheAddedLanguageWithYesRestoresTheTable) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.ChangeLanguageCount(4);
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(3);
  EXPECT_EQ(Lines(ml.Words()), UninstallerTable());
  EXPECT_EQ(ml.Languages(), 3);
}

TEST_F(ReshapeTest, AddingSeveralLanguagesInsertsSeveralPlaceholders) {
  TestMultiLang& ml = Lang(1, {"A", "a", "B", "b"});
  ml.ChangeLanguageCount(3);
  EXPECT_EQ(Lines(ml.Words()), (std::vector<std::string>{"A", "a", "?", "?", "B", "b", "?", "?"}));
}

TEST_F(ReshapeTest, RemovingLanguagesDropsTheirTextsFromEveryEntry) {
  TestMultiLang& ml = Lang(4, {"A", "a0", "a1", "a2", "a3", "B", "b0", "b1", "b2", "b3"});
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(Lines(ml.Words()), (std::vector<std::string>{"A", "a0", "a1", "B", "b0", "b1"}));
}

// Entries are counted from the end: the odd lines at the start are never touched.
TEST_F(ReshapeTest, LeftoverLinesAtTheStartStayWhenAdding) {
  TestMultiLang& ml = Lang(2, {"x", "y", "A", "a0", "a1", "B", "b0", "b1"});
  ml.ChangeLanguageCount(3);
  EXPECT_EQ(Lines(ml.Words()),
            (std::vector<std::string>{"x", "y", "A", "a0", "a1", "?", "B", "b0", "b1", "?"}));
}

TEST_F(ReshapeTest, LeftoverLinesAtTheStartStayWhenRemoving) {
  TestMultiLang& ml = Lang(3, {"x", "y", "A", "a0", "a1", "a2", "B", "b0", "b1", "b2"});
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(Lines(ml.Words()),
            (std::vector<std::string>{"x", "y", "A", "a0", "a1", "B", "b0", "b1"}));
}

TEST_F(ReshapeTest, ATableShorterThanOneEntryStays) {
  TestMultiLang& ml = Lang(3, {"A", "a0"});
  ml.ChangeLanguageCount(5);
  EXPECT_EQ(Lines(ml.Words()), (std::vector<std::string>{"A", "a0"}));
  EXPECT_EQ(ml.Languages(), 5);
}

TEST_F(ReshapeTest, LoadingReshapesWithoutQuestions) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.SwitchLanguage(2);
  ml.SetLoading(true);
  ml.ChangeLanguageCount(1);
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(ml.Words().Count(), 14);
  EXPECT_EQ(ml.ActiveLanguage(), 2);  // no switch while loading
}

TEST_F(ReshapeTest, DefaultLanguageLeftOutOfRangeFallsBackToZero) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.ChangeDefaultLanguage(2);
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(ml.DefaultLanguage(), 0);
}

TEST_F(ReshapeTest, DefaultLanguageStillInRangeIsKept) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.ChangeDefaultLanguage(1);
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(ml.DefaultLanguage(), 1);
}

TEST_F(ReshapeTest, PositionsAndFontRecordsAreLeftAlone) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.Positions().Add("button1,1.2.3.4,1.2.3.4,1.2.3.4");
  ml.CharSets().Assign(std::vector<std::string>(3, "Arial,0"));
  ml.ChangeLanguageCount(5);
  dialogs().Answer(tk::mrYes);
  ml.ChangeLanguageCount(2);
  EXPECT_EQ(Lines(ml.Positions()), std::vector<std::string>{"button1,1.2.3.4,1.2.3.4,1.2.3.4"});
  EXPECT_EQ(Lines(ml.CharSets()), std::vector<std::string>(3, "Arial,0"));
}

}  // namespace
