// Menus: a main menu holds a tree of menu items. Menu items are components of the window (so the
// window finds them by name) and hang below a parent item; the menu's invisible root item is the
// parent of the top row.
//
// Of the names the localization component asks for, TMenuItem publishes "Caption", "Action" and
// "Hint"; TMainMenu publishes none.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Peer.h"

namespace tk {

class TMenu;

class TMenuItem : public TComponent {
  TK_CLASS()

 public:
  explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
  // Takes itself out of its parent and destroys its sub-items.
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // An assigned action (any object); reads as zero through the property when none is set.
  TObject* Action() const { return action_; }
  void SetAction(TObject* action) { action_ = action; }

  TNotifyEvent OnClick;
  void Click() { OnClick(this); }

  // Sub-items. Delete and Remove take an item out without destroying it; its owner still owns it.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  void Delete(int index);
  void Remove(TMenuItem* item);
  int MenuIndex() const;
  // The menu this item belongs to, through its parents; null when it hangs in none.
  TMenu* GetParentMenu() const;

 private:
  friend class TMenu;
  void Changed(ListChange change);

  std::string caption_, hint_;
  bool checked_ = false;
  bool enabled_ = true;
  TObject* action_ = nullptr;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
};

// A menu tells its peer of changes to its items: an item's own state as a Put at its index
// counted in pre-order below the root (as tree nodes are), anything that moves items as a Reset.
class TMenu : public TComponent {
  TK_CLASS()

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  // The invisible root item; its sub-items are the top row.
  TMenuItem* Items() const { return items_; }

  // All items below the root, in pre-order.
  int Count() const;
  TMenuItem* Item(int index) const;          // raises the list index error outside
  int IndexOf(const TMenuItem* item) const;  // -1 when not in this menu

  // The window system's side of the menu; the window that shows the menu gives it one.
  void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
  ControlPeer* Peer() const { return peer_.get(); }

 private:
  friend class TMenuItem;
  void ItemChanged(const TMenuItem& item, ListChange change);

  TMenuItem* items_;  // owned as a component
  std::unique_ptr<ControlPeer> peer_;
};

class TMainMenu : public TMenu {
  TK_CLASS()

 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
};

}  // namespace tk
