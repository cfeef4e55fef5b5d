#include "toolkit/Dialogs.h"

#include "toolkit/Application.h"

namespace tk {

std::string DialogCaption(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return "Warning";
    case TMsgDlgType::mtError:
      return "Error";
    case TMsgDlgType::mtInformation:
      return "Information";
    case TMsgDlgType::mtConfirmation:
      return "Confirm";
    case TMsgDlgType::mtCustom:
      break;
  }
  return Application().Title();
}

std::string_view ButtonLabel(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return "&Yes";
    case mbNo:
      return "&No";
    case mbOK:
      return "OK";
    case mbCancel:
      return "Cancel";
  }
  return "";
}

TModalResult ButtonResult(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
  }
  return mrNone;
}

TModalResult ClosedAnswer(TMsgDlgButtons buttons) {
  if ((buttons & mbCancel) != 0) return mrCancel;
  if ((buttons & mbNo) != 0) return mrNo;
  return mrOk;
}

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  return Application().Dialogs().Show(
      DialogRequest{DialogKind::MessageDlg, type, buttons, DialogCaption(type), message});
}

void ShowMessage(const std::string& message) {
  Application().Dialogs().Show(DialogRequest{DialogKind::MessageBox, TMsgDlgType::mtCustom, mbOK,
                                             Application().Title(), message});
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace tk
