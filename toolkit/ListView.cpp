#include "toolkit/ListView.h"

#include "base/Ascii.h"
#include "toolkit/ControlProps.h"

namespace tk {

namespace {
constexpr std::string_view kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kSortTypes[] = {"stNone", "stData", "stText", "stBoth"};
constexpr std::string_view kViewStyles[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
using ColumnsGetter = const TListColumns& (TCustomListView::*)() const;
using ItemsGetter = const TListItems& (TCustomListView::*)() const;
using SubItemsGetter = const TStrings& (TListItem::*)() const;
}  // namespace

const ClassInfo& TListColumn::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<TListColumn, &TListColumn::Alignment, &TListColumn::SetAlignment>(
          "Alignment", kAlignments, taLeftJustify),
      StringProperty<TListColumn, &TListColumn::Caption, &TListColumn::SetCaption>("Caption"),
      IntProperty<TListColumn, &TListColumn::Width, &TListColumn::SetWidth>(
          "Width", Stored::IfNotDefault, 50),
  };
  static const ClassInfo info{"TListColumn", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& TListColumns::StaticClass() {
  static const ClassInfo info{"TListColumns", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& TListItem::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TListItem, &TListItem::Caption, &TListItem::SetCaption>("Caption"),
      ObjectProperty<TListItem, static_cast<SubItemsGetter>(&TListItem::SubItems)>("SubItems"),
  };
  static const ClassInfo info{"TListItem", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& TListItems::StaticClass() {
  static const ClassInfo info{"TListItems", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& TCustomListView::StaticClass() {
  static const ClassInfo info{"TCustomListView", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TListView::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      ObjectProperty<TCustomListView, static_cast<ColumnsGetter>(&TCustomListView::Columns)>(
          "Columns", Stored::Never),
      props::Font(),
      ObjectProperty<TCustomListView, static_cast<ItemsGetter>(&TCustomListView::Items)>(
          "Items", Stored::Never),
      props::ParentFont(),
      BoolProperty<TCustomListView, &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly>(
          "ReadOnly", false),
      EnumProperty<TCustomListView, &TCustomListView::SortType, &TCustomListView::SetSortType>(
          "SortType", kSortTypes, stNone),
      props::TabOrder(),
      EnumProperty<TCustomListView, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle>(
          "ViewStyle", kViewStyles, vsIcon),
  };
  static const ClassInfo info{"TListView", &TCustomListView::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TListView(o); }};
  return info;
}

void TListColumn::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TListColumn::SetWidth(std::int32_t width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TListColumn::SetAlignment(std::int32_t alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

TListItem::TListItem() {
  subItems_.SetObserver([this](ListChange, int) {
    if (Collection() != nullptr) static_cast<TListItems*>(Collection())->SubItemsChanged(Index());
  });
}

void TListItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (auto* items = static_cast<TListItems*>(Collection())) {
    items->ItemChanged(*this, items->SortType() == stText || items->SortType() == stBoth);
  }
}

void TListItem::SetData(std::intptr_t data) {
  if (data == data_) return;
  data_ = data;
  if (auto* items = static_cast<TListItems*>(Collection())) {
    items->ItemChanged(*this, items->SortType() == stData || items->SortType() == stBoth);
  }
}

void TListItems::SetSortType(TSortType sortType) {
  if (sortType == sortType_) return;
  sortType_ = sortType;
  Sort();
}

void TListItems::ItemChanged(const TListItem& item, bool sortKeyChanged) {
  if (sortKeyChanged && Sort()) return;  // the sort told of the new order
  Notify(ListChange::Put, item.Index());
}

bool TListItems::Sort() {
  const TSortType by = sortType_;
  if (by == stNone) return false;
  return SortItems([by](const TCollectionItem& x, const TCollectionItem& y) {
    const auto& a = static_cast<const TListItem&>(x);
    const auto& b = static_cast<const TListItem&>(y);
    if (by == stData) return a.Data() < b.Data();
    const int c = base::CompareTextAscii(a.Caption(), b.Caption());
    return (c != 0 || by == stText) ? c < 0 : a.Data() < b.Data();
  });
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
  columns_.SetObserver(
      [this](ListChange change, int index) { NotifyItems(ItemList::Columns, change, index); });
  items_.SetObserver(
      [this](ListChange change, int index) { NotifyItems(ItemList::Items, change, index); });
  items_.SetSubItemsObserver(
      [this](int index) { NotifyItems(ItemList::SubItems, ListChange::Put, index); });
}

void TCustomListView::SetViewStyle(std::int32_t style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  NotifyPeer(Aspect::Kind);
}

void TCustomListView::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  NotifyPeer(Aspect::ReadOnly);
}

}  // namespace tk
