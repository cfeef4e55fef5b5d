// The keyboard on a form, as in a dialog, with real key strokes (SendInput): focus starts on the
// first control in tab order, Tab and Shift+Tab follow the tab order, Enter presses the focused
// button and Escape the cancel button while it can be pressed.
#include <string>
#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

class KeyboardTest : public Win32App {
 protected:
  // A new window each time, so that no focus is remembered from before: OK, then Cancel.
  void Open(bool cancelEnabled) {
    form = NewForm();
    ok = NewChild<TButton>(*form, 48, 160, 75, 25);
    cancel = NewChild<TButton>(*form, 240, 160, 75, 25);
    ok->SetTabOrder(0);
    cancel->SetTabOrder(1);
    cancel->SetCancel(true);
    cancel->SetEnabled(cancelEnabled);
    ok->OnClick.Set([this](TObject*) { clicked += "ok "; });
    cancel->OnClick.Set([this](TObject*) { clicked += "cancel "; });
    clicked.clear();
    form->Show();
    SetForegroundWindow(Hwnd(*form));
  }

  // Strokes each key (with Shift held when asked) and lets the loop take them.
  void Press(const std::vector<std::pair<WORD, bool>>& keys) {
    for (const auto& [key, shift] : keys) {
      std::vector<INPUT> inputs;
      auto add = [&inputs](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
      };
      if (shift) add(VK_SHIFT, 0);
      add(key, 0);
      add(key, KEYEVENTF_KEYUP);
      if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
      // The strokes reach the queue through the system: wait for them to arrive.
      for (int i = 0; i < 50 && GetQueueStatus(QS_KEY) == 0; ++i) Sleep(10);
      backend.ProcessMessages();
    }
  }

  std::string Focused() const {
    HWND focus = GetFocus();
    return focus == Hwnd(*ok) ? "ok" : focus == Hwnd(*cancel) ? "cancel" : "other";
  }

  std::unique_ptr<TForm> form;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
  std::string clicked;
};

constexpr std::pair<WORD, bool> kTab{VK_TAB, false}, kShiftTab{VK_TAB, true},
    kEnter{VK_RETURN, false}, kEscape{VK_ESCAPE, false};

struct KeyCase {
  const char* name;
  std::vector<std::pair<WORD, bool>> keys;
  bool cancelEnabled;
  const char* focused;
  const char* clicked;
};

TEST_F(KeyboardTest, KeysMoveAndPressAsInADialog) {
  const KeyCase cases[] = {
      {"nothing: focus on the first", {}, true, "ok", ""},
      {"Tab", {kTab}, true, "cancel", ""},
      {"Tab, Shift+Tab", {kTab, kShiftTab}, true, "ok", ""},
      {"Shift+Tab wraps", {kShiftTab}, true, "cancel", ""},
      {"Enter", {kEnter}, true, "ok", "ok "},
      {"Tab, Enter", {kTab, kEnter}, true, "cancel", "cancel "},
      {"Escape", {kEscape}, true, "ok", "cancel "},
      {"Escape, the cancel button grey", {kEscape}, false, "ok", ""},
  };
  for (const KeyCase& c : cases) {
    Open(c.cancelEnabled);
    Press(c.keys);
    EXPECT_EQ(Focused(), c.focused) << c.name;
    EXPECT_EQ(clicked, c.clicked) << c.name;
  }
}

}  // namespace
