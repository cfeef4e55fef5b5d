// The Win32 read-back of the kind tests: it reads the native control, never silently the model.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "multilang/KindTable.h"
#include "tests/multilang/win32/ShownTexts.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/native/StatusBar.h"

using namespace kindcases;

namespace {

using ShownTextsTest = Win32App;

TEST_F(ShownTextsTest, KindsWithANativeControlOrMenuAreShownNatively) {
  for (const char* kind :
       {"TForm",           "TLabel",      "TButton",        "TEdit",         "TMemo",
        "TLabeledEdit",    "TListBox",    "TDBListBox",     "TComboBox",     "TDBComboBox",
        "TFilterComboBox", "TComboBoxEx", "TRadioGroup",    "TDBRadioGroup", "TTreeView",
        "TListView",       "TStatusBar",  "THeaderControl", "TTabControl",   "TTabSet",
        "TTabbedNotebook", "TStringGrid", "TMenuItem",      "TMainMenu"}) {
    EXPECT_TRUE(ShownNatively(kind)) << kind;
  }
}

TEST_F(ShownTextsTest, ModelKindsAreNotShownNatively) {
  for (const char* kind : {"TValueListEditor", "TDBGrid", "TDBNavigator", "TNotebook", "THeader",
                           "TField", "TOpenDialog", "TSaveDialog"}) {
    EXPECT_FALSE(ShownNatively(kind)) << kind;
  }
}

TEST_F(ShownTextsTest, RowsReadNativelyAreTheRowsShownNatively) {
  for (const ml::KindRow& row : ml::KindRows()) {
    EXPECT_EQ(ReadsNatively(*row.kind), ShownNatively(*row.kind)) << row.kind->name;
  }
}

TEST_F(ShownTextsTest, ReadsWhatTheNativeControlShowsNotTheModel) {
  auto form = NewForm();
  auto* label = NewChild<tk::TLabel>(*form, 10, 10, 100, 20);
  label->SetCaption("model");
  form->Show();
  native::Window(Hwnd(*label)).SetText("native");
  EXPECT_EQ(ReadShown(*label, Text(Facet::ControlText, "")).texts,
            (std::vector<std::string>{"native"}));
}

TEST_F(ShownTextsTest, NativeKindWithoutAWindowIsAnError) {
  auto form = NewForm();
  auto* bar = NewChild<tk::TStatusBar>(*form, 0, 0, 100, 20);  // the form is never shown
  EXPECT_THROW(ReadShown(*bar, Text(Facet::SimpleText, "")), std::logic_error);
}

TEST_F(ShownTextsTest, StatusBarGivesItsPanelsAndItsSimpleTextInEitherMode) {
  auto form = NewForm();
  auto* bar = NewChild<tk::TStatusBar>(*form, 0, 200, 375, 20);
  bar->Panels().Add()->SetText("one");
  bar->Panels().Add()->SetText("two");
  bar->SetSimpleText("simple");
  form->Show();
  for (bool simple : {false, true}) {
    bar->SetSimplePanel(simple);
    EXPECT_EQ(ReadShown(*bar, List(Facet::Panels, {})).texts,
              (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(ReadShown(*bar, Text(Facet::SimpleText, "")).texts,
              (std::vector<std::string>{"simple"}));
    // Reading leaves the bar in its mode.
    EXPECT_EQ(native::StatusBar(Hwnd(*bar)).Simple(), simple);
  }
}

}  // namespace
