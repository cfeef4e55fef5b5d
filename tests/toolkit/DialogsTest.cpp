#include <stdexcept>

#include "base/Errors.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/Dialogs.h"

using namespace tk;

namespace {

using DialogsTest = HeadlessApp;

TEST_F(DialogsTest, MessageDialogCaptionFollowsType) {
  dialogs().Answer(mrYes);
  EXPECT_EQ(MessageDlg("Continue?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrYes);
  MessageDlg("x", TMsgDlgType::mtInformation, mbCancel);
  MessageDlg("y", TMsgDlgType::mtWarning, mbYes | mbNo);
  ASSERT_EQ(dialogs().Shown().size(), 3u);
  EXPECT_EQ(dialogs().Shown()[0].caption, "Confirm");
  EXPECT_EQ(dialogs().Shown()[1].caption, "Information");
  EXPECT_EQ(dialogs().Shown()[1].buttons, static_cast<TMsgDlgButtons>(mbCancel));
  EXPECT_EQ(dialogs().Shown()[2].caption, "Warning");
}

TEST_F(DialogsTest, ButtonLabelsCarryAccessKeys) {
  EXPECT_EQ(ButtonLabel(mbYes), "&Yes");
  EXPECT_EQ(ButtonLabel(mbNo), "&No");
  EXPECT_EQ(ButtonLabel(mbOK), "OK");
  EXPECT_EQ(ButtonLabel(mbCancel), "Cancel");
}

TEST_F(DialogsTest, PlainMessageBoxUsesTheApplicationTitle) {
  ShowMessage("Cancelled.");
  ASSERT_EQ(dialogs().Shown().size(), 1u);
  EXPECT_EQ(dialogs().Shown()[0].kind, DialogKind::MessageBox);
  EXPECT_EQ(dialogs().Shown()[0].caption, "uninstzova");
  EXPECT_EQ(dialogs().Shown()[0].buttons, static_cast<TMsgDlgButtons>(mbOK));
}

TEST_F(DialogsTest, ErrorBoxAppendsFullStopAfterLettersOnly) {
  EXPECT_EQ(ErrorBoxText("Cannot create c:\\temp"), "Cannot create c:\\temp.");
  EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("(x, line 1)"), "(x, line 1)");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST_F(DialogsTest, MessageLoopGuardShowsTheErrorAndGoesOn) {
  bool after = false;
  Application().Guarded([] { throw base::Exception("Cannot create c:\\temp"); });
  after = true;
  ASSERT_EQ(dialogs().Shown().size(), 1u);
  EXPECT_EQ(dialogs().Shown()[0].kind, DialogKind::ErrorBox);
  EXPECT_EQ(dialogs().Shown()[0].text, "Cannot create c:\\temp.");
  EXPECT_EQ(dialogs().Shown()[0].caption, "uninstzova");
  EXPECT_TRUE(after);
}

TEST(ClosedAnswerTest, CancelElseNoElseOk) {
  EXPECT_EQ(ClosedAnswer(mbYes | mbNo | mbCancel), mrCancel);
  EXPECT_EQ(ClosedAnswer(mbOK | mbCancel), mrCancel);
  EXPECT_EQ(ClosedAnswer(mbYes | mbNo), mrNo);
  EXPECT_EQ(ClosedAnswer(mbOK), mrOk);
  EXPECT_EQ(ClosedAnswer(mbYes), mrOk);
}

}  // namespace
