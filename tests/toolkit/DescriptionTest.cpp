#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Description.h"
#include "toolkit/Errors.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

// Every setter and after-loading call of the test classes, with the loading flag at that moment.
struct Call {
  std::string what;
  bool loading;
};
std::vector<Call>& Calls() {
  static std::vector<Call> calls;
  return calls;
}
std::vector<std::string> CallNames() {
  std::vector<std::string> out;
  for (const Call& c : Calls()) out.push_back(c.what);
  return out;
}

constexpr std::string_view kGammaNames[] = {"gNone", "gOne", "gTwo"};
constexpr std::string_view kFlagNames[] = {"fA", "fB", "fC"};

class TRecorder;

class TRecInner : public TPersistent {
  TK_CLASS()

 public:
  explicit TRecInner(const TRecorder& owner) : owner_(owner) {}
  std::int32_t First() const { return first_; }
  void SetFirst(std::int32_t v);
  std::int32_t Second() const { return second_; }
  void SetSecond(std::int32_t v);

 private:
  const TRecorder& owner_;
  std::int32_t first_ = 0, second_ = 0;
};

// A non-visual component whose setters record when they run.
class TRecorder : public TComponent {
  TK_CLASS()

 public:
  explicit TRecorder(TComponent* owner) : TComponent(owner), inner_(*this) {
    items_.SetObserver([this](StringsChange, int) { Record("Items"); });
  }
  void Record(const std::string& what) const {
    Calls().push_back({Name() + "." + what, IsLoading()});
  }

  std::int32_t Alpha() const { return alpha_; }
  void SetAlpha(std::int32_t v) {
    if (v == 666) throw base::EStringListError("Alpha refused");
    alpha_ = v;
    Record("Alpha");
  }
  const std::string& Beta() const { return beta_; }
  void SetBeta(const std::string& v) {
    beta_ = v;
    Record("Beta");
  }
  std::int32_t Gamma() const { return gamma_; }
  void SetGamma(std::int32_t v) {
    gamma_ = v;
    Record("Gamma");
  }
  const TStrings& Items() const { return items_; }
  TStrings& Items() { return items_; }
  void SetItems(TObject*) { Record("SetItems"); }
  bool Delta() const { return delta_; }
  void SetDelta(bool v) {
    delta_ = v;
    Record("Delta");
  }
  std::int32_t Flags() const { return flags_; }
  void SetFlags(std::int32_t v) {
    flags_ = v;
    Record("Flags");
  }
  const TRecInner& Inner() const { return inner_; }
  TRecInner& Inner() { return inner_; }

  TNotifyEvent OnPing;

  void AfterLoading() override {
    Record("AfterLoading");
    TComponent::AfterLoading();
  }

 private:
  std::int32_t alpha_ = 0;
  std::string beta_;
  std::int32_t gamma_ = 0;
  TStringList items_;
  bool delta_ = false;
  std::int32_t flags_ = 0;
  TRecInner inner_;
};

void TRecInner::SetFirst(std::int32_t v) {
  first_ = v;
  owner_.Record("Inner.First");
}
void TRecInner::SetSecond(std::int32_t v) {
  second_ = v;
  owner_.Record("Inner.Second");
}

const ClassInfo& TRecInner::StaticClass() {
  static const PropInfo props[] = {
      IntProperty<TRecInner, &TRecInner::First, &TRecInner::SetFirst>("First"),
      IntProperty<TRecInner, &TRecInner::Second, &TRecInner::SetSecond>("Second"),
  };
  static const ClassInfo info{"TRecInner", &TPersistent::StaticClass(), props};
  return info;
}

