#include "toolkit/Menus.h"

#include <algorithm>

#include "base/Errors.h"
#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TMenuItem::StaticClass() {
  static const PropInfo props[] = {
      ObjectProperty<TMenuItem, &TMenuItem::Action>("Action", Stored::Never),
      StringProperty<TMenuItem, &TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      BoolProperty<TMenuItem, &TMenuItem::Checked, &TMenuItem::SetChecked>("Checked", false),
      BoolProperty<TMenuItem, &TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled", true),
      StringProperty<TMenuItem, &TMenuItem::Hint, &TMenuItem::SetHint>("Hint"),
      EventProperty<TMenuItem, &TMenuItem::OnClick>("OnClick"),
  };
  static const ClassInfo info{"TMenuItem", &TComponent::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TMenuItem(o); }};
  return info;
}

const ClassInfo& TMenu::StaticClass() {
  static const ClassInfo info{"TMenu", &TComponent::StaticClass(), {}};
  return info;
}

const ClassInfo& TMainMenu::StaticClass() {
  static const ClassInfo info{
      "TMainMenu", &TMenu::StaticClass(), {}, [](TComponent* o) -> TComponent* {
        return new TMainMenu(o);
      }};
  return info;
}

// --- items

TMenuItem::~TMenuItem() {
  while (!items_.empty()) delete items_.back();  // each takes itself out
  if (parent_ != nullptr) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(ListChange::Put);
}

void TMenuItem::SetHint(const std::string& hint) {
  hint_ = hint;
}

void TMenuItem::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(ListChange::Put);
}

void TMenuItem::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed(ListChange::Put);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw base::EStringListError::IndexOutOfBounds(index);
  return items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) return;
  if (item->parent_ != nullptr || item->menu_ != nullptr)
    throw base::Exception("Menu inserted twice");
  if (index < 0 || index > Count()) throw base::EStringListError::IndexOutOfBounds(index);
  for (const TMenuItem* p = this; p != nullptr; p = p->parent_) {
    if (p == item) throw base::Exception("Menu inserted into itself");
  }
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed(ListChange::Reset);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed(ListChange::Reset);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it != items_.end()) Delete(static_cast<int>(it - items_.begin()));
}

int TMenuItem::MenuIndex() const {
  if (parent_ == nullptr) return -1;
  auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  return top->menu_;
}

void TMenuItem::Changed(ListChange change) {
  if (TMenu* menu = GetParentMenu()) menu->ItemChanged(*this, change);
}

// --- the menu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  peer_.reset();
  items_->menu_ = nullptr;
  delete items_;
}

namespace {
template <class F>
bool PreOrder(const TMenuItem& parent, F&& visit) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem* item = parent.Items(i);
    if (visit(item) || PreOrder(*item, visit)) return true;
  }
  return false;
}
}  // namespace

int TMenu::Count() const {
  int n = 0;
  PreOrder(*items_, [&](const TMenuItem*) { return ++n, false; });
  return n;
}

TMenuItem* TMenu::Item(int index) const {
  int n = 0;
  const TMenuItem* found = nullptr;
  PreOrder(*items_, [&](const TMenuItem* item) {
    if (n++ != index) return false;
    found = item;
    return true;
  });
  if (found == nullptr) throw base::EStringListError::IndexOutOfBounds(index);
  return const_cast<TMenuItem*>(found);
}

int TMenu::IndexOf(const TMenuItem* item) const {
  int n = 0;
  return PreOrder(*items_, [&](const TMenuItem* i) { return i == item ? true : (++n, false); })
             ? n
             : -1;
}

void TMenu::ItemChanged(const TMenuItem& item, ListChange change) {
  if (!peer_) return;
  if (change == ListChange::Reset) {
    peer_->ItemsChanged(ItemList::Items, ListChange::Reset, -1);
  } else {
    peer_->ItemsChanged(ItemList::Items, change, IndexOf(&item));
  }
}

}  // namespace tk
