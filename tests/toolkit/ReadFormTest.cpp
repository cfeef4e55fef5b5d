// Reading a window of whatever class its description names: a registered form class is made by
// name, and a class this program does not have loads as a stand-in that writes back what it read.
#include <memory>
#include <string>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Description.h"
#include "toolkit/Errors.h"
#include "toolkit/Event.h"
#include "toolkit/StandInForm.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

class TMadeForm : public TForm {
  TK_CLASS()

 public:
  explicit TMadeForm(TComponent* owner) : TForm(owner) {}
};

const ClassInfo& TMadeForm::StaticClass() {
  static const ClassInfo info{
      "TMadeForm", &TForm::StaticClass(), {}, [](TComponent* owner) -> TComponent* {
        return new TMadeForm(owner);
      }};
  return info;
}

class ReadFormTest : public HeadlessApp {
 protected:
  ReadFormTest() { RegisterClass(TMadeForm::StaticClass()); }
};

TEST_F(ReadFormTest, TheRootClassIsMadeByNameOrStoodInFor) {
  struct Case {
    const char* root;
    const ClassInfo* made;  // the class made, the stand-in's base for a class not registered
  };
  const Case cases[] = {
      {"TMadeForm", &TMadeForm::StaticClass()},
      {"TForm", &TForm::StaticClass()},
      {"TForm1", &TStandInForm::StaticClass()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.root);
    const std::unique_ptr<TForm> form =
        ReadForm("object F: " + std::string(c.root) + "\n  object B: TButton\n  end\nend\n");
    EXPECT_TRUE(form->InheritsFrom(*c.made));
    EXPECT_EQ(form->ClassName(), c.root);
    EXPECT_NE(form->FindOwnedComponent("B"), nullptr);
  }
}

TEST_F(ReadFormTest, ARegisteredClassThatIsNoFormIsRefused) {
  EXPECT_THROW(ReadForm("object L: TLabel\nend\n"), EReadError);
}

TEST_F(ReadFormTest, AStandInKeepsItsHandlersNamesRunsNothingAndWritesBackWhatItRead) {
  const std::string text = WriteComponent(
      *ReadForm("object Form1: TForm1\n  OnShow = FormShow\n"
                "  object Button1: TButton\n    OnClick = Button1Click\n  end\nend\n"));
  EXPECT_NE(text.find("object Form1: TForm1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  OnShow = FormShow\n"), std::string::npos) << text;

  const std::unique_ptr<TForm> form = ReadForm(text);
  auto* button = DynamicCast<TButton>(form->FindOwnedComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->OnClick.MethodName(), "Button1Click");
  button->Click();
  form->Show();
  EXPECT_EQ(WriteComponent(*form), text);
}

}  // namespace
