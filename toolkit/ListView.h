// List views: columns with captions, and items with a caption and sub-items, which a sorted list
// view keeps in order.
//
// Of the names the localization component asks for, TListView publishes "ReadOnly" and "Hint"
// (no "Text" or "Lines": its texts are its columns' and items'). Columns and items are published
// but not stored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Collections.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Control.h"

namespace tk {

class TListColumn : public TCollectionItem {
  TK_CLASS()

 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width);
  std::int32_t Alignment() const { return alignment_; }
  void SetAlignment(std::int32_t alignment);

 private:
  std::string caption_;
  std::int32_t width_ = 50;
  std::int32_t alignment_ = taLeftJustify;
};

class TListColumns : public TOwnedCollection<TListColumn> {
  TK_CLASS()
};

class TListItem : public TCollectionItem {
  TK_CLASS()

 public:
  TListItem();
  const std::string& Caption() const { return caption_; }
  // In a list view sorted by text, the item moves to its place.
  void SetCaption(const std::string& caption);
  // The texts of the columns after the first.
  TStrings& SubItems() { return subItems_; }
  const TStrings& SubItems() const { return subItems_; }
  std::intptr_t Data() const { return data_; }
  void SetData(std::intptr_t data);

 private:
  std::string caption_;
  TStringList subItems_;
  std::intptr_t data_ = 0;
};

class TListItems : public TOwnedCollection<TListItem> {
  TK_CLASS()

 public:
  // Told when the sub-items of the item at the index changed.
  using SubItemsObserver = std::function<void(int index)>;

  // Keeps the items in this order from now on; sorts at once unless stNone.
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType sortType);
  void SetSubItemsObserver(SubItemsObserver observer) { subItemsObserver_ = std::move(observer); }

 private:
  friend class TListItem;
  void ItemChanged(const TListItem& item, bool sortKeyChanged);
  void SubItemsChanged(int index) const {
    if (subItemsObserver_) subItemsObserver_(index);
  }
  bool Sort();  // true when the order changed

  TSortType sortType_ = stNone;
  SubItemsObserver subItemsObserver_;
};

enum TViewStyle : std::int32_t { vsIcon, vsSmallIcon, vsList, vsReport };

class TCustomListView : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomListView(TComponent* owner);
  TListColumns& Columns() { return columns_; }
  const TListColumns& Columns() const { return columns_; }
  TListItems& Items() { return items_; }
  const TListItems& Items() const { return items_; }
  std::int32_t SortType() const { return items_.SortType(); }
  void SetSortType(std::int32_t sortType) { items_.SetSortType(static_cast<TSortType>(sortType)); }
  std::int32_t ViewStyle() const { return viewStyle_; }
  void SetViewStyle(std::int32_t style);
  // Whether the user may edit item captions in place.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);

 private:
  TListColumns columns_;
  TListItems items_;
  std::int32_t viewStyle_ = vsIcon;
  bool readOnly_ = false;
};

class TListView : public TCustomListView {
  TK_CLASS()

 public:
  explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

}  // namespace tk
