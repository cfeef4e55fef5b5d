#include "toolkit/win32/ComboBoxPeer.h"

#include "toolkit/Application.h"
#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

DWORD ComboStyle(std::int32_t style) {
  switch (style) {
    case csSimple:
      return CBS_SIMPLE;
    case csDropDown:
      return CBS_DROPDOWN | CBS_AUTOHSCROLL;
    default:  // the owner-drawn styles draw nothing of their own here
      return CBS_DROPDOWNLIST;
  }
}

ComboBoxPeer::ComboBoxPeer(TCustomComboBox& combo) : WindowPeer(combo), combo_(combo) {
  CreateChild(L"COMBOBOX", ComboStyle(combo.Style()) | WS_VSCROLL | TabStopStyle(combo));
  Load();
}

void ComboBoxPeer::Load() {
  ApplyBounds();
  Reload();
}

void ComboBoxPeer::Apply(Aspect aspect) {
  switch (aspect) {
    case Aspect::Items:
      Reload();
      break;
    case Aspect::ItemIndex:
      ApplySelection();
      break;
    default:
      WindowPeer::Apply(aspect);
      break;
  }
}

void ComboBoxPeer::ApplyItems(ItemList, ListChange change, int index) {
  switch (change) {
    case ListChange::Put:
      Native().Delete(index);
      InsertItem(index);
      break;
    case ListChange::Insert:
      InsertItem(index);
      break;
    case ListChange::Delete:
      Native().Delete(index);
      break;
    case ListChange::Reset:
      Reload();
      break;
  }
}

void ComboBoxPeer::InsertItem(int index) {
  Native().Insert(index, combo_.Items().Get(index));
}

void ComboBoxPeer::Reload() {
  Native().Clear();
  const TStrings& items = combo_.Items();
  for (int i = 0; i < items.Count(); ++i) InsertItem(i);
  ApplySelection();
}

void ComboBoxPeer::ApplySelection() {
  if (Native().Selection() != combo_.ItemIndex()) Native().Select(combo_.ItemIndex());
  ApplyText();
}

// Writes only a text that differs: the edit would lose its caret to an equal one.
void ComboBoxPeer::ApplyText() {
  HWND edit = EditWindow();
  if (edit != nullptr) native::Window(edit).ReplaceText(combo_.Text());
}

// The window's height includes the dropped-down list.
void ComboBoxPeer::ApplyBounds() {
  const TRect bounds = ScaledBounds();
  int height = bounds.Height();
  if (combo_.Style() != csSimple) {
    const int item = Native().ItemHeight();
    height += combo_.DropDownCount() * (item > 0 ? item : Scaled(16));
  }
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.Width(), height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ComboBoxPeer::Notification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return WindowPeer::Notification(message, wParam, lParam, result);
  TCustomComboBox& combo = combo_;  // a handler may destroy this peer
  switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: {
      const std::int32_t index = Native().Selection();
      Application().Guarded([&combo, index] { combo.SetItemIndex(index); });
      return true;
    }
    case CBN_EDITCHANGE: {
      HWND edit = EditWindow();
      if (edit == nullptr) return false;
      const std::string text = native::Window(edit).Text();
      Application().Guarded([&combo, &text] { combo.SetText(text); });
      return true;
    }
    default:
      return false;
  }
}

void RegisterComboBoxPeer(PeerRegistry& registry) {
  registry.AddChild<TCustomComboBox, ComboBoxPeer>();
}

}  // namespace tk::win32
