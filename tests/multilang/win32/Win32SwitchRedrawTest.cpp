// How a language switch on a shown window of real controls pauses the window's redrawing: not
// at all when only texts change, once when controls move, and never left paused by a failure.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "multilang/MLang.h"
#include "tests/toolkit/win32/MessageLog.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

namespace {

class Win32SwitchRedrawTest : public Win32App {
 protected:
  Win32SwitchRedrawTest() : form(NewForm()) {
    form->SetName("Form1");
    label = NewChild<tk::TLabel>(*form, 8, 8, 120, 16);
    label->SetName("Label1");
    button = NewChild<tk::TButton>(*form, 8, 40, 75, 25);
    button->SetName("Button1");
    multiLang = tk::NewComponent<ml::TMultiLang>(form.get(), "MultiLang1");
    multiLang->SetLoading(true);
    multiLang->ChangeLanguageCount(2);
    multiLang->Words().Assign(std::vector<std::string>{"%Form%", "Fenster", "Window", "Label1",
                                                       "Hallo", "Hello", "Button1", "Abbrechen",
                                                       "Cancel"});
    multiLang->AfterLoading();
    form->Show();
    DrainMessages();
  }

  std::unique_ptr<tk::TForm> form;
  tk::TLabel* label = nullptr;
  tk::TButton* button = nullptr;
  ml::TMultiLang* multiLang = nullptr;
};

TEST_F(Win32SwitchRedrawTest, TextsAloneArePaintedByTheControlsWithoutPausingTheWindow) {
  RedrawMessages messages(Hwnd(*form));
  multiLang->SwitchLanguage(1);
  EXPECT_TRUE(messages.Sent().empty());
  EXPECT_EQ(native::Window(Hwnd(*form)).Text(), "Window");
  EXPECT_EQ(native::Window(Hwnd(*label)).Text(), "Hello");
  EXPECT_EQ(native::Window(Hwnd(*button)).Text(), "Cancel");
}

TEST_F(Win32SwitchRedrawTest, MovingControlsPausesTheWindowOnceForTheWholeSwitch) {
  multiLang->ChangeSwitchPositions(ml::spControlsOnly);
  multiLang->Positions().Assign(
      std::vector<std::string>{"label1,8.8.120.16,20.8.120.16", "button1,8.40.75.25,20.40.90.25"});
  RedrawMessages messages(Hwnd(*form));
  multiLang->SwitchLanguage(1);
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_TRUE(IsWindowVisible(Hwnd(*form)));
  EXPECT_EQ(ChildRect(Hwnd(*button)).left, 20);
  EXPECT_EQ(native::Window(Hwnd(*button)).Text(), "Cancel");
}

TEST_F(Win32SwitchRedrawTest, ASwitchThatFailsAfterMovingTheWindowEndsThePause) {
  multiLang->ChangeSwitchPositions(ml::spFormAndControls);
  // The window moves, then its height cannot be read.
  multiLang->Positions().Assign(std::vector<std::string>{"%Form%,40.30.400.300,60.30.400.y"});
  RedrawMessages messages(Hwnd(*form));
  EXPECT_THROW(multiLang->SwitchLanguage(1), base::EConvertError);
  EXPECT_EQ(form->Left(), 60);
  EXPECT_EQ(messages.Sent(), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_TRUE(IsWindowVisible(Hwnd(*form)));
}

}  // namespace
