#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class FontsTest : public WindowTest {
 protected:
  FontsTest() {
    form.Font().SetName("MS Sans Serif");
    form.Font().SetCharSet(1);
  }
};

TEST_F(FontsTest, FirstSwitchGivesEveryLanguageTheCurrentFont) {
  TestMultiLang& ml = Lang(3);
  ml.SwitchLanguage(1);
  EXPECT_EQ(Lines(ml.CharSets()), std::vector<std::string>(3, "MS Sans Serif,1"));
}

TEST_F(FontsTest, WindowFontFollowsTheLanguage) {
  TestMultiLang& ml = Lang(3);
  ml.SwitchLanguage(1);
  form.Font().SetName("Tahoma");
  form.Font().SetCharSet(238);
  ml.SwitchLanguage(0);
  EXPECT_EQ(Lines(ml.CharSets()),
            (std::vector<std::string>{"MS Sans Serif,1", "Tahoma,238", "MS Sans Serif,1"}));
  EXPECT_EQ(form.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form.Font().CharSet(), 1);
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Font().Name(), "Tahoma");
  EXPECT_EQ(form.Font().CharSet(), 238);
}

TEST_F(FontsTest, RecordWithoutCommaIsOnlyANumber) {
  TestMultiLang& ml = Lang(2);
  ml.CharSets().Assign(std::vector<std::string>{"x,1", "204"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Font().Name(), "");
  EXPECT_EQ(form.Font().CharSet(), 204);
}

TEST_F(FontsTest, NumberIsEverythingAfterTheFirstComma) {
  TestMultiLang& ml = Lang(2);
  ml.CharSets().Assign(std::vector<std::string>{"x,1", "Arial,0,1"});
  EXPECT_THROW(ml.SwitchLanguage(1), base::EConvertError);  // the number is "0,1"
  EXPECT_EQ(form.Font().Name(), "MS Sans Serif");
}

TEST_F(FontsTest, MissingRecordLeavesTheFont) {
  TestMultiLang& ml = Lang(3);
  ml.SwitchLanguage(2);
  ml.CharSets().Assign(std::vector<std::string>{"Arial,0"});
  form.Font().SetName("Tahoma");
  ml.ApplyFont();
  EXPECT_EQ(form.Font().Name(), "Tahoma");
}

TEST_F(FontsTest, OwnerWithoutFontRecordsNothing) {
  tk::TComponent bare(nullptr);
  auto* ml = tk::NewComponent<TestMultiLang>(&bare, "MultiLang1");
  ml->SwitchLanguage(1);
  EXPECT_EQ(ml->CharSets().Count(), 0);
}

}  // namespace
