// Modal dialogs: the message dialog, the plain message box and the message loop's error box.
// Every dialog goes through one DialogService, so tests can record and answer them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

class TOpenDialog;

enum class TMsgDlgType : std::uint8_t {
  mtWarning,
  mtError,
  mtInformation,
  mtConfirmation,
  mtCustom
};

enum TMsgDlgBtn : std::uint32_t { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = std::uint32_t;

// The button that closed a dialog.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class DialogKind : std::uint8_t {
  MessageDlg,  // typed message dialog with a caption per type
  MessageBox,  // plain box: no icon, OK, captioned with the application title
  ErrorBox,    // the message loop's box: stop icon, OK, application title
};

struct DialogRequest {
  DialogKind kind;
  TMsgDlgType type;
  TMsgDlgButtons buttons;
  std::string caption;
  std::string text;
};

class DialogService {
 public:
  virtual ~DialogService() = default;
  // Shows the dialog modally and answers the button pressed (mrCancel when closed otherwise).
  virtual int Show(const DialogRequest& request) = 0;
  // Shows the system's open or save dialog for `dialog` (a TSaveDialog saves) and, when the
  // user chose a file, writes the choice back to it. False when nothing was chosen; a window
  // system without such dialogs never shows one.
  virtual bool ExecuteFileDialog(TOpenDialog& /*dialog*/) { return false; }
};

// "Information", "Warning", "Confirm", "Error" or the application title for custom dialogs.
std::string DialogCaption(TMsgDlgType type);
// "OK", "Cancel", "&Yes", "&No".
std::string_view ButtonLabel(TMsgDlgBtn button);
TModalResult ButtonResult(TMsgDlgBtn button);
// The answer of a dialog closed without a button (Escape or the close box): Cancel when it has a
// Cancel button, else No, else OK.
TModalResult ClosedAnswer(TMsgDlgButtons buttons);

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
void ShowMessage(const std::string& message);
// The error box's text: a "." is appended when the message's last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace tk
