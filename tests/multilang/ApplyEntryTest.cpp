#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/multilang/ProbeMultiLang.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

namespace {

// A class of no known kind that publishes both "Caption" and "Text"; its Text can refuse.
class TCaptionAndText : public tk::TComponent {
  TK_CLASS()

 public:
  explicit TCaptionAndText(tk::TComponent* owner) : TComponent(owner) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& s) { caption_ = s; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& s) {
    if (refuseText) throw base::Exception("refused");
    text_ = s;
  }
  bool refuseText = false;

 private:
  std::string caption_, text_;
};

const tk::ClassInfo& TCaptionAndText::StaticClass() {
  using C = TCaptionAndText;
  static const tk::PropInfo props[] = {
      tk::StringProperty<C, &C::Caption, &C::SetCaption>("Caption"),
      tk::StringProperty<C, &C::Text, &C::SetText>("Text"),
  };
  static const tk::ClassInfo info{"TCaptionAndText", &TComponent::StaticClass(), props};
  return info;
}

class ApplyEntryTest : public HeadlessApp {
 protected:
  ApplyEntryTest() : window(nullptr) { window.SetName("Form1"); }

  template <class T>
  T* Add(const std::string& name) {
    T* c = tk::NewComponent<T>(&window, name);
    if constexpr (std::is_base_of_v<tk::TControl, T>) c->SetParent(&window);
    return c;
  }
  template <class ML = ProbeMultiLang>
  ML& Lang(int languages, std::vector<std::string> words) {
    auto* ml = tk::NewComponent<ML>(&window, "MultiLang1");
    ml->SetLoading(true);
    ml->ChangeLanguageCount(static_cast<std::uint8_t>(languages));
    ml->SetLoading(false);
    ml->Words().Assign(std::move(words));
    return *ml;
  }

  tk::TForm window;
};

TEST_F(ApplyEntryTest, NegativeIndexFailsTheAssertionAfterThePositions) {
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  ProbeMultiLang& ml = Lang(2, {"Label1", "eins", "one"});
  ml.ChangeSwitchPositions(ml::spControlsOnly);
  ml.Positions().Add("label1,1.2.3.4,5.6.7.8");
  std::int32_t index = -4;
  try {
    ml.ApplyEntry(*label, index);
    FAIL() << "no error";
  } catch (const base::EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure (MLang, line 2128)");
  }
  EXPECT_EQ(index, -4);
  EXPECT_EQ(label->Left(), 1);  // language 0's position came first
  EXPECT_EQ(label->Caption(), "");
}

TEST_F(ApplyEntryTest, PositionsAreAppliedToAControlThatTakesNoTexts) {
  tk::TEdit* edit = Add<tk::TEdit>("Edit1");
  edit->SetText("typed");
  ProbeMultiLang& ml = Lang(2, {"Edit1", "eins", "one"});
  ml.ChangeSwitchPositions(ml::spControlsOnly);
  ml.SwitchLanguage(1);
  ml.Positions().Put(ml.FindPositionRecord("edit1,"), "edit1,1.2.3.4,5.6.7.8");
  std::int32_t index = 0;
  ml.ApplyEntry(*edit, index);
  EXPECT_EQ(edit->Left(), 5);
  EXPECT_EQ(edit->Text(), "typed");
}

TEST_F(ApplyEntryTest, ClassPublishingCaptionAndTextTakesTwoEntriesCaptionFirst) {
  auto* both = Add<TCaptionAndText>("Both1");
  ProbeMultiLang& ml = Lang(2, {"Both1", "Titel", "Title", "\"", "Inhalt", "Content"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(both->Caption(), "Title");
  EXPECT_EQ(both->Text(), "Content");
}

TEST_F(ApplyEntryTest, SetTextPropertyWritesOnlyAPublishedStringProperty) {
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  ml::TMultiLang::SetTextProperty(*label, "caption", "written");
  EXPECT_EQ(label->Caption(), "written");
  ml::TMultiLang::SetTextProperty(*label, "Text", "ignored");  // a label has no "Text"
  ml::TMultiLang::SetTextProperty(*label, "Left", "12");       // not a string property
  EXPECT_EQ(label->Caption(), "written");
  EXPECT_EQ(label->Left(), 0);
}

// The walk picks up the entries that a block leaves: item entries beyond a list's items are
// stepped over, and the next component's entry is applied.
TEST_F(ApplyEntryTest, SwitchStepsOverItemEntriesThatAListLeaves) {
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a"});
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  WatchedMultiLang& ml =
      Lang<WatchedMultiLang>(2, {"ListBox1", "Liste", "List", "\"", "zwei", "two", "\"", "drei",
                                 "three", "Label1", "Text", "Text en"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(list->Items().Items(), std::vector<std::string>{"List"});
  EXPECT_EQ(label->Caption(), "Text en");
  ASSERT_EQ(ml.calls.size(), 2u);
  EXPECT_EQ(ml.calls[1].name, "Label1");
  EXPECT_EQ(ml.calls[1].before, 9);
}

TEST_F(ApplyEntryTest, RadioGroupWithOnlyItsCaptionEntryConsumesTheNextComponentsEntry) {
  auto* group = Add<tk::TRadioGroup>("RadioGroup1");
  group->Items().Assign(std::vector<std::string>{"a", "b"});
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  label->SetCaption("old");
  ProbeMultiLang& ml = Lang(2, {"RadioGroup1", "Farbe", "Colour", "Label1", "Text", "Text en"});
  ml.SwitchLanguage(1);
  EXPECT_EQ(group->Items().Items(), (std::vector<std::string>{"Text en", ""}));
  EXPECT_EQ(label->Caption(), "old");
}

TEST_F(ApplyEntryTest, SwitchStepsOverAnEntryThatNothingConsumes) {
  Add<tk::TMainMenu>("MainMenu1");
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  WatchedMultiLang& ml =
      Lang<WatchedMultiLang>(2, {"MainMenu1", "Men\xC3\xBC", "Menu", "Label1", "Text", "Text en"});
  ml.SwitchLanguage(1);
  ASSERT_EQ(ml.calls.size(), 2u);
  EXPECT_EQ(ml.calls[0].after, 0);
  EXPECT_EQ(label->Caption(), "Text en");
}

TEST_F(ApplyEntryTest, ErrorInTheMiddleLeavesIndexAndTheSwitchGoesOn) {
  auto* both = Add<TCaptionAndText>("Both1");
  both->refuseText = true;
  tk::TLabel* label = Add<tk::TLabel>("Label1");
  WatchedMultiLang& ml = Lang<WatchedMultiLang>(
      2, {"Both1", "Titel", "Title", "\"", "Inhalt", "Content", "Label1", "Text", "Text en"});
  ml.SwitchLanguage(1);
  ASSERT_EQ(ml.calls.size(), 2u);
  EXPECT_TRUE(ml.calls[0].failed);
  EXPECT_EQ(ml.calls[0].after, 0);
  EXPECT_EQ(both->Caption(), "Title");  // written before the failure
  EXPECT_EQ(label->Caption(), "Text en");
}

}  // namespace
