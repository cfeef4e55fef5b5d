#include <memory>
#include <vector>

#include "base/Errors.h"
#include "tests/support/RecordingPeers.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using MenusTest = PeerApp;

// File (Open, Recent (Last)), Help
struct SampleMenu {
  explicit SampleMenu(TForm& form) {
    menu = NewComponent<TMainMenu>(&form, "MainMenu1");
    file = NewComponent<TMenuItem>(&form, "File1");
    open = NewComponent<TMenuItem>(&form, "Open1");
    recent = NewComponent<TMenuItem>(&form, "Recent1");
    last = NewComponent<TMenuItem>(&form, "Last1");
    help = NewComponent<TMenuItem>(&form, "Help1");
    menu->Items()->Add(file);
    menu->Items()->Add(help);
    file->Add(open);
    file->Add(recent);
    recent->Add(last);
  }
  TMainMenu* menu;
  TMenuItem *file, *open, *recent, *last, *help;
};

TEST_F(MenusTest, ItemsAreComponentsOfTheWindowHangingInATree) {
  TForm form(nullptr);
  SampleMenu m(form);
  EXPECT_EQ(form.FindOwnedComponent("open1"), m.open);
  EXPECT_EQ(m.open->Parent(), m.file);
  EXPECT_EQ(m.last->GetParentMenu(), m.menu);
  EXPECT_EQ(m.recent->MenuIndex(), 1);
  EXPECT_EQ(m.menu->Count(), 5);
  EXPECT_EQ(m.menu->Item(3), m.last);
  EXPECT_EQ(m.menu->IndexOf(m.help), 4);
  EXPECT_THROW(m.menu->Item(5), base::EStringListError);
}

TEST_F(MenusTest, AnItemHangsInOnePlaceOnly) {
  TForm form(nullptr);
  SampleMenu m(form);
  EXPECT_THROW(m.help->Add(m.open), base::Exception);
  EXPECT_THROW(m.last->Add(m.file), base::Exception);  // its own parent
  m.file->Remove(m.open);
  EXPECT_EQ(m.open->Parent(), nullptr);
  EXPECT_EQ(m.open->GetParentMenu(), nullptr);
  m.help->Add(m.open);
  EXPECT_EQ(m.menu->IndexOf(m.open), 4);
}

TEST_F(MenusTest, DestroyingAnItemDestroysItsSubItems) {
  TForm form(nullptr);
  SampleMenu m(form);
  delete m.file;
  EXPECT_EQ(form.FindOwnedComponent("Last1"), nullptr);
  EXPECT_EQ(m.menu->Count(), 1);
  delete m.menu;  // the remaining items go with the menu's root
  EXPECT_EQ(form.OwnedCount(), 0);
}

TEST_F(MenusTest, WindowDestroysMenusInAnyOrder) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* late = NewComponent<TMenuItem>(form.get(), "Late1");
  SampleMenu m(*form);
  m.last->Add(late);
  form.reset();  // must not touch a destroyed item
  SUCCEED();
}

TEST_F(MenusTest, ItemPublishesCaptionHintAndAction) {
  TMenuItem item(nullptr);
  SetStrProp(item, "Caption", "&Datei");
  SetStrProp(item, "Hint", "Dateien");
  EXPECT_EQ(item.Caption(), "&Datei");
  EXPECT_EQ(item.Hint(), "Dateien");
  EXPECT_EQ(GetOrdProp(item, "Action"), 0);
  TMenuItem action(nullptr);
  item.SetAction(&action);
  EXPECT_NE(GetOrdProp(item, "Action"), 0);
}

TEST_F(MenusTest, MenuPeerHearsItemChangesByPreOrderIndex) {
  std::vector<PeerNote> told;  // outlives the window, whose menu tells its peer to the end
  TControl anchor(nullptr);
  TForm form(nullptr);
  SampleMenu m(form);
  m.menu->SetPeer(std::make_unique<RecordingPeer>(anchor, &told));
  m.last->SetCaption("Zuletzt");
  m.help->SetEnabled(false);
  m.file->Delete(0);
  EXPECT_EQ(told, (std::vector<PeerNote>{
                      ItemsNote(anchor, ItemList::Items, ListChange::Put, 3),
                      ItemsNote(anchor, ItemList::Items, ListChange::Put, 4),
                      ItemsNote(anchor, ItemList::Items, ListChange::Reset, -1),
                  }));
  delete m.open;  // no longer in the menu: nothing to tell
  EXPECT_EQ(told.size(), 3u);
}

}  // namespace
