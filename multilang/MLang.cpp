#include "multilang/MLang.h"

#include "base/Errors.h"
#include "multilang/MLangSteps.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/ValEdit.h"

namespace ml {

namespace {

// The items of a collection, each text written through the item's own setter.
template <class Item, void (Item::*Setter)(const std::string&)>
class CollectionTexts final : public ItemTexts {
 public:
  explicit CollectionTexts(tk::TOwnedCollection<Item>& items) : items_(items) {}
  int Count() const override { return items_.Count(); }
  void Set(int index, const std::string& text) override { (items_.Items(index)->*Setter)(text); }

 private:
  tk::TOwnedCollection<Item>& items_;
};

using ComboExCaptions = CollectionTexts<tk::TComboExItem, &tk::TComboExItem::SetCaption>;
using ColumnCaptions = CollectionTexts<tk::TListColumn, &tk::TListColumn::SetCaption>;
using PanelTexts = CollectionTexts<tk::TStatusPanel, &tk::TStatusPanel::SetText>;
using SectionTexts = CollectionTexts<tk::THeaderSection, &tk::THeaderSection::SetText>;

class GridTitles final : public ItemTexts {
 public:
  explicit GridTitles(tk::TDBGridColumns& columns) : columns_(columns) {}
  int Count() const override { return columns_.Count(); }
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
  void Set(int index, const std::string& text) override { nodes_.Item(index)->SetText(text); }

