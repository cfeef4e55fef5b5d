// The uninstaller's table on a window of the uninstaller's control kinds.
#include <string>
#include <vector>

#include "tests/multilang/ProbeMultiLang.h"
#include "tests/multilang/UninstallerTable.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

namespace {

class UninstallerTextsTest : public HeadlessApp {
 protected:
  UninstallerTextsTest() : window(nullptr) {
    window.SetName("Form1");
    Add<tk::TImage>("Image1");
    label1 = Add<tk::TLabel>("Label1");
    label2 = Add<tk::TLabel>("Label2");
    button1 = Add<tk::TButton>("Button1");
    button2 = Add<tk::TButton>("Button2");
    label3 = Add<tk::TLabel>("Label3");
    Add<tk::TAnimate>("Animate1");
    statusBar = Add<tk::TStatusBar>("StatusBar1");
    statusBar->SetSimpleText("Bereit");
    ml = tk::NewComponent<WatchedMultiLang>(&window, "MultiLang1");
    ml->SetLoading(true);
    ml->ChangeLanguageCount(3);
    ml->Words().Assign(UninstallerTable());
    ml->AfterLoading();
    ml->calls.clear();
  }
  template <class T>
  T* Add(const std::string& name) {
    T* c = tk::NewComponent<T>(&window, name);
    c->SetParent(&window);
    return c;
  }

  tk::TForm window;
  tk::TLabel *label1, *label2, *label3;
  tk::TButton *button1, *button2;
  tk::TStatusBar* statusBar;
  WatchedMultiLang* ml;
};

TEST_F(UninstallerTextsTest, EnglishEntriesOneAfterTheOther) {
  ml->SwitchLanguage(1);
  std::vector<std::string> names;
  for (const WatchedMultiLang::Call& call : ml->calls) {
    names.push_back(call.name);
    EXPECT_FALSE(call.failed) << call.name;
    EXPECT_EQ(call.after, call.before + 4) << call.name;  // no hint step consumed anything
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Label1", "Label2", "Button1", "Button2", "Label3",
                                             "StatusBar1"}));
  EXPECT_EQ(ml->calls.front().before, 4);
  EXPECT_EQ(ml->calls.back().after, 28);
}

TEST_F(UninstallerTextsTest, EnglishTexts) {
  ml->SwitchLanguage(1);
  EXPECT_EQ(window.Caption(), "Trelvia\xC2\xAEplus Uninstaller");
  EXPECT_EQ(label1->Caption(), "Trelvia\xC2\xAEplus Uninstaller");
  EXPECT_EQ(label2->Caption(),
            "Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1");
  EXPECT_EQ(button1->Caption(), "Start");
  EXPECT_EQ(button2->Caption(), "Cancel");
  EXPECT_EQ(label3->Caption(), "Please all Vuvavoredir application close!");
  EXPECT_EQ(statusBar->SimpleText(), "");
  EXPECT_EQ(label3->Hint(), "");
}

TEST_F(UninstallerTextsTest, PolishLettersArriveIntact) {
  ml->SwitchLanguage(2);
  EXPECT_EQ(button2->Caption(),
            "Wyj\xC5\x9B"
            "cie");
  EXPECT_EQ(label3->Caption(),
            "\xC5\x9A"
            "cie\xC5\xBCka AutuCAD");
}

TEST_F(UninstallerTextsTest, LoadingShowsTheGermanTexts) {
  EXPECT_EQ(button2->Caption(), "Abbrechen");
  EXPECT_EQ(label3->Caption(), "Bitte, alle Vuvavoredir programm abbrechen!");
  EXPECT_EQ(statusBar->SimpleText(), "");
}

}  // namespace
