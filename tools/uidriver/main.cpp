// uidriver: drives and reads the windows of another program, for end-to-end tests run from
// shell scripts. Arguments and output are UTF-8; output lines are tab-separated, texts escaped
// (\\ \r \n \t). Exit code 0 on success, 1 when the window, dialog or button is not found (or
// not within the wait), 2 on a usage error. Only visible windows count.
//
//   wait <title> [seconds]      waits (default 10 s) for a top-level window with exactly this
//                               title.
//   exists <title>              whether such a window is there now.
//   dump <title>                the window, then one line per control inside it:
//                                 window  <caption> <client width> <client height> <centred 0|1>
//                                         <client left> <client top>
//                                 control <class> <id> <text> <left> <top> <width> <height>
//                                         <visible 0|1> <enabled 0|1> <extra>
//                               The window is centred on the primary monitor's screen or not; its
//                               client area's corner is on the screen. A control's rectangle is
//                               in its parent's client coordinates; <extra> is
//                               the item count of a list box, the text of a status bar (its
//                               simple text in simple mode), else empty. A list box or combo
//                               box is followed by its items:
//                                 item    <index> <text>
//   click <title> <label>       presses the button with this label in that window (the label's
//                               "&" marks may be left out).
//   dialog [--of <title>] [seconds]
//                               waits (default 10 s) for a standard dialog, of the process that
//                               shows the titled window when given, and prints
//                                 caption <caption> / static <text> ... / button <label> ...
//   answer <caption> <label> [seconds]
//                               waits for the dialog with this caption, presses the button and
//                               waits for the dialog to close.
//   close <title>               asks the window to close, as its close box does.
//   menu <title> <position>...  chooses an item of the window's menu bar from the keyboard: the
//                               top-row item at the first position, then the item at each next
//                               position of the pop-up menu the one before opens (positions
//                               count from 0, over the items the arrow keys stop at).
//   focus <title>               the control of that window that has the keyboard focus:
//                                 focus <class> <text>
//                               (not found when the focus is elsewhere).
//   list                        every visible top-level window: <class> <title>.
//   font <face> <height> [bold] [text...]
//                               the face the system draws this font with (height as a window
//                               description gives it, negative for the character height), then
//                               each text drawn on one line in it:
//                                 font <face> <truetype|vector|bitmap> <cell height> <ascent>
//                                      <average character width>
//                                 text <width> <letters the face lacks> <text>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// The shell's declarations need the base ones first.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "tools/uidriver/Commands.h"

int main() {
  int count = 0;
  const plat::UniqueArgumentList wide(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(plat::Narrow(wide.Get()[i]));

  uidriver::Output output;
  const int code = uidriver::RunCommand(args, output);

  // Bytes as they are: UTF-8, and line feeds without carriage returns.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::fwrite(output.out.data(), 1, output.out.size(), stdout);
  std::fwrite(output.err.data(), 1, output.err.size(), stderr);
  return code;
}
