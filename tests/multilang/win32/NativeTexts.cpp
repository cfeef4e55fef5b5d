#include "tests/multilang/win32/NativeTexts.h"

#include <algorithm>
#include <utility>

#include "toolkit/win32/native/SimpleControls.h"
#include "toolkit/win32/native/StatusBar.h"
#include "toolkit/win32/native/StringList.h"
#include "toolkit/win32/native/TreeView.h"

namespace shown {

namespace native = tk::win32::native;

Texts EditLines(HWND edit) {
  const std::string text = native::Window(edit).Text();
  Texts lines;
  if (text.empty()) return lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
    lines.push_back(text.substr(from, at - from));
  }
  lines.push_back(text.substr(from));
  return lines;
}

std::string ComboExText(HWND combo) {
  const native::ComboBoxEx box(combo);
  HWND edit = box.EditControl();
  return native::Window(edit != nullptr ? edit : box.ComboControl()).Text();
}

namespace {

// The group's radio buttons with their control ids, in the order of the ids.
std::vector<std::pair<int, HWND>> RadioButtons(HWND group) {
  std::vector<std::pair<int, HWND>> buttons;
  for (HWND child : native::Window(group).Children()) {
    const DWORD type = native::Window(child).Style() & BS_TYPEMASK;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
      buttons.emplace_back(GetDlgCtrlID(child), child);
    }
  }
  std::sort(buttons.begin(), buttons.end());
  return buttons;
}

}  // namespace

Texts RadioButtonTexts(HWND group) {
  Texts texts;
  for (const auto& [id, button] : RadioButtons(group)) {
    texts.push_back(native::Window(button).Text());
  }
  return texts;
}

int CheckedRadioButton(HWND group) {
  const auto buttons = RadioButtons(group);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (native::Button(buttons[i].second).Checked()) return static_cast<int>(i);
  }
  return -1;
}

Texts TreeItems(HWND tree) {
  Texts items;
  for (const auto& [depth, text] : native::TreeView(tree).Lines()) {
    items.push_back(std::string(static_cast<std::size_t>(depth), '>') + text);
  }
  return items;
}

namespace {

// Switches a status bar into simple mode or out of it for as long as it lives.
class StatusMode {
 public:
  StatusMode(HWND bar, bool simple) : bar_(bar), was_(bar_.Simple()), simple_(simple) {
    if (was_ != simple_) bar_.SetSimple(simple_);
  }
  ~StatusMode() {
    if (was_ != simple_) bar_.SetSimple(was_);
  }
  StatusMode(const StatusMode&) = delete;
  StatusMode& operator=(const StatusMode&) = delete;

 private:
  native::StatusBar bar_;
  bool was_;
  bool simple_;
};

}  // namespace

Texts StatusParts(HWND bar) {
  StatusMode panels(bar, false);
  Texts texts = native::StatusBar(bar).PartTexts();
  // Leading tabs align a part's text; they are no part of it.
  for (std::string& text : texts) {
    text.erase(0, std::min<std::size_t>(text.find_first_not_of('\t'), text.size()));
  }
  return texts;
}

std::string StatusSimpleText(HWND bar) {
  StatusMode simple(bar, true);
  return native::StatusBar(bar).PartText(0);
}

}  // namespace shown
