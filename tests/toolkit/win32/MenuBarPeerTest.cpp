#include <vector>

#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/Menus.h"
#include "toolkit/win32/native/Menu.h"

using namespace tk;

namespace {

const std::string kPath =
    "\xC5\x9A"
    "cie\xC5\xBCka";

// The menu's items in pre-order, each as its depth in dots and its caption.
void Walk(native::Menu menu, const std::string& depth, std::vector<std::string>& out) {
  for (int i = 0; i < menu.Count(); ++i) {
    out.push_back(depth + menu.ItemText(i));
    if (HMENU sub = menu.SubMenu(i)) Walk(native::Menu(sub), depth + ".", out);
  }
}

std::vector<std::string> MenuBar(HWND window) {
  std::vector<std::string> out;
  if (HMENU bar = GetMenu(window)) Walk(native::Menu(bar), "", out);
  return out;
}

TMenuItem* AddItem(TComponent& owner, TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(&owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

class MenuBarPeerTest : public Win32App {
 protected:
  // A form with a main menu: "Datei" (Öffnen, Beenden) and "Hilfe".
  std::unique_ptr<TForm> MenuForm() {
    auto form = NewForm();
    menu = new TMainMenu(form.get());
    file = AddItem(*form, menu->Items(), "&Datei");
    open = AddItem(*form, file,
                   "\xC3\x96"
                   "ffnen");
    quit = AddItem(*form, file, "Beenden");
    AddItem(*form, menu->Items(), "Hilfe");
    return form;
  }
  TMainMenu* menu = nullptr;
  TMenuItem* file = nullptr;
  TMenuItem* open = nullptr;
  TMenuItem* quit = nullptr;
};

TEST_F(MenuBarPeerTest, FormShowsItsMainMenuAsItsMenuBar) {
  auto form = MenuForm();
  form->Show();
  EXPECT_EQ(MenuBar(Hwnd(*form)), (std::vector<std::string>{"&Datei",
                                                            ".\xC3\x96"
                                                            "ffnen",
                                                            ".Beenden", "Hilfe"}));
  EXPECT_EQ(menu->Peer()->NativeHandle(), GetMenu(Hwnd(*form)));
}

TEST_F(MenuBarPeerTest, TheClientAreaKeepsItsSizeUnderTheMenuBar) {
  auto form = MenuForm();
  form->Show();
  RECT client{};
  GetClientRect(Hwnd(*form), &client);
  EXPECT_EQ(client.right, form->ClientWidth());
  EXPECT_EQ(client.bottom, form->ClientHeight());
}

TEST_F(MenuBarPeerTest, FollowsCaptionsAndStates) {
  auto form = MenuForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  quit->SetCaption(kPath);
  EXPECT_EQ(MenuBar(hwnd), (std::vector<std::string>{"&Datei",
                                                     ".\xC3\x96"
                                                     "ffnen",
                                                     "." + kPath, "Hilfe"}));
  quit->SetChecked(true);
  quit->SetEnabled(false);
  const UINT state = GetMenuState(GetSubMenu(GetMenu(hwnd), 0), 1, MF_BYPOSITION);
  EXPECT_NE(state & MF_CHECKED, 0u);
  EXPECT_NE(state & MF_GRAYED, 0u);
}

TEST_F(MenuBarPeerTest, FollowsItemsAddedAndRemoved) {
  auto form = MenuForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  TMenuItem* help = menu->Items()->Items(1);
  AddItem(*form, help, "Info");
  file->Delete(1);
  EXPECT_EQ(MenuBar(hwnd), (std::vector<std::string>{"&Datei",
                                                     ".\xC3\x96"
                                                     "ffnen",
                                                     "Hilfe", ".Info"}));
  open->SetCaption("Open");
  EXPECT_EQ(MenuBar(hwnd)[1], ".Open");
}

TEST_F(MenuBarPeerTest, ChoosingAnItemRunsItsClick) {
  auto form = MenuForm();
  int clicks = 0;
  open->OnClick.Set([&](TObject* sender) {
    EXPECT_EQ(sender, open);
    ++clicks;
  });
  form->Show();
  HWND hwnd = Hwnd(*form);
  const UINT id = GetMenuItemID(GetSubMenu(GetMenu(hwnd), 0), 0);
  SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(MenuBarPeerTest, AMenuMadeAfterTheWindowShowsWhenTheFormIsShown) {
  auto form = NewForm();
  form->HandleNeeded();
  EXPECT_EQ(GetMenu(Hwnd(*form)), nullptr);
  auto* late = new TMainMenu(form.get());
  AddItem(*form, late->Items(), "Datei");
  form->Show();
  EXPECT_EQ(MenuBar(Hwnd(*form)), (std::vector<std::string>{"Datei"}));
}

TEST_F(MenuBarPeerTest, DestroyingTheMenuTakesTheMenuBarAway) {
  auto form = MenuForm();
  form->Show();
  HWND hwnd = Hwnd(*form);
  delete menu;
  EXPECT_EQ(GetMenu(hwnd), nullptr);
}

}  // namespace
