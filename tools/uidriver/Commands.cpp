#include "tools/uidriver/Commands.h"

#include <windows.h>

#include <charconv>
#include <functional>
#include <string_view>

#include "tools/uidriver/FontProbe.h"
#include "tools/uidriver/TextFormat.h"
#include "tools/uidriver/WindowQuery.h"

namespace uidriver {

namespace {

constexpr double kDefaultWait = 10.0;

using Args = std::vector<std::string>;

// Looks again and again until `find` finds a window or the time is up.
HWND WaitFor(double seconds, const std::function<HWND()>& find) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (HWND hwnd = find()) return hwnd;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(100);
  }
}

std::string Number(long long value) {
  return std::to_string(value);
}

int UsageError(Output& output) {
  output.err += Usage();
  return kUsage;
}

int NotFound(Output& output, std::string_view what) {
  output.err += "not found: " + std::string(what) + "\n";
  return kNotFound;
}

int Wait(const Args& args, Output& output) {
  double seconds = 0;
  if (args.size() < 2 || args.size() > 3 ||
      !ParseSeconds(args.size() == 3 ? args[2] : "", kDefaultWait, seconds)) {
    return UsageError(output);
  }
  const std::string& title = args[1];
  if (WaitFor(seconds, [&] { return FindTopLevel(title); }) == nullptr) {
    return NotFound(output, title);
  }
  return kOk;
}

int Exists(const Args& args, Output& output) {
  if (args.size() != 2) return UsageError(output);
  return FindTopLevel(args[1]) != nullptr ? kOk : kNotFound;
}

std::string ControlLine(HWND hwnd) {
  const Box box = ChildBox(hwnd);
  std::string extra;
  if (IsListBox(hwnd)) {
    if (auto count = ListCount(hwnd)) extra = Number(*count);
  } else if (IsStatusBar(hwnd)) {
    if (auto text = StatusText(hwnd)) extra = Escape(*text);
  }
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  return Line({"control", Escape(ClassOf(hwnd)), Number(GetDlgCtrlID(hwnd)), Escape(TextOf(hwnd)),
               Number(box.left), Number(box.top), Number(box.right - box.left),
               Number(box.bottom - box.top), (style & WS_VISIBLE) != 0 ? "1" : "0",
               (style & WS_DISABLED) != 0 ? "0" : "1", extra});
}

int Dump(const Args& args, Output& output) {
  if (args.size() != 2) return UsageError(output);
  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return NotFound(output, args[1]);
  const Box client = ClientBox(window);
  POINT corner{0, 0};
  ClientToScreen(window, &corner);
  output.out += Line({"window", Escape(TextOf(window)), Number(client.right - client.left),
                      Number(client.bottom - client.top),
                      IsCentred(WindowBox(window), PrimaryScreen()) ? "1" : "0", Number(corner.x),
                      Number(corner.y)});
  for (HWND child : Descendants(window)) {
    output.out += ControlLine(child);
    const auto items = ListItems(child);
    for (std::size_t i = 0; items && i < items->size(); ++i) {
      output.out += Line({"item", Number(static_cast<long long>(i)), Escape((*items)[i])});
    }
  }
  return kOk;
}

// Menus of another process cannot be read under Wine, so the item is reached as a user reaches
// it from the keyboard: the key that opens the menu bar, arrows to the positions, Enter.
int ChooseMenu(const Args& args, Output& output) {
  if (args.size() < 3) return UsageError(output);
  std::vector<int> path;
  for (std::size_t i = 2; i < args.size(); ++i) {
    int position = 0;
    const std::string& text = args[i];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), position);
    if (error != std::errc() || end != text.data() + text.size() || position < 0) {
      return UsageError(output);
    }
    path.push_back(position);
  }
  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return NotFound(output, args[1]);
  if (GetMenu(window) == nullptr) return NotFound(output, "menu bar");
  const auto press = [window](WPARAM key, int times) {
    for (int i = 0; i < times; ++i) PostMessageW(window, WM_KEYDOWN, key, 0);
  };
  // Posted: the menu's own loop takes the keys in turn; the chosen item's command comes after.
  PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
  press(VK_RIGHT, path[0]);
  for (std::size_t level = 1; level < path.size(); ++level) {
    press(level == 1 ? VK_DOWN : VK_RIGHT, 1);  // opens the pop-up at its first item
    press(VK_DOWN, path[level]);
  }
  press(VK_RETURN, 1);
  return kOk;
}

int Click(const Args& args, Output& output) {
  if (args.size() != 3) return UsageError(output);
  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return NotFound(output, args[1]);
  HWND button = FindButton(window, args[2]);
  if (button == nullptr) return NotFound(output, args[2]);
  // Posted: the click's handler may run long or open a dialog of its own.
  PostMessageW(button, BM_CLICK, 0, 0);
  return kOk;
}

