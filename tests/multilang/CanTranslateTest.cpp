#include "tests/multilang/TestWindow.h"
#include "toolkit/StringList.h"

using namespace ml;

namespace {

// An edit-like control: "ReadOnly" with "Text" (or "Lines"), optionally a labelled one.
class TEditLike : public tk::TWinControl {
  TK_CLASS()
 public:
  using TWinControl::TWinControl;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  bool readOnly_ = false;
};
class TMemoLike : public TEditLike {
  TK_CLASS()
 public:
  using TEditLike::TEditLike;
  const tk::TStrings& Lines() const { return lines_; }
  tk::TStringList lines_;
};
class TLabeledEditLike : public TEditLike {
  TK_CLASS()
 public:
  using TEditLike::TEditLike;
  tk::TObject* EditLabel() const { return nullptr; }
};
// Publishes "ReadOnly" but neither "Text" nor "Lines".
class TReadOnlyOnly : public tk::TWinControl {
  TK_CLASS()
 public:
  using TWinControl::TWinControl;
  bool ReadOnly() const { return true; }
};

const tk::ClassInfo& TEditLike::StaticClass() {
  static const tk::PropInfo props[] = {
      tk::BoolProperty<TEditLike, &TEditLike::ReadOnly, &TEditLike::SetReadOnly>("ReadOnly", false),
      tk::StringProperty<tk::TControl, &tk::TControl::Text, &tk::TControl::SetText>("Text"),
      tk::ObjectProperty<tk::TControl, &tk::TControl::Action>("Action"),
  };
  static const tk::ClassInfo info{"TEditLike", &tk::TWinControl::StaticClass(), props};
  return info;
}
const tk::ClassInfo& TMemoLike::StaticClass() {
  static const tk::PropInfo props[] = {
      tk::ObjectProperty<TMemoLike, &TMemoLike::Lines>("Lines"),
      tk::BoolProperty<TEditLike, &TEditLike::ReadOnly, &TEditLike::SetReadOnly>("ReadOnly",
                                                                                 false)};
  static const tk::ClassInfo info{"TMemoLike", &tk::TWinControl::StaticClass(), props};
  return info;
}
const tk::ClassInfo& TLabeledEditLike::StaticClass() {
  static const tk::PropInfo props[] = {
      tk::ObjectProperty<TLabeledEditLike, &TLabeledEditLike::EditLabel>("EditLabel")};
  static const tk::ClassInfo info{"TLabeledEditLike", &TEditLike::StaticClass(), props};
  return info;
}
const tk::ClassInfo& TReadOnlyOnly::StaticClass() {
  static const tk::PropInfo props[] = {
      tk::BoolProperty<TReadOnlyOnly, &TReadOnlyOnly::ReadOnly>("ReadOnly", false)};
  static const tk::ClassInfo info{"TReadOnlyOnly", &tk::TWinControl::StaticClass(), props};
  return info;
}

class CanTranslateTest : public WindowTest {
 protected:
  CanTranslateTest() {
    edit = Add<TEditLike>("Edit1");
    readOnlyEdit = Add<TEditLike>("Edit2");
    readOnlyEdit->SetReadOnly(true);
    memo = Add<TMemoLike>("Memo1");
    memo->SetReadOnly(true);
    labeled = Add<TLabeledEditLike>("LabeledEdit1");
    readOnlyOnly = Add<TReadOnlyOnly>("Other1");
    button = Add<tk::TButton>("Button1");
    withAction = Add<tk::TButton>("Button2");
    withAction->SetAction(&action);
    label = Add("Label1");
    Lang(2);
  }
  std::vector<bool> Answers(TTranslateEdits mode) {
    ml_->SetTranslateEdits(mode);
    std::vector<bool> out;
    for (tk::TComponent* c : std::initializer_list<tk::TComponent*>{
             edit, readOnlyEdit, memo, labeled, readOnlyOnly, button, withAction, label}) {
      out.push_back(ml_->CanTranslate(*c));
    }
    return out;
  }
  tk::TStringList action;
  TEditLike *edit, *readOnlyEdit, *labeled;
  TMemoLike* memo;
  TReadOnlyOnly* readOnlyOnly;
  tk::TButton *button, *withAction;
  tk::TLabel* label;
};

// Order of the answers: edit, read-only edit, read-only memo, labelled edit, read-only without
// text, button, button with an action, label.
TEST_F(CanTranslateTest, AlwaysTranslatesEverything) {
  EXPECT_EQ(Answers(teAlways), std::vector<bool>(8, true));
}

TEST_F(CanTranslateTest, ReadOnlyTranslatesOnlyReadOnlyEdits) {
  EXPECT_EQ(Answers(teReadOnly),
            (std::vector<bool>{false, true, true, true, true, true, false, true}));
}

TEST_F(CanTranslateTest, NeverTranslatesNoEdit) {
  EXPECT_EQ(Answers(teNever),
            (std::vector<bool>{false, false, false, true, true, true, false, true}));
}

TEST_F(CanTranslateTest, AssignedActionWinsOverEditLabel) {
  labeled->SetAction(&action);
  ml_->SetTranslateEdits(teReadOnly);
  EXPECT_FALSE(ml_->CanTranslate(*labeled));
}

TEST_F(CanTranslateTest, ReadOnlyFlagIsReadWhenAsked) {
  ml_->SetTranslateEdits(teReadOnly);
  edit->SetReadOnly(true);
  EXPECT_TRUE(ml_->CanTranslate(*edit));
}

}  // namespace
