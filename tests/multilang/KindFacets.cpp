// How kind cases, random windows and the switch fuzzer set up and read back a control's facets,
// found through the row of the kind table that the control goes by: each row names the facets of
// its kinds (a row's string list is the row's own), and every control has its control text, hint,
// action and read-only flag.
#include "tests/multilang/KindFacets.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "multilang/KindTable.h"
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

namespace kindcases {

namespace {

using namespace tk;
using F = Facet;

struct FacetAccess {
  Facet facet;
  std::function<void(TComponent&, const Value&)> put;
  std::function<void(const TComponent&, Value&)> read;  // null: set up only
};
using Facets = std::vector<FacetAccess>;

TObject& SomeAction() {
  static TObject action;
  return action;
}

// One text through the class's accessors.
template <class T, auto Get, auto Set>
FacetAccess TextFacet(Facet facet) {
  return {facet, [](TComponent& c, const Value& v) { (static_cast<T&>(c).*Set)(v.texts.at(0)); },
          [](const TComponent& c, Value& v) { v.texts = {(static_cast<const T&>(c).*Get)()}; }};
}

template <class T>
FacetAccess ActionFacet() {
  return {F::Action,
          [](TComponent& c, const Value& v) {
            static_cast<T&>(c).SetAction(v.number != 0 ? &SomeAction() : nullptr);
          },
          nullptr};
}

template <class T>
FacetAccess ItemIndexFacet() {
  return {F::ItemIndex,
          [](TComponent& c, const Value& v) { static_cast<T&>(c).SetItemIndex(v.number); },
          [](const TComponent& c, Value& v) { v.number = static_cast<const T&>(c).ItemIndex(); }};
}

template <class T>
FacetAccess SortTypeFacet() {
  return {F::SortType,
          [](TComponent& c, const Value& v) { static_cast<T&>(c).SetSortType(v.number); },
          [](const TComponent& c, Value& v) { v.number = static_cast<const T&>(c).SortType(); }};
}

// The string list that the row fills.
FacetAccess RowStrings(Facet facet) {
  auto strings = [](const TComponent& c) -> TStrings& {
    const ml::KindRow& row = ml::FindKindRow(c.ClassType());
    if (row.strings == nullptr) throw std::logic_error(std::string(c.ClassName()) + ": no list");
    return row.strings(const_cast<TComponent&>(c));
  };
  return {facet, [strings](TComponent& c, const Value& v) { strings(c).Assign(v.texts); },
          [strings](const TComponent& c, Value& v) { v.texts = strings(c).Items(); }};
}

// The items of a collection that `items` gives, one text each.
template <class T, class Items, class Get, class Set>
FacetAccess CollectionFacet(Facet facet, Items items, Get get, Set set) {
  return {facet,
          [items, set](TComponent& c, const Value& v) {
            auto& collection = items(static_cast<T&>(c));
            collection.Clear();
            for (const std::string& t : v.texts) set(*collection.Add(), t);
          },
          [items, get](const TComponent& c, Value& v) {
            const auto& collection = items(static_cast<const T&>(c));
            for (int i = 0; i < collection.Count(); ++i) v.texts.push_back(get(*collection[i]));
          }};
}

// Nodes in pre-order, each marked with one ">" per level below the top.
void PutTree(TComponent& c, const Value& v) {
  TTreeNodes& nodes = static_cast<TTreeView&>(c).Items();
  nodes.Clear();
  std::vector<TTreeNode*> lastAtLevel;
  for (const std::string& m : v.texts) {
    const std::size_t level = m.find_first_not_of('>');
    const std::string text = m.substr(level == std::string::npos ? m.size() : level);
    TTreeNode* node =
        level == 0 ? nodes.Add(nullptr, text) : nodes.AddChild(lastAtLevel.at(level - 1), text);
    lastAtLevel.resize(level + 1);
    lastAtLevel[level] = node;
  }
}

void ReadTree(const TComponent& c, Value& v) {
  const TTreeNodes& nodes = static_cast<const TTreeView&>(c).Items();
  for (int i = 0; i < nodes.Count(); ++i) {
    const TTreeNode* node = nodes.Item(i);
    v.texts.push_back(std::string(static_cast<std::size_t>(node->Level()), '>') + node->Text());
  }
}

// The sub-items of list item `number`.
FacetAccess SubItemsFacet() {
  return {F::SubItems,
          [](TComponent& c, const Value& v) {
            static_cast<TListView&>(c).Items()[v.number]->SubItems().Assign(v.texts);
          },
          [](const TComponent& c, Value& v) {
            v.texts = static_cast<const TListView&>(c).Items()[v.number]->SubItems().Items();
          }};
}

const Facets& ControlFacets() {
  static const Facets facets = {
      TextFacet<TControl, &TControl::Caption, &TControl::SetCaption>(F::ControlText),
      TextFacet<TControl, &TControl::Hint, &TControl::SetHint>(F::Hint),
      ActionFacet<TControl>(),
      {F::ReadOnly,
       [](TComponent& c, const Value& v) {
         if (!HasProperty(c, "ReadOnly")) throw std::logic_error("not read-only");
         SetOrdProp(c, "ReadOnly", v.number);
       },
       nullptr},
  };
  return facets;
}

template <class T>
const ClassInfo* Row() {
  return &T::StaticClass();
}

// The facets of each row's kinds beyond those of every control, by the row's class.
const std::map<const ClassInfo*, Facets>& RowFacets() {
  auto caption = [](const auto& item) { return item.Caption(); };
  auto setCaption = [](auto& item, const std::string& t) { item.SetCaption(t); };
  auto text = [](const auto& item) { return item.Text(); };
  auto setText = [](auto& item, const std::string& t) { item.SetText(t); };
  auto columns = [](auto& c) -> auto& {
    return c.Columns();
  };
  static const std::map<const ClassInfo*, Facets> facets = {
      {Row<TListBox>(), {RowStrings(F::Items), ItemIndexFacet<TCustomListBox>()}},
      {Row<TLabeledEdit>(),
       {{F::EditLabel,
         [](TComponent& c, const Value& v) {
           static_cast<TLabeledEdit&>(c).EditLabel()->SetCaption(v.texts.at(0));
         },
         [](const TComponent& c, Value& v) {
           v.texts = {static_cast<const TLabeledEdit&>(c).EditLabel()->Caption()};
         }}}},
      {Row<TComboBoxEx>(),
       {CollectionFacet<TComboBoxEx>(
            F::Items, [](auto& c) -> auto& { return c.ItemsEx(); }, caption, setCaption),
        ItemIndexFacet<TCustomComboBox>()}},
      {Row<TDBListBox>(), {RowStrings(F::Items), ItemIndexFacet<TCustomListBox>()}},
      {Row<TDBRadioGroup>(), {RowStrings(F::Items), ItemIndexFacet<TCustomRadioGroup>()}},
      {Row<TDBGrid>(),
       {CollectionFacet<TDBGrid>(
           F::Columns, columns, [](const TColumn& i) { return i.Title().Caption(); },
           [](TColumn& i, const std::string& t) { i.Title().SetCaption(t); })}},
      {Row<TDBComboBox>(), {RowStrings(F::Items), ItemIndexFacet<TCustomComboBox>()}},
      {Row<TField>(),
       {TextFacet<TField, &TField::DisplayLabel, &TField::SetDisplayLabel>(F::DisplayLabel)}},
      {Row<TDBNavigator>(), {RowStrings(F::NavigatorHints)}},
      {Row<TRadioGroup>(), {RowStrings(F::Items), ItemIndexFacet<TCustomRadioGroup>()}},
      {Row<TMemo>(), {RowStrings(F::Lines)}},
      {Row<TValueListEditor>(), {RowStrings(F::TitleCaptions)}},
      {Row<THeader>(), {RowStrings(F::Sections)}},
      {Row<TTabSet>(), {RowStrings(F::Tabs)}},
      {Row<TTabbedNotebook>(), {RowStrings(F::Pages)}},
      {Row<TNotebook>(), {RowStrings(F::Pages)}},
      {Row<TTabControl>(), {RowStrings(F::Tabs)}},
      {Row<TTreeView>(), {{F::Nodes, PutTree, ReadTree}, SortTypeFacet<TTreeView>()}},
      {Row<TListView>(),
       {CollectionFacet<TListView>(F::Columns, columns, caption, setCaption),
        CollectionFacet<TListView>(
            F::ListItems, [](auto& c) -> auto& { return c.Items(); }, caption, setCaption),
        SubItemsFacet(), SortTypeFacet<TListView>()}},
      {Row<TStatusBar>(),
       {TextFacet<TStatusBar, &TStatusBar::SimpleText, &TStatusBar::SetSimpleText>(F::SimpleText),
        CollectionFacet<TStatusBar>(
            F::Panels, [](auto& c) -> auto& { return c.Panels(); }, text, setText)}},
      {Row<THeaderControl>(),
       {CollectionFacet<THeaderControl>(
           F::Sections, [](auto& c) -> auto& { return c.Sections(); }, text, setText)}},
      {Row<TComboBox>(), {RowStrings(F::Items), ItemIndexFacet<TCustomComboBox>()}},
      {Row<TFilterComboBox>(),
       {TextFacet<TFilterComboBox, &TFilterComboBox::Filter, &TFilterComboBox::SetFilter>(
           F::Filter)}},
      {Row<TOpenDialog>(),
       {TextFacet<TOpenDialog, &TOpenDialog::Title, &TOpenDialog::SetTitle>(F::Title),
        TextFacet<TOpenDialog, &TOpenDialog::Filter, &TOpenDialog::SetFilter>(F::Filter)}},
      {Row<TMenuItem>(),
       {TextFacet<TMenuItem, &TMenuItem::Caption, &TMenuItem::SetCaption>(F::ControlText),
        TextFacet<TMenuItem, &TMenuItem::Hint, &TMenuItem::SetHint>(F::Hint),
        ActionFacet<TMenuItem>()}},
  };
  return facets;
}

const FacetAccess* Find(const Facets& facets, Facet facet) {
  for (const FacetAccess& f : facets) {
    if (f.facet == facet) return &f;
  }
  return nullptr;
}

const FacetAccess& FacetOf(const TComponent& c, Facet facet) {
  const auto rowFacets = RowFacets().find(ml::FindKindRow(c.ClassType()).kind);
  const FacetAccess* found =
      rowFacets != RowFacets().end() ? Find(rowFacets->second, facet) : nullptr;
  if (found == nullptr && c.Is<TControl>()) found = Find(ControlFacets(), facet);
  if (found == nullptr) {
    throw std::logic_error(std::string(FacetName(facet)) + " is not a facet of " +
                           std::string(c.ClassName()));
  }
  return *found;
}

}  // namespace

// Windows are not created by name, so a window is built directly.
TComponent* CreateKind(const std::string& kind, TComponent& owner) {
  if (kind == "TForm") return new TForm(&owner);
  const ClassInfo* info = FindClass(kind);
  return (info != nullptr && info->create != nullptr) ? info->create(&owner) : nullptr;
}

TComponent* PlaceKind(const std::string& kind, TForm& window) {
  TComponent* component = CreateKind(kind, window);
  if (component == nullptr) return nullptr;
  component->SetName(ControlName(kind));
  if (auto* form = DynamicCast<TCustomForm>(component)) {
    form->SetBounds(window.Left() + window.Width() + 20, window.Top(), 300, 200);
  } else if (auto* control = DynamicCast<TControl>(component)) {
    control->SetParent(&window);
    // Room above for a labeled edit's label.
    control->SetBounds(20, 40, 320, 160);
  } else if (auto* item = DynamicCast<TMenuItem>(component)) {
    NewComponent<TMainMenu>(&window, "MainMenu1")->Items()->Add(item);
  }
  return component;
}

void ShowWith(TForm& window, TComponent& component) {
  window.Show();
  if (auto* form = DynamicCast<TCustomForm>(&component); form != nullptr && form != &window) {
    form->Show();
  }
}

void Put(TComponent& control, const Value& value) {
  FacetOf(control, value.facet).put(control, value);
}

Value Read(const TComponent& control, const Value& like) {
  const FacetAccess& facet = FacetOf(control, like.facet);
  if (!facet.read) throw std::logic_error(std::string(FacetName(like.facet)) + " is set up only");
  Value v{like.facet, {}, like.number};
  facet.read(control, v);
  return v;
}

std::string Show(const Value& v) {
  if (IsOrdinal(v.facet)) return std::to_string(v.number);
  std::string out = "{";
  for (std::size_t i = 0; i < v.texts.size(); ++i) {
    out += (i > 0 ? ", \"" : "\"") + v.texts[i] + "\"";
  }
  return out + "}";
}

}  // namespace kindcases
