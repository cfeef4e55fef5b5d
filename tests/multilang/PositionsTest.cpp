#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

// Publishes "Top" but not "Left": an empty value fails the field count, not the conversion.
class TTopOnly : public tk::TComponent {
  TK_CLASS()
 public:
  using TComponent::TComponent;
  std::int32_t Top() const { return top; }
  void SetTop(std::int32_t v) { top = v; }
  std::int32_t top = 7;
};
const tk::ClassInfo& TTopOnly::StaticClass() {
  static const tk::PropInfo props[] = {
      tk::IntProperty<TTopOnly, &TTopOnly::Top, &TTopOnly::SetTop>("Top")};
  static const tk::ClassInfo info{"TTopOnly", &tk::TComponent::StaticClass(), props};
  return info;
}

class PositionsTest : public WindowTest {
 protected:
  TestMultiLang& Ready(TSwitchPositions mode, std::vector<std::string> words) {
    TestMultiLang& ml = Lang(3, std::move(words));
    ml.ChangeSwitchPositions(mode);
    return ml;
  }
  const std::string& RecordOf(std::string_view key) {
    return ml_->Positions()[ml_->FindPositionRecord(key)];
  }
};

TEST_F(PositionsTest, ButtonPositionFollowsTheLanguage) {
  auto* button = Add<tk::TButton>("Button1", 48, 160, 75, 25);
  TestMultiLang& ml = Ready(spFormAndControls, {"Button1", "Start", "Start", "Start"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(RecordOf("button1,"), "button1,48.160.75.25,48.160.75.25,48.160.75.25");
  EXPECT_EQ(button->Left(), 48);
  button->SetLeft(50);
  ml.SwitchLanguage(0);
  EXPECT_EQ(RecordOf("button1,"), "button1,48.160.75.25,50.160.75.25,48.160.75.25");
  EXPECT_EQ(button->Left(), 48);
  ml.SwitchLanguage(1);
  EXPECT_EQ(button->Left(), 50);
}

TEST_F(PositionsTest, WindowPositionFollowsTheLanguageWithoutAnEntry) {
  form.SetBounds(10, 20, 300, 200);
  TestMultiLang& ml = Ready(spFormAndControls, {});
  ml.SwitchLanguage(1);
  form.SetLeft(99);
  ml.SwitchLanguage(0);
  EXPECT_EQ(form.Left(), 10);
  EXPECT_EQ(RecordOf("%Form%,"), "%Form%,10.20.300.200,99.20.300.200,10.20.300.200");
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Left(), 99);
}

TEST_F(PositionsTest, ControlsOnlyNeverTouchesTheWindowRecord) {
  Add<tk::TButton>("Button1", 1, 2, 3, 4);
  form.SetBounds(10, 20, 300, 200);
  TestMultiLang& ml = Ready(spControlsOnly, {"Button1", "a", "b", "c"});
  ml.Positions().Add("%Form%,1.1.1.1,1.1.1.1,1.1.1.1");
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Left(), 10);
  EXPECT_EQ(Lines(ml.Positions()), (std::vector<std::string>{"%Form%,1.1.1.1,1.1.1.1,1.1.1.1",
                                                             "button1,1.2.3.4,1.2.3.4,1.2.3.4"}));
}

TEST_F(PositionsTest, NoneRecordsNothing) {
  Add<tk::TButton>("Button1", 1, 2, 3, 4);
  TestMultiLang& ml = Ready(spNone, {"Button1", "a", "b", "c"});
  ml.Positions().Add("button1,9.9.9.9,9.9.9.9,9.9.9.9");
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.Positions().Count(), 1);
  EXPECT_EQ(static_cast<tk::TButton*>(form.FindOwnedComponent("Button1"))->Left(), 1);
}