const ClassInfo& TRecorder::StaticClass() {
  static const PropInfo props[] = {
      IntProperty<TRecorder, &TRecorder::Alpha, &TRecorder::SetAlpha>("Alpha"),
      StringProperty<TRecorder, &TRecorder::Beta, &TRecorder::SetBeta>("Beta"),
      EnumProperty<TRecorder, &TRecorder::Gamma, &TRecorder::SetGamma>("Gamma", kGammaNames, 0),
      ObjectProperty<TRecorder,
                     static_cast<const TStrings& (TRecorder::*)() const>(&TRecorder::Items),
                     &TRecorder::SetItems>("Items"),
      BoolProperty<TRecorder, &TRecorder::Delta, &TRecorder::SetDelta>("Delta", false),
      SetProperty<TRecorder, &TRecorder::Flags, &TRecorder::SetFlags>("Flags", kFlagNames, 0),
      ObjectProperty<TRecorder, static_cast<const TRecInner& (TRecorder::*)() const>(
                                    &TRecorder::Inner)>("Inner"),
      EventProperty<TRecorder, &TRecorder::OnPing>("OnPing"),
  };
  static const ClassInfo info{"TRecorder", &TComponent::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TRecorder(o); }};
  return info;
}

// A window class with methods that stored events bind to by name.
class TMyForm : public TForm {
  TK_CLASS()

 public:
  explicit TMyForm(TComponent* owner = nullptr) : TForm(owner) {}
  void Handler(TObject* sender) {
    ++handled;
    lastSender = sender;
  }
  void TwoArguments(TObject*, int) {}
  void AfterLoading() override {
    Calls().push_back({Name() + ".AfterLoading", IsLoading()});
    TForm::AfterLoading();
  }

  int handled = 0;
  TObject* lastSender = nullptr;
};

const ClassInfo& TMyForm::StaticClass() {
  static const MethodInfo methods[] = {
      Method<&TMyForm::Handler>("Handler"),
      Method<&TMyForm::TwoArguments>("TwoArguments"),
  };
  static const ClassInfo info{"TMyForm", &TForm::StaticClass(), {}, nullptr, methods};
  return info;
}

template <class T>
T& Find(const TComponent& root, const char* name) {
  auto* c = DynamicCast<T>(root.FindOwnedComponent(name));
  if (c == nullptr) throw std::runtime_error(std::string("missing ") + name);
  return *c;
}

class DescriptionTest : public HeadlessApp {
 protected:
  DescriptionTest() {
    RegisterClass(TRecorder::StaticClass());
    Calls().clear();
  }

  // A window read from `text`.
  std::unique_ptr<TMyForm> Read(const std::string& text) {
    auto form = std::make_unique<TMyForm>();
    ReadComponent(text, *form);
    return form;
  }
};

// The uninstaller's kind of window, as the writer writes it.
const std::string kCanonical = R"(object Form1: TMyForm
  Left = 361
  Top = 154
  BorderStyle = bsSingle
  Caption = "Trelvia®plus Deinstaller"
  ClientHeight = 231
  ClientWidth = 375
  Color = 16777215
  Font.Height = -11
  Font.Name = "MS Sans Serif"
  OnShow = Handler
  Position = poScreenCenter
  object Label1: TLabel
    Left = 24
    Top = 16
    Width = 181
    Height = 16
    Caption = "Trelvia®plus Deinstaller"
    Font.Height = -13
    Font.Name = "MS Sans Serif"
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 40
    Top = 40
    Width = 189
    Height = 39
    Caption = "Deinstallieren\r\n     Vuvavoredir Menü 6.1"
  end
  object Image2: TImage
    Left = 245
    Top = 8
    Width = 124
    Height = 41
    Picture = "LOGO"
    Transparent = True
  end
  object Button1: TButton
    Left = 48
    Top = 160
    Width = 75
    Height = 25
    Caption = "Start"
    OnClick = Handler
    TabOrder = 0
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 212
    Width = 375
    Height = 19
    Color = 16777215
    SimplePanel = True
  end
  object Animate1: TAnimate
    Left = 32
    Top = 88
    Width = 304
    Height = 60
    CommonAVI = aviDeleteFile
    StopFrame = 24
  end
  object ListBox1: TListBox
    Left = 40
    Top = 96
    Width = 289
    Height = 39
    Visible = False
    Items = (
      "VLC"
      "VLC\\http\t"
    )
    TabOrder = 4
  end
  object MultiLang1: TRecorder
    Alpha = 3
    Items = (
      "%Form%"
      "Deinstallieren"
    )
  end
