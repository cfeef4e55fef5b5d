#include "tests/multilang/win32/ShownTexts.h"

#include <windows.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "multilang/KindTable.h"
#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/win32/NativeTexts.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/StandardClasses.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/win32/PeerRegistry.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/Header.h"
#include "toolkit/win32/native/ListView.h"
#include "toolkit/win32/native/Menu.h"
#include "toolkit/win32/native/StringList.h"
#include "toolkit/win32/native/TabControl.h"

namespace kindcases {

namespace {

using namespace tk;
namespace native = tk::win32::native;

HWND HandleOf(const TControl& control) {
  return control.Peer() != nullptr ? static_cast<HWND>(control.Peer()->NativeHandle()) : nullptr;
}

HWND RequiredHandle(const TControl& control) {
  HWND hwnd = HandleOf(control);
  if (hwnd == nullptr) {
    throw std::logic_error(control.Name() + " (" + std::string(control.ClassName()) +
                           ") has no native window");
  }
  return hwnd;
}

HWND Hwnd(const TComponent& control) {
  return RequiredHandle(static_cast<const TControl&>(control));
}

const win32::PeerRegistry& StandardPeers() {
  static const win32::PeerRegistry registry = [] {
    win32::PeerRegistry r;
    win32::RegisterStandardPeers(r);
    return r;
  }();
  return registry;
}

// The native menu that holds the item: the menu bar for the top row, else its parent's pop-up.
HMENU HoldingMenu(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  const TMenu* menu = item.GetParentMenu();
  if (parent == nullptr || menu == nullptr || menu->Peer() == nullptr) {
    throw std::logic_error(item.Name() + " hangs in no shown menu");
  }
  if (parent == menu->Items()) return static_cast<HMENU>(menu->Peer()->NativeHandle());
  return native::Menu(HoldingMenu(*parent)).SubMenu(parent->MenuIndex());
}

// The descriptions of a filter, which a filter combo box lists.
Texts FilterDescriptions(const std::string& filter) {
  Texts parts;
  std::size_t from = 0;
  for (std::size_t bar; (bar = filter.find('|', from)) != std::string::npos; from = bar + 1) {
    parts.push_back(filter.substr(from, bar - from));
  }
  parts.push_back(filter.substr(from));
  Texts descriptions;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty() && i + 1 >= parts.size()) break;  // a trailing "|"
    descriptions.push_back(parts[i]);
  }
  return descriptions;
}

std::string Joined(const Texts& texts) {
  std::string out;
  for (const std::string& t : texts) out += (out.empty() ? "" : ", ") + t;
  return out;
}

// A filter combo box lists only the descriptions of its filter: when they are the model's, the
// model's filter stands for what it shows.
void ReadShownFilter(const TComponent& c, Value& v) {
  const Texts items = native::ComboBox(Hwnd(c)).Items();
  const std::string& filter = static_cast<const TFilterComboBox&>(c).Filter();
  v.texts = {items == FilterDescriptions(filter) ? filter
                                                 : "(the list shows: " + Joined(items) + ")"};
}

// Sub-item k shows in column k + 1. How many sub-items an item has does not show, nor do those
// beyond the last column: the model tells both.
void ReadShownSubItems(const TComponent& c, Value& v) {
  const native::ListView list(Hwnd(c));
  const int columns = static_cast<int>(list.Columns().size());
  v.texts = static_cast<const TListView&>(c).Items()[v.number]->SubItems().Items();
  for (int k = 0; k < static_cast<int>(v.texts.size()) && k + 1 < columns; ++k) {
    v.texts[static_cast<std::size_t>(k)] = list.Cell(v.number, k + 1);
  }
}

void ReadShownMenuItem(const TComponent& c, Value& v) {
  const auto& item = static_cast<const TMenuItem&>(c);
  v.texts = {native::Menu(HoldingMenu(item)).ItemText(item.MenuIndex())};
}

struct ShownFacet {
  Facet facet;
  std::function<void(const TComponent&, Value&)> read;
};
using ShownFacets = std::vector<ShownFacet>;

ShownFacet TextsOf(Facet facet, Texts (*read)(HWND)) {
  return {facet, [read](const TComponent& c, Value& v) { v.texts = read(Hwnd(c)); }};
}
ShownFacet TextOf(Facet facet, std::string (*read)(HWND)) {
  return {facet, [read](const TComponent& c, Value& v) { v.texts = {read(Hwnd(c))}; }};
}
ShownFacet NumberOf(Facet facet, int (*read)(HWND)) {
  return {facet, [read](const TComponent& c, Value& v) { v.number = read(Hwnd(c)); }};
}

// A reader of the window through the native-control helper `Control`, for the readers above.
template <class Control, auto Read>
auto Through(HWND hwnd) {
  return (Control(hwnd).*Read)();
}

template <class T>
const ClassInfo* Row() {
  return &T::StaticClass();
}

