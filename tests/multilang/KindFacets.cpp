#include "tests/multilang/KindFacets.h"

#include <stdexcept>
#include <vector>

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

[[noreturn]] void NotOnKind(const TComponent& control, Facet facet) {
  throw std::logic_error(std::string(FacetName(facet)) + " is not a facet of " +
                         std::string(control.ClassName()));
}

template <class T>
T* As(const TComponent& c) {
  return DynamicCast<T>(const_cast<TComponent*>(&c));
}

// The string list that a list facet names on this control, or null.
TStrings* StringList(const TComponent& c, Facet facet) {
  switch (facet) {
    case Facet::Items:
      if (As<TCustomComboBoxEx>(c) != nullptr) return nullptr;  // ItemsEx instead
      if (auto* x = As<TCustomListBox>(c)) return &x->Items();
      if (auto* x = As<TCustomComboBox>(c)) return &x->Items();
      if (auto* x = As<TCustomRadioGroup>(c)) return &x->Items();
      return nullptr;
    case Facet::Lines:
      if (auto* x = As<TCustomMemo>(c)) return &x->Lines();
      return nullptr;
    case Facet::TitleCaptions:
      if (auto* x = As<TValueListEditor>(c)) return &x->TitleCaptions();
      return nullptr;
    case Facet::Tabs:
      if (auto* x = As<TCustomTabControl>(c)) return &x->Tabs();
      return nullptr;
    case Facet::Pages:
      if (auto* x = As<TNotebook>(c)) return &x->Pages();
      if (auto* x = As<TTabbedNotebook>(c)) return &x->Pages();
      return nullptr;
    case Facet::Sections:
      if (auto* x = As<THeader>(c)) return &x->Sections();
      return nullptr;
    case Facet::NavigatorHints:
      if (auto* x = As<TDBNavigator>(c)) return &x->Hints();
      return nullptr;
    default:
      return nullptr;
  }
}

void PutTree(TTreeNodes& nodes, const Texts& marked) {
  std::vector<TTreeNode*> lastAtLevel;
  for (const std::string& m : marked) {
    const std::size_t level = m.find_first_not_of('>');
    const std::string text = m.substr(level == std::string::npos ? m.size() : level);
    TTreeNode* node =
        level == 0 ? nodes.Add(nullptr, text) : nodes.AddChild(lastAtLevel.at(level - 1), text);
    lastAtLevel.resize(level + 1);
    lastAtLevel[level] = node;
  }
}

Texts ReadTree(const TTreeNodes& nodes) {
  Texts marked;
  for (int i = 0; i < nodes.Count(); ++i) {
    const TTreeNode* node = nodes.Item(i);
    marked.push_back(std::string(static_cast<std::size_t>(node->Level()), '>') + node->Text());
  }
  return marked;
}

template <class Coll, class Set>
void PutCollection(Coll& items, const Texts& texts, Set set) {
  items.Clear();
  for (const std::string& t : texts) set(*items.Add(), t);
}

template <class Coll, class Get>
Texts ReadCollection(const Coll& items, Get get) {
  Texts texts;
  for (int i = 0; i < items.Count(); ++i) texts.push_back(get(*items.Items(i)));
  return texts;
}

TObject& SomeAction() {
  static TObject action;
  return action;
}