end
)";

// ---------------------------------------------------------------------------------------------
// Round trips

TEST_F(DescriptionTest, CanonicalTextReadsBackToTheSameBytes) {
  auto form = Read(kCanonical);
  EXPECT_EQ(WriteComponent(*form), kCanonical);
}

TEST_F(DescriptionTest, CanonicalTextSetsEveryControlKind) {
  auto form = Read(kCanonical);
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->BorderStyle(), bsSingle);
  EXPECT_EQ(form->ClientWidth(), 375);
  EXPECT_EQ(form->Caption(), "Trelvia®plus Deinstaller");
  EXPECT_EQ(form->Position(), poScreenCenter);
  EXPECT_EQ(form->OwnedCount(), 8);

  auto& label1 = Find<TLabel>(*form, "Label1");
  EXPECT_EQ(label1.Parent(), form.get());
  EXPECT_EQ(label1.Font().Style(), fsBold);
  EXPECT_EQ(label1.Font().Height(), -13);
  EXPECT_FALSE(label1.ParentFont());
  EXPECT_TRUE(Find<TLabel>(*form, "Label2").ParentFont());
  EXPECT_EQ(Find<TLabel>(*form, "Label2").Caption(), "Deinstallieren\r\n     Vuvavoredir Menü 6.1");
  EXPECT_EQ(Find<TImage>(*form, "Image2").Picture(), "LOGO");
  EXPECT_EQ(Find<TButton>(*form, "Button1").TabOrder(), 0);
  EXPECT_EQ(Find<TStatusBar>(*form, "StatusBar1").Color(), clWhite);
  EXPECT_EQ(Find<TAnimate>(*form, "Animate1").CommonAVI(), aviDeleteFile);
  auto& list = Find<TListBox>(*form, "ListBox1");
  EXPECT_FALSE(list.Visible());
  ASSERT_EQ(list.Items().Count(), 2);
  EXPECT_EQ(list.Items()[1], "VLC\\http\t");
  EXPECT_EQ(Find<TRecorder>(*form, "MultiLang1").Owner(), form.get());
}

TEST_F(DescriptionTest, BuiltWindowWritesAndReadsBackToTheSameState) {
  TMyForm form;
  form.SetName("Main");
  form.SetCaption("Caption");
  form.Font().SetName("Tahoma");
  form.Font().SetCharSet(238);
  form.OnShow.Bind(form, *TMyForm::StaticClass().FindMethod("Handler"));
  auto* label = NewComponent<TLabel>(&form, "Title");
  label->SetParent(&form);
  label->SetBounds(1, 2, 3, 4);
  label->SetCaption("Ścieżka");
  label->SetTransparent(true);
  label->Font().SetStyle(fsBold | fsUnderline);
  auto* button = NewComponent<TButton>(&form, "Ok");
  button->SetParent(&form);
  button->SetEnabled(false);
  button->SetHint("press");
  auto* anim = NewComponent<TAnimate>(&form, "Anim");
  anim->SetParent(&form);
  anim->SetCenter(false);
  anim->SetActive(true);
  auto* rec = NewComponent<TRecorder>(&form, "Rec");
  rec->SetGamma(2);
  rec->SetFlags(5);
  rec->SetDelta(true);
  rec->Inner().SetSecond(-7);
  rec->OnPing.Bind(form, *TMyForm::StaticClass().FindMethod("Handler"));

  const std::string text = WriteComponent(form);
  auto copy = Read(text);
  EXPECT_EQ(WriteComponent(*copy), text);
  EXPECT_EQ(copy->Font().Name(), "Tahoma");
  EXPECT_EQ(copy->Font().CharSet(), 238);
  auto& title = Find<TLabel>(*copy, "Title");
  EXPECT_EQ(title.Caption(), "Ścieżka");
  EXPECT_EQ(title.Height(), 4);
  EXPECT_EQ(title.Font().Style(), fsBold | fsUnderline);
  EXPECT_EQ(title.Font().Name(), "Tahoma");
  EXPECT_FALSE(Find<TButton>(*copy, "Ok").Enabled());
  EXPECT_EQ(Find<TButton>(*copy, "Ok").Hint(), "press");
  EXPECT_TRUE(Find<TAnimate>(*copy, "Anim").Active());
  EXPECT_FALSE(Find<TAnimate>(*copy, "Anim").Center());
  auto& copyRec = Find<TRecorder>(*copy, "Rec");
  EXPECT_EQ(copyRec.Gamma(), 2);
  EXPECT_EQ(copyRec.Flags(), 5);
  EXPECT_TRUE(copyRec.Delta());
  EXPECT_EQ(copyRec.Inner().Second(), -7);
  EXPECT_NE(text.find("Flags = [fA, fC]"), std::string::npos);
  EXPECT_NE(text.find("Inner.Second = -7"), std::string::npos);
}