int Dialog(const Args& args, Output& output) {
  std::string owner;
  std::string wait;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--of" && i + 1 < args.size()) {
      owner = args[++i];
    } else if (wait.empty()) {
      wait = args[i];
    } else {
      return UsageError(output);
    }
  }
  double seconds = 0;
  if (!ParseSeconds(wait, kDefaultWait, seconds)) return UsageError(output);
  HWND dialog = WaitFor(seconds, [&]() -> HWND {
    HWND ownerWindow = nullptr;
    if (!owner.empty()) {
      ownerWindow = FindTopLevel(owner);
      if (ownerWindow == nullptr) return nullptr;
    }
    const std::vector<HWND> dialogs = FindDialogs(ownerWindow);
    return dialogs.empty() ? nullptr : dialogs.front();
  });
  if (dialog == nullptr) return NotFound(output, "dialog");
  output.out += Line({"caption", Escape(TextOf(dialog))});
  for (HWND child : Descendants(dialog)) {
    const std::string className = ClassOf(child);
    if (lstrcmpiA(className.c_str(), "Static") == 0 && !IsIconStatic(child)) {
      output.out += Line({"static", Escape(TextOf(child))});
    } else if (lstrcmpiA(className.c_str(), "Button") == 0) {
      output.out += Line({"button", Escape(TextOf(child))});
    }
  }
  return kOk;
}

int Answer(const Args& args, Output& output) {
  double seconds = 0;
  if (args.size() < 3 || args.size() > 4 ||
      !ParseSeconds(args.size() == 4 ? args[3] : "", kDefaultWait, seconds)) {
    return UsageError(output);
  }
  HWND dialog = WaitFor(seconds, [&] { return FindDialog(args[1]); });
  if (dialog == nullptr) return NotFound(output, args[1]);
  HWND button = FindButton(dialog, args[2]);
  if (button == nullptr) return NotFound(output, args[2]);
  PostMessageW(button, BM_CLICK, 0, 0);
  // Answered once it has closed: a caller looking for the next dialog must not find this one.
  if (WaitFor(seconds, [&] { return IsWindow(dialog) ? nullptr : dialog; }) == nullptr) {
    output.err += "the dialog " + args[1] + " stayed open\n";
    return kNotFound;
  }
  return kOk;
}

int Close(const Args& args, Output& output) {
  if (args.size() != 2) return UsageError(output);
  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return NotFound(output, args[1]);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return kOk;
}

// The focus belongs to the window's thread: another process reads it through that thread's
// input state.
int Focus(const Args& args, Output& output) {
  if (args.size() != 2) return UsageError(output);
  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return NotFound(output, args[1]);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ||
      info.hwndFocus == nullptr || (info.hwndFocus != window && !IsChild(window, info.hwndFocus))) {
    return NotFound(output, "focus");
  }
  output.out += Line({"focus", Escape(ClassOf(info.hwndFocus)), Escape(TextOf(info.hwndFocus))});
  return kOk;
}

int Font(const Args& args, Output& output) {
  if (args.size() < 3) return UsageError(output);
  int height = 0;
  const std::string& number = args[2];
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), height);
  if (error != std::errc() || end != number.data() + number.size()) return UsageError(output);
  const bool bold = args.size() > 3 && args[3] == "bold";
  const std::vector<std::string> texts(args.begin() + (bold ? 4 : 3), args.end());
  tk::win32::native::FontDescription font;
  font.face = args[1];
  font.height = height;
  font.bold = bold;
  FaceInUse inUse;
  if (!ProbeFont(font, texts, inUse)) return NotFound(output, args[1]);
  output.out += Line({"font", Escape(inUse.face), inUse.kind, Number(inUse.height),
                      Number(inUse.ascent), Number(inUse.averageWidth)});
  for (std::size_t i = 0; i < texts.size(); ++i) {
    output.out += Line({"text", Number(inUse.texts[i].width), Number(inUse.texts[i].missing),
                        Escape(texts[i])});
  }
  return kOk;
}

int List(const Args& args, Output& output) {
  if (args.size() != 1) return UsageError(output);
  for (HWND hwnd : TopLevelWindows()) {
    output.out += Line({Escape(ClassOf(hwnd)), Escape(TextOf(hwnd))});
  }
  return kOk;
}

}  // namespace

std::string Usage() {
  return "usage: uidriver wait <title> [seconds] | exists <title> | dump <title>\n"
         "       | click <title> <button label> | dialog [--of <title>] [seconds]\n"
         "       | answer <dialog caption> <button label> [seconds] | close <title> | focus <title>\n"
         "       | list | menu <title> <position>...\n"
         "       | font <face> <height> [bold] [text...]\n";
}

int RunCommand(const Args& args, Output& output) {
  if (args.empty()) return UsageError(output);
  const std::string& name = args[0];
  if (name == "wait") return Wait(args, output);
  if (name == "exists") return Exists(args, output);
  if (name == "dump") return Dump(args, output);
  if (name == "click") return Click(args, output);
  if (name == "dialog") return Dialog(args, output);
  if (name == "answer") return Answer(args, output);
  if (name == "close") return Close(args, output);
  if (name == "menu") return ChooseMenu(args, output);
  if (name == "focus") return Focus(args, output);
  if (name == "list") return List(args, output);
  if (name == "font") return Font(args, output);
  return UsageError(output);
}

}  // namespace uidriver