void PutText(TComponent& c, Facet facet, const std::string& text) {
  switch (facet) {
    case Facet::ControlText:
      if (auto* x = As<TMenuItem>(c)) return x->SetCaption(text);
      if (auto* x = As<TControl>(c)) return x->SetCaption(text);
      break;
    case Facet::Hint:
      if (auto* x = As<TMenuItem>(c)) return x->SetHint(text);
      if (auto* x = As<TControl>(c)) return x->SetHint(text);
      break;
    case Facet::EditLabel:
      if (auto* x = As<TCustomLabeledEdit>(c)) return x->EditLabel()->SetCaption(text);
      break;
    case Facet::SimpleText:
      if (auto* x = As<TStatusBar>(c)) return x->SetSimpleText(text);
      break;
    case Facet::DisplayLabel:
      if (auto* x = As<TField>(c)) return x->SetDisplayLabel(text);
      break;
    case Facet::Filter:
      if (auto* x = As<TFilterComboBox>(c)) return x->SetFilter(text);
      if (auto* x = As<TOpenDialog>(c)) return x->SetFilter(text);
      break;
    case Facet::Title:
      if (auto* x = As<TOpenDialog>(c)) return x->SetTitle(text);
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
}

std::string ReadText(const TComponent& c, Facet facet) {
  switch (facet) {
    case Facet::ControlText:
      if (auto* x = As<TMenuItem>(c)) return x->Caption();
      if (auto* x = As<TControl>(c)) return x->Caption();
      break;
    case Facet::Hint:
      if (auto* x = As<TMenuItem>(c)) return x->Hint();
      if (auto* x = As<TControl>(c)) return x->Hint();
      break;
    case Facet::EditLabel:
      if (auto* x = As<TCustomLabeledEdit>(c)) return x->EditLabel()->Caption();
      break;
    case Facet::SimpleText:
      if (auto* x = As<TStatusBar>(c)) return x->SimpleText();
      break;
    case Facet::DisplayLabel:
      if (auto* x = As<TField>(c)) return x->DisplayLabel();
      break;
    case Facet::Filter:
      if (auto* x = As<TFilterComboBox>(c)) return x->Filter();
      if (auto* x = As<TOpenDialog>(c)) return x->Filter();
      break;
    case Facet::Title:
      if (auto* x = As<TOpenDialog>(c)) return x->Title();
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
}

void PutOrdinal(TComponent& c, Facet facet, int number) {
  switch (facet) {
    case Facet::ItemIndex:
      if (auto* x = As<TCustomComboBox>(c)) return x->SetItemIndex(number);
      if (auto* x = As<TCustomListBox>(c)) return x->SetItemIndex(number);
      if (auto* x = As<TCustomRadioGroup>(c)) return x->SetItemIndex(number);
      break;
    case Facet::SortType:
      if (auto* x = As<TCustomTreeView>(c)) return x->SetSortType(number);
      if (auto* x = As<TCustomListView>(c)) return x->SetSortType(number);
      break;
    case Facet::ReadOnly:
      if (HasProperty(c, "ReadOnly")) return SetOrdProp(c, "ReadOnly", number);
      break;
    case Facet::Action:
      if (auto* x = As<TMenuItem>(c)) return x->SetAction(number != 0 ? &SomeAction() : nullptr);
      if (auto* x = As<TControl>(c)) return x->SetAction(number != 0 ? &SomeAction() : nullptr);
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
}

int ReadOrdinal(const TComponent& c, Facet facet) {
  switch (facet) {
    case Facet::ItemIndex:
      if (auto* x = As<TCustomComboBox>(c)) return x->ItemIndex();
      if (auto* x = As<TCustomListBox>(c)) return x->ItemIndex();
      if (auto* x = As<TCustomRadioGroup>(c)) return x->ItemIndex();
      break;
    case Facet::SortType:
      if (auto* x = As<TCustomTreeView>(c)) return x->SortType();
      if (auto* x = As<TCustomListView>(c)) return x->SortType();
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
}

void PutList(TComponent& c, Facet facet, const Value& value) {
  const Texts& texts = value.texts;
  if (TStrings* list = StringList(c, facet)) return list->Assign(texts);
  switch (facet) {
    case Facet::Items:
      if (auto* x = As<TCustomComboBoxEx>(c)) {
        return PutCollection(x->ItemsEx(), texts,
                             [](TComboExItem& i, const std::string& t) { i.SetCaption(t); });
      }
      break;
    case Facet::Sections:
      if (auto* x = As<THeaderControl>(c)) {
        return PutCollection(x->Sections(), texts,
                             [](THeaderSection& i, const std::string& t) { i.SetText(t); });
      }
      break;
    case Facet::Columns:
      if (auto* x = As<TCustomListView>(c)) {
        return PutCollection(x->Columns(), texts,
                             [](TListColumn& i, const std::string& t) { i.SetCaption(t); });
      }
      if (auto* x = As<TCustomDBGrid>(c)) {
        return PutCollection(x->Columns(), texts,
                             [](TColumn& i, const std::string& t) { i.Title().SetCaption(t); });
      }
      break;
    case Facet::Nodes:
      if (auto* x = As<TCustomTreeView>(c)) {
        x->Items().Clear();
        return PutTree(x->Items(), texts);
      }
      break;
    case Facet::ListItems:
      if (auto* x = As<TCustomListView>(c)) {
        return PutCollection(x->Items(), texts,
                             [](TListItem& i, const std::string& t) { i.SetCaption(t); });
      }
      break;
    case Facet::SubItems:
      if (auto* x = As<TCustomListView>(c))
        return x->Items().Items(value.number)->SubItems().Assign(texts);
      break;
    case Facet::Panels:
      if (auto* x = As<TStatusBar>(c)) {
        return PutCollection(x->Panels(), texts,
                             [](TStatusPanel& i, const std::string& t) { i.SetText(t); });
      }
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
}

Texts ReadList(const TComponent& c, Facet facet, int number) {
  if (const TStrings* list = StringList(c, facet)) return list->Items();
  switch (facet) {
    case Facet::Items:
      if (auto* x = As<TCustomComboBoxEx>(c)) {
        return ReadCollection(x->ItemsEx(), [](const TComboExItem& i) { return i.Caption(); });
      }
      break;
    case Facet::Sections:
      if (auto* x = As<THeaderControl>(c)) {
        return ReadCollection(x->Sections(), [](const THeaderSection& i) { return i.Text(); });
      }
      break;
    case Facet::Columns:
      if (auto* x = As<TCustomListView>(c)) {
        return ReadCollection(x->Columns(), [](const TListColumn& i) { return i.Caption(); });
      }
      if (auto* x = As<TCustomDBGrid>(c)) {
        return ReadCollection(x->Columns(), [](const TColumn& i) { return i.Title().Caption(); });
      }
      break;
    case Facet::Nodes:
      if (auto* x = As<TCustomTreeView>(c)) return ReadTree(x->Items());
      break;
    case Facet::ListItems:
      if (auto* x = As<TCustomListView>(c)) {
        return ReadCollection(x->Items(), [](const TListItem& i) { return i.Caption(); });
      }
      break;
    case Facet::SubItems:
      if (auto* x = As<TCustomListView>(c)) return x->Items().Items(number)->SubItems().Items();
      break;
    case Facet::Panels:
      if (auto* x = As<TStatusBar>(c)) {
        return ReadCollection(x->Panels(), [](const TStatusPanel& i) { return i.Text(); });
      }
      break;
    default:
      break;
  }
  NotOnKind(c, facet);
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
  if (IsOrdinal(value.facet)) return PutOrdinal(control, value.facet, value.number);
  if (IsSingleText(value.facet)) return PutText(control, value.facet, value.texts.at(0));
  PutList(control, value.facet, value);
}

Value Read(const TComponent& control, const Value& like) {
  Value v{like.facet, {}, like.number};
  if (IsOrdinal(like.facet)) {
    v.number = ReadOrdinal(control, like.facet);
  } else if (IsSingleText(like.facet)) {
    v.texts = {ReadText(control, like.facet)};
  } else {
    v.texts = ReadList(control, like.facet, like.number);
  }
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