// What the native control of each row's kinds shows, by the row's class, beyond the window text
// of a control. Every row whose class shows natively has its entry, and only those.
const std::map<const ClassInfo*, ShownFacets>& ShownRows() {
  static const auto rows = [] {
    const ShownFacets listBox = {
        TextsOf(Facet::Items, Through<native::ListBox, &native::ListBox::Items>),
        NumberOf(Facet::ItemIndex, Through<native::ListBox, &native::ListBox::Selection>)};
    // An extended combo box answers the plain combo box's request for its selection.
    const auto comboSelection =
        NumberOf(Facet::ItemIndex, Through<native::ComboBox, &native::ComboBox::Selection>);
    const ShownFacets comboBox = {
        TextsOf(Facet::Items, Through<native::ComboBox, &native::ComboBox::Items>), comboSelection};
    const ShownFacets radioGroup = {TextsOf(Facet::Items, shown::RadioButtonTexts),
                                    NumberOf(Facet::ItemIndex, shown::CheckedRadioButton)};
    Texts (*const tabTexts)(HWND) = Through<native::TabControl, &native::TabControl::Texts>;
    return std::map<const ClassInfo*, ShownFacets>{
        {Row<TListBox>(), listBox},
        {Row<TLabeledEdit>(),
         {{Facet::EditLabel,
           [](const TComponent& c, Value& v) {
             const TBoundLabel& label = *static_cast<const TLabeledEdit&>(c).EditLabel();
             v.texts = {native::Window(RequiredHandle(label)).Text()};
           }}}},
        {Row<TComboBoxEx>(),
         {TextOf(Facet::ControlText, shown::ComboExText),
          TextsOf(Facet::Items, Through<native::ComboBoxEx, &native::ComboBoxEx::Items>),
          comboSelection}},
        {Row<TDBListBox>(), listBox},
        {Row<TDBRadioGroup>(), radioGroup},
        {Row<TDBComboBox>(), comboBox},
        {Row<TCustomForm>(), {}},
        {Row<TRadioGroup>(), radioGroup},
        {Row<TMemo>(), {TextsOf(Facet::Lines, shown::EditLines)}},
        {Row<TTabSet>(), {TextsOf(Facet::Tabs, tabTexts)}},
        {Row<TTabbedNotebook>(), {TextsOf(Facet::Pages, tabTexts)}},
        {Row<TTabControl>(), {TextsOf(Facet::Tabs, tabTexts)}},
        {Row<TTreeView>(), {TextsOf(Facet::Nodes, shown::TreeItems)}},
        {Row<TListView>(),
         {TextsOf(Facet::Columns, Through<native::ListView, &native::ListView::Columns>),
          TextsOf(Facet::ListItems, [](HWND h) { return native::ListView(h).ColumnCells(0); }),
          {Facet::SubItems, ReadShownSubItems}}},
        {Row<TStatusBar>(),
         {TextsOf(Facet::Panels, shown::StatusParts),
          TextOf(Facet::SimpleText, shown::StatusSimpleText)}},
        {Row<THeaderControl>(),
         {TextsOf(Facet::Sections, Through<native::Header, &native::Header::Texts>)}},
        {Row<TComboBox>(), comboBox},
        {Row<TFilterComboBox>(), {{Facet::Filter, ReadShownFilter}}},
        {Row<TMenuItem>(), {{Facet::ControlText, ReadShownMenuItem}}},
    };
  }();
  return rows;
}

const ShownFacet* Find(const ShownFacets& facets, Facet facet) {
  for (const ShownFacet& f : facets) {
    if (f.facet == facet) return &f;
  }
  return nullptr;
}

}  // namespace

bool ShownNatively(const ClassInfo& kind) {
  if (kind.InheritsFrom(TMenuItem::StaticClass()) || kind.InheritsFrom(TMenu::StaticClass())) {
    return true;
  }
  return kind.InheritsFrom(TControl::StaticClass()) && StandardPeers().Find(kind) != nullptr;
}

bool ShownNatively(const std::string& kind) {
  // Also asked before any test has registered the classes, to name the tests.
  RegisterStandardClasses();
  if (kind == "TForm") return ShownNatively(TForm::StaticClass());
  const ClassInfo* info = FindClass(kind);
  return info != nullptr && ShownNatively(*info);
}

bool ReadsNatively(const ClassInfo& row) {
  return ShownRows().count(&row) > 0;
}

Value ReadShown(const TComponent& component, const Value& like) {
  // Hints and sort orders show nowhere natively.
  if (!ShownNatively(component.ClassType()) || like.facet == Facet::Hint ||
      like.facet == Facet::SortType) {
    return Read(component, like);
  }
  const auto row = ShownRows().find(ml::FindKindRow(component.ClassType()).kind);
  const ShownFacet* shown = row != ShownRows().end() ? Find(row->second, like.facet) : nullptr;
  Value v{like.facet, {}, like.number};
  if (shown != nullptr) {
    shown->read(component, v);
  } else if (like.facet == Facet::ControlText && component.Is<TControl>()) {
    v.texts = {native::Window(Hwnd(component)).Text()};
  } else {
    throw std::logic_error(std::string(FacetName(like.facet)) + " of " +
                           std::string(component.ClassName()) + " is not read natively");
  }
  return v;
}

}  // namespace kindcases