TEST_F(DescriptionTest, DefaultsAndEmptyListsAreNotWritten) {
  TMyForm form;
  form.SetName("F");
  auto* rec = NewComponent<TRecorder>(&form, "Rec");
  auto* list = NewComponent<TListBox>(&form, "List");
  list->SetParent(&form);
  auto* button = NewComponent<TButton>(&form, "B");
  button->SetParent(&form);
  button->SetAction(rec);

  const std::string text = WriteComponent(form);
  for (const char* absent : {"Caption", "Hint", "Color", "BorderStyle", "Items", "Alpha", "Gamma",
                             "Delta", "Flags", "Inner", "OnPing", "OnShow", "ItemHeight", "Action",
                             "Enabled", "ParentFont", "CharSet", "Style"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  rec->Items().Add("one");
  list->Items().Add("two");
  const std::string withItems = WriteComponent(form);
  EXPECT_NE(withItems.find("    Items = (\n      \"one\"\n    )\n"), std::string::npos);
  EXPECT_NE(withItems.find("    Items = (\n      \"two\"\n    )\n"), std::string::npos);
}

TEST_F(DescriptionTest, EscapesRoundTrip) {
  TMyForm form;
  form.SetName("F");
  const std::string tricky = "a\r\nb \"q\" c\\d\te\x01\x7F Ścieżka Menü";
  form.SetCaption(tricky);
  const std::string text = WriteComponent(form);
  EXPECT_NE(text.find(R"(Caption = "a\r\nb \"q\" c\\d\te\x01\x7F Ścieżka Menü")"),
            std::string::npos)
      << text;
  EXPECT_EQ(Read(text)->Caption(), tricky);
}

TEST_F(DescriptionTest, ReadingAcceptsHexEscapesCommentsAndFreeIndentation) {
  auto form = Read(
      "\xEF\xBB\xBF# a window\r\n"
      "object F: TForm\r\n"
      "      Caption = \"\\x41\\x7a\\\\\"   \r\n"
      "\r\n"
      "   # inside\r\n"
      "Left = $10\r\n"
      "  Top = -$1\r\n"
      "OBJECT L: TLabel\r\n"
      "Caption=\"x\"\r\n"
      "END\r\n"
      "end\r\n"
      "# trailing\r\n");
  EXPECT_EQ(form->Caption(), "Az\\");
  EXPECT_EQ(form->Left(), 16);
  EXPECT_EQ(form->Top(), -1);
  EXPECT_EQ(Find<TLabel>(*form, "L").Caption(), "x");
}

TEST_F(DescriptionTest, RootMayNameABaseClassOfTheWindow) {
  auto form = Read("object Plain: TForm\nend\n");
  EXPECT_EQ(form->Name(), "Plain");
}

// ---------------------------------------------------------------------------------------------
// Nesting

TEST_F(DescriptionTest, ControlsNestUnderTheirParentAndNonVisualsInTheRoot) {
  TMyForm form;
  form.SetName("F");
  auto* inner = NewComponent<TLabel>(&form, "Inner");  // created before its parent
  auto* bar = NewComponent<TStatusBar>(&form, "Bar");
  bar->SetParent(&form);
  inner->SetParent(bar);
  NewComponent<TRecorder>(&form, "Rec");

  const std::string text = WriteComponent(form);
  const std::size_t barAt = text.find("  object Bar: TStatusBar\n");
  const std::size_t innerAt = text.find("    object Inner: TLabel\n");
  const std::size_t recAt = text.find("\n  object Rec: TRecorder\n");
  ASSERT_NE(barAt, std::string::npos) << text;
  ASSERT_NE(innerAt, std::string::npos) << text;
  ASSERT_NE(recAt, std::string::npos) << text;
  EXPECT_LT(barAt, innerAt);
  EXPECT_LT(innerAt, recAt);

  auto copy = Read(text);
  auto& copyBar = Find<TStatusBar>(*copy, "Bar");
  EXPECT_EQ(copyBar.Parent(), copy.get());
  EXPECT_EQ(Find<TLabel>(*copy, "Inner").Parent(), &copyBar);
  EXPECT_EQ(Find<TLabel>(*copy, "Inner").Owner(), copy.get());
  EXPECT_EQ(WriteComponent(*copy), text);
}

TEST_F(DescriptionTest, NonVisualInsideAControlIsOwnedByTheRootAndWrittenThere) {
  auto form = Read(
      "object F: TMyForm\n"
      "  object Bar: TStatusBar\n"
      "    object Rec: TRecorder\n"
      "    end\n"
      "  end\n"
      "end\n");
  auto& rec = Find<TRecorder>(*form, "Rec");
  EXPECT_EQ(rec.Owner(), form.get());
  EXPECT_NE(WriteComponent(*form).find("\n  end\n  object Rec: TRecorder\n"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// Order and the loading state

const char* const kScrambled =
    "object F: TMyForm\n"
    "  object R: TRecorder\n"
    "    OnPing = Handler\n"
    "    Inner.Second = 2\n"
    "    Delta = True\n"
    "    Items = (\n"
    "      \"a\"\n"
    "    )\n"
    "    Flags = [fB]\n"
    "    Inner.First = 1\n"
    "    Gamma = gOne\n"
    "    Beta = \"b\"\n"
    "    Alpha = 1\n"
    "  end\n"
    "  object S: TRecorder\n"
    "    Alpha = 2\n"
    "  end\n"
    "end\n";

TEST_F(DescriptionTest, SettersRunInDeclarationOrderNotFileOrder) {
  auto form = Read(kScrambled);
  const std::vector<std::string> expected = {"R.Alpha",        "R.Beta",         "R.Gamma",
                                             "R.Items",        "R.Delta",        "R.Flags",
                                             "R.Inner.First",  "R.Inner.Second", "S.Alpha",
                                             "F.AfterLoading", "R.AfterLoading", "S.AfterLoading"};
  EXPECT_EQ(CallNames(), expected);
}

TEST_F(DescriptionTest, StringListsAreFilledInPlaceWithoutTheirSetter) {
  auto form = Read(kScrambled);
  auto& rec = Find<TRecorder>(*form, "R");
  ASSERT_EQ(rec.Items().Count(), 1);
  EXPECT_EQ(rec.Items()[0], "a");
  for (const Call& c : Calls()) EXPECT_NE(c.what, "R.SetItems");
}

TEST_F(DescriptionTest, SettersRunInTheLoadingStateWhichAfterLoadingClears) {
  auto form = Read(kScrambled);
  ASSERT_FALSE(Calls().empty());
  for (const Call& c : Calls()) EXPECT_TRUE(c.loading) << c.what;
  EXPECT_FALSE(form->IsLoading());
  EXPECT_FALSE(Find<TRecorder>(*form, "R").IsLoading());
  EXPECT_FALSE(Find<TRecorder>(*form, "S").IsLoading());
}

TEST_F(DescriptionTest, LoadsFromTheBackendByResourceName) {
  backend.AddDescription("TMYFORM", "object Stored: TMyForm\n  Caption = \"c\"\nend\n");
  TMyForm form;
  LoadFormDescription(form, "TMyForm");
  EXPECT_EQ(form.Caption(), "c");
  EXPECT_EQ(CallNames(), std::vector<std::string>{"Stored.AfterLoading"});
}

TEST_F(DescriptionTest, MissingResourceIsAReadError) {
  TMyForm form;
  try {
    LoadFormDescription(form, "TNOWHERE");
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Resource TNOWHERE not found");
  }
}

// ---------------------------------------------------------------------------------------------
// Events

TEST_F(DescriptionTest, EventsBindToTheRootsMethodsByName) {
  auto form = Read(kCanonical);
  auto& button = Find<TButton>(*form, "Button1");
  button.Click();
  EXPECT_EQ(form->handled, 1);
  EXPECT_EQ(form->lastSender, &button);
  form->Show();
  EXPECT_EQ(form->handled, 2);
  EXPECT_EQ(form->lastSender, form.get());
  EXPECT_EQ(button.OnClick.MethodName(), "Handler");
}

TEST_F(DescriptionTest, EventOfANonVisualComponentBindsToTheRoot) {
  auto form = Read(kScrambled);
  auto& rec = Find<TRecorder>(*form, "R");
  rec.OnPing(&rec);
  EXPECT_EQ(form->handled, 1);
  EXPECT_EQ(form->lastSender, &rec);
}

// ---------------------------------------------------------------------------------------------
// Errors

TEST_F(DescriptionTest, FailedReadDestroysWhatItCreated) {
  TMyForm form;
  EXPECT_THROW(ReadComponent("object F: TMyForm\n"
                             "  object A: TLabel\n"
                             "  end\n"
                             "  object B: TRecorder\n"
                             "    Alpha = 1\n"
                             "  end\n"
                             "  object C: TLabel\n"
                             "    Bogus = 1\n"
                             "  end\n"
                             "end\n",
                             form),
               EReadError);
  EXPECT_EQ(form.OwnedCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_FALSE(form.IsLoading());
}

TEST_F(DescriptionTest, SetterErrorsPropagateAsTheyAre) {
  TMyForm form;
  EXPECT_THROW(
      ReadComponent("object F: TMyForm\n object R: TRecorder\n Alpha = 666\n end\nend\n", form),
      base::EStringListError);
}

TEST_F(DescriptionTest, UnwritableEnumerationValueIsAnError) {
  TMyForm form;
  NewComponent<TRecorder>(&form, "R")->SetGamma(7);
  EXPECT_THROW(WriteComponent(form), base::Exception);
}

struct BadText {
  const char* name;
  std::string text;
  const char* message;  // the whole message, line number included
};

class DescriptionErrorTest : public DescriptionTest,
                             public ::testing::WithParamInterface<BadText> {};

TEST_P(DescriptionErrorTest, NamesTheLineAndTheFault) {
  TMyForm form;
  try {
    ReadComponent(GetParam().text, form);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

const std::string kHead = "object F: TMyForm\n";

INSTANTIATE_TEST_SUITE_P(
    Description, DescriptionErrorTest,
    ::testing::Values(
        BadText{"Empty", "# nothing\n", "The description holds no object"},
        BadText{"NoHeader", "Caption = \"x\"\n", "Line 1: expected 'object Name: TClass'"},
        BadText{"OtherRootClass", "object F: TLabel\nend\n",
                "Line 1: the description is of class TLabel, not of TMyForm"},
        BadText{"UnknownClass", kHead + "  object X: TNoSuch\n  end\nend\n",
                "Line 2: class TNoSuch is not registered"},
        BadText{"UnknownProperty", kHead + "  Caption = \"x\"\n  Bogus = 1\nend\n",
                "Line 3: TMyForm has no property Bogus"},
        BadText{"UnknownSubProperty", kHead + "  Font.Bogus = 1\nend\n",
                "Line 2: Font has no property Bogus"},
        BadText{"BadInteger", kHead + "  Left = 12x\nend\n",
                "Line 2: Left takes an integer, not 12x"},
        BadText{"IntegerTooBig", kHead + "  Left = 2147483648\nend\n",
                "Line 2: Left takes an integer, not 2147483648"},
        BadText{"StringForInteger", kHead + "  Left = \"12\"\nend\n",
                "Line 2: Left takes an integer"},
        BadText{"WordForString", kHead + "  Caption = abc\nend\n",
                "Line 2: Caption takes a quoted string"},
        BadText{"BadBoolean", kHead + "  Visible = Yes\nend\n",
                "Line 2: Visible takes True or False, not Yes"},
        BadText{"UnknownEnumName", kHead + "  BorderStyle = bsRound\nend\n",
                "Line 2: unknown value bsRound for BorderStyle"},
        BadText{"UnknownSetElement", kHead + "  Font.Style = [fsBold, fsWide]\nend\n",
                "Line 2: unknown element fsWide in the set of Font.Style"},
        BadText{"UnterminatedString", kHead + "  Caption = \"abc\nend\n",
                "Line 2: unterminated string"},
        BadText{"UnknownEscape", kHead + "  Caption = \"a\\qb\"\nend\n",
                "Line 2: unknown escape \\q in string"},
        BadText{"ShortHexEscape", kHead + "  Caption = \"a\\x4\"\nend\n",
                "Line 2: \\x needs two hexadecimal digits"},
        BadText{"RawBytesNotUtf8", kHead + "  Caption = \"caf\xE9\"\nend\n",
                "Line 2: the string is not UTF-8"},
        BadText{"EscapesNotUtf8", kHead + "  Caption = \"caf\\xE9\"\nend\n",
                "Line 2: the string is not UTF-8"},
        BadText{
            "ListItemNotUtf8",
            kHead + "  object L: TListBox\n    Items = (\n      \"a\"\n      \"\\xC3\"\n    )\n",
            "Line 5: the string is not UTF-8"},
        BadText{"TextAfterString", kHead + "  Caption = \"a\" b\nend\n",
                "Line 2: unexpected text after the string:  b"},
        BadText{"MissingEnd", kHead + "  Caption = \"a\"\n", "Line 1: object F has no 'end'"},
        BadText{"MissingListEnd", kHead + "  object L: TListBox\n    Items = (\n      \"a\"\n",
                "Line 3: list Items has no closing ')'"},
        BadText{"BareWordInList", kHead + "  object L: TListBox\n    Items = (\n      a\n    )\n",
                "Line 4: expected a quoted string or ')' in a list"},
        BadText{"ListForNonList", kHead + "  Caption = (\n  )\nend\n",
                "Line 2: Caption takes a quoted string"},
        BadText{"ValueForSubObject", kHead + "  Font = 3\nend\n",
                "Line 2: Font is not a string list; set its properties as Font.Name"},
        BadText{"NoEquals", kHead + "  Caption \"x\"\nend\n",
                "Line 2: expected 'Name = value', 'object' or 'end'"},
        BadText{"MissingValue", kHead + "  Caption =\nend\n", "Line 2: missing value for Caption"},
        BadText{"GivenTwice", kHead + "  Left = 1\n  Left = 2\nend\n",
                "Line 3: Left is given twice"},
        BadText{"TextAfterRoot", kHead + "end\nobject G: TForm\nend\n",
                "Line 3: unexpected text after the root object's end"},
        BadText{"DuplicateName",
                kHead + "  object A: TLabel\n  end\n  object a: TButton\n  end\nend\n",
                "Line 4: a component named a already exists"},
        BadText{"ControlInNonWindowedControl",
                kHead + "  object A: TLabel\n    object B: TLabel\n    end\n  end\nend\n",
                "Line 3: control B cannot be placed on A, which is not a windowed control"},
        BadText{"UnknownMethod", kHead + "  OnShow = Nowhere\nend\n",
                "Line 2: method Nowhere not found in TMyForm"},
        BadText{"MethodOfOtherSignature", kHead + "  OnShow = TwoArguments\nend\n",
                "Line 2: method TwoArguments does not fit event OnShow"},
        BadText{"ReferenceNotReadable",
                kHead + "  object B: TButton\n    Action.Name = \"x\"\n  end\nend\n",
                "Line 3: Action is not an object of TButton"}),
    [](const ::testing::TestParamInfo<BadText>& info) { return std::string(info.param.name); });

}  // namespace
