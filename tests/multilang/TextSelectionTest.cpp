#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

class TextSelectionTest : public WindowTest {
 protected:
  TextSelectionTest() {
    for (const char* name : {"Label1", "Label2", "Button1", "Button2", "Label3", "StatusBar1"}) {
      Add(name);
    }
  }
  std::string CaptionOf(const char* name) {
    return tk::GetStrProp(*form.FindOwnedComponent(name), "Caption");
  }
};

TEST_F(TextSelectionTest, UninstallerTableInEnglish) {
  TestMultiLang& ml = Lang(3, UninstallerTable());
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
  EXPECT_EQ(ml.applied, (std::vector<std::string>{"Label1", "Label2", "Button1", "Button2",
                                                  "Label3", "StatusBar1"}));
  EXPECT_EQ(CaptionOf("Button2"), "Cancel");
  EXPECT_EQ(CaptionOf("Label2"),
            "Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1");
}

TEST_F(TextSelectionTest, EmptyTextEmptiesTheCaptionWithoutDefault) {
  TestMultiLang& ml = Lang(3, {"%Form%", "Start", "", "Start", "Button1", "Go", "", ""});
  form.SetCaption("old");
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "");
  EXPECT_EQ(CaptionOf("Button1"), "");
}

TEST_F(TextSelectionTest, EmptyTextTakesTheDefaultLanguagesWhenEnabled) {
  TestMultiLang& ml = Lang(3, {"%Form%", "Start", "", "Begin", "Button1", "", "", "Go"});
  ml.ChangeDefaultLanguage(2);
  ml.ChangeDefaultEnabled(true);
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "Begin");
  EXPECT_EQ(CaptionOf("Button1"), "Go");
}

TEST_F(TextSelectionTest, DefaultTextMayBeEmptyToo) {
  TestMultiLang& ml = Lang(2, {"%Form%", "", ""});
  ml.ChangeDefaultEnabled(true);
  form.SetCaption("old");
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "");
}

TEST_F(TextSelectionTest, NonEmptyTextIsNeverReplaced) {
  TestMultiLang& ml = Lang(2, {"%Form%", "Start", "Go"});
  ml.ChangeDefaultEnabled(true);
  ml.SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "Go");
}

}  // namespace