 private:
  tk::TTreeNodes& nodes_;
};

// A list-view item takes its caption, then at once its sub-items from the entries that follow.
class ListItemTexts final : public ItemTexts {
 public:
  ListItemTexts(tk::TListItems& items, EntryReader& reader) : items_(items), reader_(reader) {}
  int Count() const override { return items_.Count(); }
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

void FillStrings(EntryReader& reader, tk::TStrings& list) {
  StringItems items(list);
  reader.FillList(items);
}

// Rewrites a combo box's items and selects the same position again afterwards.
void FillComboItems(EntryReader& reader, tk::TCustomComboBox& box) {
  const std::int32_t itemIndex = box.ItemIndex();
  FillStrings(reader, box.Items());
  box.SetItemIndex(itemIndex);
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

const tk::ClassInfo& TMultiLang::StaticClass() {
  static const tk::ClassInfo info{
      "TMultiLang",
      &TBaseMultiLang::StaticClass(),
      {},
      [](tk::TComponent* owner) -> tk::TComponent* { return new TMultiLang(owner); }};
  return info;
}

void TMultiLang::SetTextProperty(tk::TComponent& Component, std::string_view Name,
                                 const std::string& Text) {
  tk::SetStrProp(Component, Name, Text);
}

void TMultiLang::ApplyEntry(tk::TComponent& Component, std::int32_t& Index) {
  ApplyPositions(Component, Index);
  if (Index < 0) throw base::EAssertionFailed("MLang", 2128);
  EntryReader reader(*this, Index);
  if (CanTranslate(Component)) WriteKind(Component, reader);
  if (HasProperty(Component, "Hint")) {
    // A block that carries nothing but a hint: step over its component entry.
    if (reader.Counter() == Index) reader.TakeText();
    if (reader.TakeHint()) SetTextProperty(Component, "Hint", reader.Text());
  }
  Index = reader.Counter();
}

// The kinds in the order they are tested: the first class the component is (or derives from)
// decides, so a TSaveDialog goes as a TOpenDialog and a TForm as a TCustomForm.
void TMultiLang::WriteKind(tk::TComponent& component, EntryReader& r) {
  using namespace tk;
  TComponent* c = &component;
  if (auto* box = DynamicCast<TListBox>(c)) {
    FillStrings(r, box->Items());
  } else if (auto* edit = DynamicCast<TLabeledEdit>(c)) {
    if (r.TakeText() && edit->EditLabel() != nullptr) edit->EditLabel()->SetCaption(r.Text());
  } else if (auto* comboEx = DynamicCast<TComboBoxEx>(c)) {
    const std::int32_t itemIndex = comboEx->ItemIndex();
    if (r.TakeText()) comboEx->SetText(r.Text());
    ComboExCaptions captions(comboEx->ItemsEx());
    r.FillList(captions);
    comboEx->SetItemIndex(itemIndex);
  } else if (auto* dbList = DynamicCast<TDBListBox>(c)) {
    FillStrings(r, dbList->Items());
  } else if (auto* dbRadio = DynamicCast<TDBRadioGroup>(c)) {
    if (r.TakeText()) dbRadio->SetCaption(r.Text());
    FillStrings(r, dbRadio->Items());
  } else if (auto* grid = DynamicCast<TDBGrid>(c)) {
    GridTitles titles(grid->Columns());
    r.FillItems(titles);
  } else if (auto* dbCombo = DynamicCast<TDBComboBox>(c)) {
    FillComboItems(r, *dbCombo);
  } else if (auto* field = DynamicCast<TField>(c)) {
    if (r.TakeText()) field->SetDisplayLabel(r.Text());
  } else if (auto* navigator = DynamicCast<TDBNavigator>(c)) {
    r.FillNavigatorHints(*navigator);
  } else if (auto* form = DynamicCast<TCustomForm>(c)) {
    if (r.TakeText()) form->SetCaption(r.Text());
  } else if (auto* radio = DynamicCast<TRadioGroup>(c)) {
    if (r.TakeText()) radio->SetCaption(r.Text());
    FillStrings(r, radio->Items());
  } else if (auto* memo = DynamicCast<TMemo>(c)) {
    FillStrings(r, memo->Lines());
  } else if (auto* valueList = DynamicCast<TValueListEditor>(c)) {
    FillStrings(r, valueList->TitleCaptions());
    valueList->StringsChanged();
  } else if (auto* header = DynamicCast<THeader>(c)) {
    FillStrings(r, header->Sections());
  } else if (auto* tabSet = DynamicCast<TTabSet>(c)) {
    FillStrings(r, tabSet->Tabs());
  } else if (auto* tabbed = DynamicCast<TTabbedNotebook>(c)) {
    FillStrings(r, tabbed->Pages());
  } else if (auto* notebook = DynamicCast<TNotebook>(c)) {
    FillStrings(r, notebook->Pages());
  } else if (auto* tabs = DynamicCast<TTabControl>(c)) {
    FillStrings(r, tabs->Tabs());
  } else if (auto* tree = DynamicCast<TTreeView>(c)) {
    Unsorted(*tree, [&] {
      NodeTexts nodes(tree->Items());
      r.FillItems(nodes);
    });
  } else if (auto* list = DynamicCast<TListView>(c)) {
    ColumnCaptions columns(list->Columns());
    r.FillItems(columns);
    Unsorted(*list, [&] {
      ListItemTexts items(list->Items(), r);
      r.FillFromItemEntries(items);
    });
  } else if (auto* bar = DynamicCast<TStatusBar>(c)) {
    if (r.TakeText()) bar->SetSimpleText(r.Text());
    PanelTexts panels(bar->Panels());
    r.FillFromItemEntries(panels);
  } else if (auto* headerControl = DynamicCast<THeaderControl>(c)) {
    SectionTexts sections(headerControl->Sections());
    r.FillItems(sections);
  } else if (auto* combo = DynamicCast<TComboBox>(c)) {
    FillComboItems(r, *combo);
  } else if (auto* filter = DynamicCast<TFilterComboBox>(c)) {
    if (r.TakeText()) filter->SetFilter(r.Text());
  } else if (auto* dialog = DynamicCast<TOpenDialog>(c)) {
    if (r.TakeText()) dialog->SetTitle(r.Text());
    if (r.TakeText()) dialog->SetFilter(r.Text());
  } else if (auto* item = DynamicCast<TMenuItem>(c)) {
    if (r.TakeText()) item->SetCaption(r.Text());
  } else {
    if (HasProperty(component, "Caption") && r.TakeText()) {
      SetTextProperty(component, "Caption", r.Text());
    }
    if (HasProperty(component, "Text") && r.TakeText()) {
      SetTextProperty(component, "Text", r.Text());
    }
  }
}

void RegisterMultiLangClasses() {
  tk::RegisterClass(TMultiLang::StaticClass());
}

}  // namespace ml
