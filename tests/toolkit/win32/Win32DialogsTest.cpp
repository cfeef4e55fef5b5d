#include "base/Errors.h"
#include "tests/toolkit/win32/DialogAnswerer.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/Dialogs.h"
#include "toolkit/win32/Win32Dialogs.h"

using namespace tk;
using tk::win32::DialogLines;

namespace {

using Win32DialogsTest = Win32App;

TEST_F(Win32DialogsTest, ConfirmationAnsweredNo) {
  DialogAnswerer answerer("Confirm", "&No");
  const int result = MessageDlg("Delete the table?\rIt has 3 languages.",
                                TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel);
  EXPECT_EQ(result, mrNo);
  const SeenDialog& seen = answerer.Seen();
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(seen.statics, std::vector<std::string>{"Delete the table?\r\nIt has 3 languages."});
  EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
}

TEST_F(Win32DialogsTest, ButtonsComeInTheirFixedOrder) {
  DialogAnswerer answerer("Warning", "OK");
  EXPECT_EQ(MessageDlg("w", TMsgDlgType::mtWarning, mbCancel | mbOK | mbNo | mbYes), mrOk);
  EXPECT_EQ(answerer.Seen().buttons, (std::vector<std::string>{"&Yes", "&No", "OK", "Cancel"}));
}

TEST_F(Win32DialogsTest, InformationAnsweredYes) {
  DialogAnswerer answerer("Information", "&Yes");
  EXPECT_EQ(MessageDlg("i", TMsgDlgType::mtInformation, mbYes | mbNo), mrYes);
  EXPECT_TRUE(answerer.Seen().hasIcon);
}

TEST_F(Win32DialogsTest, EscapeAnswersCancelWhenThereIsACancelButton) {
  DialogAnswerer answerer("Confirm", DialogAnswerer::kEscape);
  EXPECT_EQ(MessageDlg("q", TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel), mrCancel);
}

TEST_F(Win32DialogsTest, EscapeAnswersNoWithoutCancel) {
  DialogAnswerer answerer("Confirm", DialogAnswerer::kEscape);
  EXPECT_EQ(MessageDlg("q", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
}

TEST_F(Win32DialogsTest, CloseBoxAnswersOkWhenThatIsTheOnlyButton) {
  DialogAnswerer answerer("Information", DialogAnswerer::kCloseBox);
  EXPECT_EQ(MessageDlg("i", TMsgDlgType::mtInformation, mbOK), mrOk);
  EXPECT_TRUE(answerer.Seen().found);
}

TEST_F(Win32DialogsTest, PlainMessageBoxHasNoIconAndTheApplicationTitle) {
  DialogAnswerer answerer("toolkit_win32_tests", "OK");
  ShowMessage("Bitte, alle programm abbrechen!");
  const SeenDialog& seen = answerer.Seen();
  ASSERT_TRUE(seen.found);
  EXPECT_FALSE(seen.hasIcon);
  EXPECT_EQ(seen.statics, std::vector<std::string>{"Bitte, alle programm abbrechen!"});
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
}

TEST_F(Win32DialogsTest, GuardShowsTheErrorBoxAndGoesOn) {
  DialogAnswerer answerer("toolkit_win32_tests", "OK");
  bool after = false;
  Application().Guarded([] { throw base::Exception("Cannot create c:\\temp"); });
  after = true;
  const SeenDialog& seen = answerer.Seen();
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(seen.statics, std::vector<std::string>{"Cannot create c:\\temp."});
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(after);
}

TEST_F(Win32DialogsTest, PolishTextSurvives) {
  DialogAnswerer answerer("Warning", "OK");
  MessageDlg(
      "\xC5\x9A"
      "cie\xC5\xBCka nie istnieje",
      TMsgDlgType::mtWarning, mbOK);
  EXPECT_EQ(answerer.Seen().statics, std::vector<std::string>{"\xC5\x9A"
                                                              "cie\xC5\xBCka nie istnieje"});
}

TEST_F(Win32DialogsTest, DialogOfAShownFormDisablesItWhileOpen) {
  auto form = NewForm();
  form->Show();
  HWND formWindow = Hwnd(*form);
  SetForegroundWindow(formWindow);
  bool disabledMeanwhile = false;
  DialogAnswerer answerer("Information", "OK", {}, [&](HWND dialog) {
    disabledMeanwhile = !IsWindowEnabled(formWindow) && GetWindow(dialog, GW_OWNER) == formWindow;
  });
  MessageDlg("i", TMsgDlgType::mtInformation, mbOK);
  answerer.Seen();
  EXPECT_TRUE(disabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(formWindow));
}

TEST(DialogLinesTest, LoneBreaksBecomeCrLf) {
  EXPECT_EQ(DialogLines("a\rb"), "a\r\nb");
  EXPECT_EQ(DialogLines("a\nb"), "a\r\nb");
  EXPECT_EQ(DialogLines("a\r\nb"), "a\r\nb");
  EXPECT_EQ(DialogLines("a\r\rb\r"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(DialogLines("plain"), "plain");
}

}  // namespace
