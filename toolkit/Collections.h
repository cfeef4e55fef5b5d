// Collections: ordered lists of owned items with properties of their own (status panels, header
// sections, list-view columns...). A collection tells its observer, normally the owning control,
// of every change, as a string list does. Collections are not stored with a window description;
// the controls that hold them build them in code.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/ListChange.h"
#include "toolkit/Object.h"

namespace tk {

class TCollection;

class TCollectionItem : public TPersistent {
  TK_CLASS()

 public:
  TCollectionItem() = default;
  TCollection* Collection() const { return collection_; }
  // The position in the collection; -1 while the item belongs to none.
  int Index() const { return index_; }

 protected:
  // Reports a change of this item to its collection as a Put at its index.
  void Changed() const;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int index_ = -1;
};

class TCollection : public TPersistent {
  TK_CLASS()

 public:
  // Told of every change: which kind, and the index it concerns (-1 for Reset).
  using Observer = std::function<void(ListChange, int index)>;

  TCollection() = default;
  ~TCollection() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises the list index error outside 0 .. Count - 1.
  TCollectionItem* Item(int index) const;
  TCollectionItem* AddItem() { return InsertItem(Count()); }
  TCollectionItem* InsertItem(int index);
  void Delete(int index);
  void Clear();

  // Between BeginUpdate and the matching EndUpdate changes are gathered into one Reset.
  void BeginUpdate() { ++updateLock_; }
  void EndUpdate();

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;
  // Puts the items in the order of `less` (stable); one Reset, and true, when the order changed.
  bool SortItems(const std::function<bool(const TCollectionItem&, const TCollectionItem&)>& less);
  void Notify(ListChange change, int index);

 private:
  friend class TCollectionItem;
  void Renumber(int from);
  void CheckIndex(int index) const;

  std::vector<std::unique_ptr<TCollectionItem>> items_;
  Observer observer_;
  int updateLock_ = 0;
  bool changedWhileLocked_ = false;
};

// A collection of items of one class, reached with their own type.
template <class T>
class TOwnedCollection : public TCollection {
 public:
  T* Add() { return static_cast<T*>(AddItem()); }
  T* Insert(int index) { return static_cast<T*>(InsertItem(index)); }
  T* Items(int index) const { return static_cast<T*>(Item(index)); }
  T* operator[](int index) const { return Items(index); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<T>(); }
};

}  // namespace tk