TEST_F(PositionsTest, NonVisualComponentsGetNoRecord) {
  tk::NewComponent<tk::TComponent>(&form, "Timer1");
  TestMultiLang& ml = Ready(spControlsOnly, {"Timer1", "a", "b", "c"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(ml.Positions().Count(), 0);
}

TEST_F(PositionsTest, RecordOfButton10IsNotTakenForButton1) {
  auto* button1 = Add<tk::TButton>("Button1", 1, 1, 1, 1);
  auto* button10 = Add<tk::TButton>("Button10", 2, 2, 2, 2);
  TestMultiLang& ml = Ready(spControlsOnly, {"Button1", "a", "b", "c", "Button10", "d", "e", "f"});
  ml.Positions().Add("button1,5.5.5.5,6.6.6.6,7.7.7.7");
  ml.Positions().Add("button10,8.8.8.8,9.9.9.9,4.4.4.4");
  ml.SwitchLanguage(2);
  EXPECT_EQ(button1->Left(), 7);
  EXPECT_EQ(button10->Left(), 4);
  EXPECT_EQ(ml.Positions().Count(), 2);
}

TEST_F(PositionsTest, LastMatchingRecordIsUsedAndKeysAreCaseSensitive) {
  auto* button = Add<tk::TButton>("Button1", 1, 1, 1, 1);
  TestMultiLang& ml = Ready(spControlsOnly, {"Button1", "a", "b", "c"});
  ml.Positions().Assign(std::vector<std::string>{"button1,5.5.5.5,5.5.5.5,5.5.5.5",
                                                 "button1,6.6.6.6,6.6.6.6,6.6.6.6",
                                                 "Button1,7.7.7.7,7.7.7.7,7.7.7.7"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(button->Left(), 6);
  EXPECT_EQ(ml.Positions()[0], "button1,5.5.5.5,5.5.5.5,5.5.5.5");
  EXPECT_EQ(ml.Positions()[1], "button1,1.1.1.1,6.6.6.6,6.6.6.6");
}

TEST_F(PositionsTest, ShortRecordIsPaddedWhenSaved) {
  Add<tk::TButton>("Button1", 1, 2, 3, 4);
  TestMultiLang& ml = Ready(spControlsOnly, {});
  ml.Positions().Add("button1,9.9.9.9");
  ml.SwitchLanguage(1);  // records language 0
  ml.SwitchLanguage(2);  // records language 1
  EXPECT_EQ(ml.Positions()[0], "button1,1.2.3.4,1.2.3.4,");
}

TEST_F(PositionsTest, RecordWithoutValueForTheLanguageMovesNothing) {
  auto* button = Add<tk::TButton>("Button1", 1, 2, 3, 4);
  TestMultiLang& ml = Ready(spNone, {});
  ml.SwitchLanguage(2);
  ml.ChangeSwitchPositions(spControlsOnly);
  ml.Positions().Add("button1,9.9.9.9,8.8.8.8");
  ml.ApplyPositions(*button, 0);
  EXPECT_EQ(button->Left(), 1);
  ml.Positions().Put(0, "button1,9.9.9.9,8.8.8.8,7.7.7.7");
  ml.ApplyPositions(*button, 0);
  EXPECT_EQ(button->Left(), 7);
}

TEST_F(PositionsTest, FieldsThatAreNoNumbersRaiseTheConversionError) {
  auto* button = Add<tk::TButton>("Button1");
  TestMultiLang& ml = Ready(spControlsOnly, {});
  ml.Positions().Add("button1,1.x.3.4");
  EXPECT_THROW(ml.ApplyPositions(*button, 0), base::EConvertError);
  EXPECT_EQ(button->Left(), 1);
  ml.Positions().Put(0, "button1,");  // an empty value: "Left" is published
  EXPECT_THROW(ml.ApplyPositions(*button, 0), base::EConvertError);
}

TEST_F(PositionsTest, ValuesWithTooFewFieldsFailTheAssertion) {
  auto* button = Add<tk::TButton>("Button1");
  auto* topOnly = tk::NewComponent<TTopOnly>(&form, "Top1");
  TestMultiLang& ml = Ready(spControlsOnly, {});
  ml.Positions().Assign(std::vector<std::string>{"button1,1.2.3", "top1,"});
  EXPECT_THROW(ml.ApplyPositions(*button, 0), base::EAssertionFailed);
  EXPECT_EQ(button->Width(), 3);  // fields before the missing one are applied
  try {
    ml.ApplyPositions(*topOnly, 0);
    FAIL() << "no error";
  } catch (const base::EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure (MLBase, line 756)");
  }
  EXPECT_EQ(topOnly->top, 7);
}

TEST_F(PositionsTest, DifferentValuesNeedTwoValuesAndADifference) {
  EXPECT_FALSE(TBaseMultiLang::HasDifferentValues("button1,1.2.3.4"));
  EXPECT_FALSE(TBaseMultiLang::HasDifferentValues("button1,1.2.3.4,1.2.3.4,1.2.3.4"));
  EXPECT_TRUE(TBaseMultiLang::HasDifferentValues("button1,1.2.3.4,1.2.3.4,1.2.3.5"));
  EXPECT_TRUE(TBaseMultiLang::HasDifferentValues("button1,1.2.3.4,"));
  EXPECT_FALSE(TBaseMultiLang::HasDifferentValues(""));
}

}  // namespace
