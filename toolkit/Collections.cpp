#include "toolkit/Collections.h"

#include <algorithm>

#include "base/Errors.h"

namespace tk {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info{"TCollectionItem", &TPersistent::StaticClass(), {}};
  return info;
}

const ClassInfo& TCollection::StaticClass() {
  static const ClassInfo info{"TCollection", &TPersistent::StaticClass(), {}};
  return info;
}

void TCollectionItem::Changed() const {
  if (collection_ != nullptr) collection_->Notify(ListChange::Put, index_);
}

TCollection::~TCollection() {
  // Items are told they are gone before they are destroyed, so none reports back.
  for (auto& item : items_) item->collection_ = nullptr;
}

void TCollection::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw base::EStringListError::IndexOutOfBounds(index);
}

TCollectionItem* TCollection::Item(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::InsertItem(int index) {
  if (index < 0 || index > Count()) throw base::EStringListError::IndexOutOfBounds(index);
  std::unique_ptr<TCollectionItem> item = NewItem();
  TCollectionItem* raw = item.get();
  raw->collection_ = this;
  items_.insert(items_.begin() + index, std::move(item));
  Renumber(index);
  Notify(ListChange::Insert, index);
  return raw;
}

void TCollection::Delete(int index) {
  CheckIndex(index);
  items_[static_cast<std::size_t>(index)]->collection_ = nullptr;
  items_.erase(items_.begin() + index);
  Renumber(index);
  Notify(ListChange::Delete, index);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  for (auto& item : items_) item->collection_ = nullptr;
  items_.clear();
  Notify(ListChange::Reset, -1);
}

void TCollection::EndUpdate() {
  if (updateLock_ == 0 || --updateLock_ > 0) return;
  if (changedWhileLocked_) {
    changedWhileLocked_ = false;
    Notify(ListChange::Reset, -1);
  }
}

bool TCollection::SortItems(
    const std::function<bool(const TCollectionItem&, const TCollectionItem&)>& less) {
  std::vector<TCollectionItem*> before;
  before.reserve(items_.size());
  for (auto& item : items_) before.push_back(item.get());
  std::stable_sort(items_.begin(), items_.end(),
                   [&](const auto& a, const auto& b) { return less(*a, *b); });
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() != before[i]) {
      Renumber(0);
      Notify(ListChange::Reset, -1);
      return true;
    }
  }
  return false;
}

void TCollection::Notify(ListChange change, int index) {
  if (updateLock_ > 0) {
    changedWhileLocked_ = true;
    return;
  }
  if (observer_) observer_(change, index);
}

void TCollection::Renumber(int from) {
  for (std::size_t i = static_cast<std::size_t>(from); i < items_.size(); ++i) {
    items_[i]->index_ = static_cast<int>(i);
  }
}

}  // namespace tk
