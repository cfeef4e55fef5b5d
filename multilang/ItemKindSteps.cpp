// Kinds whose texts are items of a collection: the extended combo box, data grids, tree views,
// list views, status bars and header controls. Each collection's texts are one adapter that
// writing sets and collecting gets.
#include "multilang/KindSteps.h"
#include "multilang/MLangRows.h"
#include "multilang/MLangSteps.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ListView.h"
#include "toolkit/TreeView.h"

namespace ml {

namespace {

// The items of a collection, each text read and written through the item's own accessors.
template <class Item, auto Getter, auto Setter>
class CollectionTexts final : public ItemTexts {
 public:
  explicit CollectionTexts(tk::TOwnedCollection<Item>& items) : items_(items) {}
  int Count() const override { return items_.Count(); }
  std::string Get(int index) const override { return (items_.Items(index)->*Getter)(); }
  void Set(int index, const std::string& text) override { (items_.Items(index)->*Setter)(text); }

 private:
  tk::TOwnedCollection<Item>& items_;
};

using tk::TComboExItem, tk::TListColumn, tk::TStatusPanel, tk::THeaderSection;
using ComboExCaptions =
    CollectionTexts<TComboExItem, &TComboExItem::Caption, &TComboExItem::SetCaption>;
using ColumnCaptions =
    CollectionTexts<TListColumn, &TListColumn::Caption, &TListColumn::SetCaption>;
using PanelTexts = CollectionTexts<TStatusPanel, &TStatusPanel::Text, &TStatusPanel::SetText>;
using SectionTexts =
    CollectionTexts<THeaderSection, &THeaderSection::Text, &THeaderSection::SetText>;

class GridTitles final : public ItemTexts {
 public:
  explicit GridTitles(tk::TDBGridColumns& columns) : columns_(columns) {}
  int Count() const override { return columns_.Count(); }
  std::string Get(int index) const override { return columns_.Items(index)->Title().Caption(); }
  void Set(int index, const std::string& text) override {
    columns_.Items(index)->Title().SetCaption(text);
  }

 private:
  tk::TDBGridColumns& columns_;
};

// Nodes counted through the whole tree in pre-order.
class NodeTexts final : public ItemTexts {
 public:
  explicit NodeTexts(tk::TTreeNodes& nodes) : nodes_(nodes) {}
  int Count() const override { return nodes_.Count(); }
  std::string Get(int index) const override { return nodes_.Item(index)->Text(); }
  void Set(int index, const std::string& text) override { nodes_.Item(index)->SetText(text); }

 private:
  tk::TTreeNodes& nodes_;
};

// A list-view item takes its caption, then at once its sub-items from the entries that follow.
class ListItemTexts final : public ItemTexts {
 public:
  ListItemTexts(tk::TListItems& items, EntryReader& reader) : items_(items), reader_(reader) {}
  int Count() const override { return items_.Count(); }
  std::string Get(int index) const override { return items_.Items(index)->Caption(); }
  void Set(int index, const std::string& text) override {
    tk::TListItem* item = items_.Items(index);
    item->SetCaption(text);
    StringItems subItems(item->SubItems());
    reader_.FillList(subItems);
  }

 private:
  tk::TListItems& items_;
  EntryReader& reader_;
};

void CollectEach(RowWriter& rows, const ItemTexts& texts) {
  for (int i = 0; i < texts.Count(); ++i) rows.AddRow(texts.Get(i));
}

// Tree views and list views keep their order fixed while their texts change.
template <class Control, class Fill>
void Unsorted(Control& control, Fill&& fill) {
  const std::int32_t sortType = control.SortType();
  control.SetSortType(tk::stNone);
  fill();
  control.SetSortType(sortType);
}

}  // namespace

void WriteComboBoxEx(const KindRow& row, tk::TComponent& component, EntryReader& reader) {
  auto& box = static_cast<tk::TComboBoxEx&>(component);
  const std::int32_t itemIndex = box.ItemIndex();
  WriteControlText(row, component, reader);
  ComboExCaptions captions(box.ItemsEx());
  reader.FillList(captions);
  box.SetItemIndex(itemIndex);
}

void CollectComboBoxEx(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  auto& box = static_cast<tk::TComboBoxEx&>(component);
  rows.AddRow(box.Text());
  CollectEach(rows, ComboExCaptions(box.ItemsEx()));
}

void WriteGridTitles(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  GridTitles titles(static_cast<tk::TDBGrid&>(component).Columns());
  reader.FillItems(titles);
}

void CollectGridTitles(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  CollectEach(rows, GridTitles(static_cast<tk::TDBGrid&>(component).Columns()));
}

void WriteTreeNodes(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  auto& tree = static_cast<tk::TTreeView&>(component);
  Unsorted(tree, [&] {
    NodeTexts nodes(tree.Items());
    reader.FillItems(nodes);
  });
}

void CollectTreeNodes(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  CollectEach(rows, NodeTexts(static_cast<tk::TTreeView&>(component).Items()));
}

void WriteListView(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  auto& view = static_cast<tk::TListView&>(component);
  ColumnCaptions columns(view.Columns());
  reader.FillItems(columns);
  Unsorted(view, [&] {
    ListItemTexts items(view.Items(), reader);
    reader.FillFromItemEntries(items);
  });
}

void CollectListView(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  auto& view = static_cast<tk::TListView&>(component);
  CollectEach(rows, ColumnCaptions(view.Columns()));
  for (int i = 0; i < view.Items().Count(); ++i) {
    const tk::TListItem& item = *view.Items()[i];
    rows.AddRow(item.Caption());
    rows.CollectList(item.SubItems());
  }
}

void WriteStatusBar(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  auto& bar = static_cast<tk::TStatusBar&>(component);
  if (reader.TakeText()) bar.SetSimpleText(reader.Text());
  PanelTexts panels(bar.Panels());
  reader.FillFromItemEntries(panels);
}

void CollectStatusBar(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  auto& bar = static_cast<tk::TStatusBar&>(component);
  rows.AddRow(bar.SimpleText());
  CollectEach(rows, PanelTexts(bar.Panels()));
}

void WriteHeaderSections(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  SectionTexts sections(static_cast<tk::THeaderControl&>(component).Sections());
  reader.FillItems(sections);
}

void CollectHeaderSections(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  CollectEach(rows, SectionTexts(static_cast<tk::THeaderControl&>(component).Sections()));
}

}  // namespace ml
