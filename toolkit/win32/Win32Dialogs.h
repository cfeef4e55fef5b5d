// Real modal dialogs: the message dialog, the plain message box and the error box. Standard
// "Static" and "Button" child windows, so that they can be read and pressed from outside.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/Dialogs.h"

namespace tk::win32 {

class Win32Dialogs : public DialogService {
 public:
  int Show(const DialogRequest& request) override;
  // The system's open or save dialog, modal to the active window.
  bool ExecuteFileDialog(TOpenDialog& dialog) override;
};

// Every lone CR or LF of a message becomes CR LF, which a static control shows as a line break.
std::string DialogLines(std::string_view text);

}  // namespace tk::win32
