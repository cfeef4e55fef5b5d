#include "tests/multilang/win32/ShownTexts.h"

#include <windows.h>

#include <stdexcept>

#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/win32/NativeTexts.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/StandardClasses.h"
#include "toolkit/StdCtrls.h"
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

template <class T>
const T* As(const TComponent& c) {
  return c.Is<T>() ? static_cast<const T*>(&c) : nullptr;
}

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

bool DerivesFrom(const ClassInfo* info, const ClassInfo& base) {
  for (; info != nullptr; info = info->parent) {
    if (info == &base) return true;
  }
  return false;
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
  return GetSubMenu(HoldingMenu(*parent), parent->MenuIndex());
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

Value ReadMenuItem(const TMenuItem& item, const Value& like) {
  if (like.facet != Facet::ControlText) return Read(item, like);
  return {like.facet, {native::Menu(HoldingMenu(item)).ItemText(item.MenuIndex())}};
}

// Sub-item k shows in column k + 1. How many sub-items an item has does not show, nor do those
// beyond the last column: the model tells both.
Texts ShownSubItems(const TCustomListView& view, HWND hwnd, int item) {
  const native::ListView list(hwnd);
  const auto columns = static_cast<int>(list.Columns().size());
  Texts texts = view.Items()[item]->SubItems().Items();
  for (int k = 0; k < static_cast<int>(texts.size()) && k + 1 < columns; ++k) {
    texts[static_cast<std::size_t>(k)] = list.Cell(item, k + 1);
  }
  return texts;
}

// A filter combo box lists only the descriptions of its filter: when they are the model's, the
// model's filter stands for what it shows.
std::string ShownFilter(const TFilterComboBox& combo, HWND hwnd) {
  const Texts items = native::ComboBox(hwnd).Items();
  if (items == FilterDescriptions(combo.Filter())) return combo.Filter();
  return "(the list shows: " + Joined(items) + ")";
}

Texts ShownItems(const TComponent& c, HWND hwnd) {
  if (As<TCustomComboBoxEx>(c) != nullptr) return native::ComboBoxEx(hwnd).Items();
  if (As<TCustomComboBox>(c) != nullptr) return native::ComboBox(hwnd).Items();
  if (As<TCustomListBox>(c) != nullptr) return native::ListBox(hwnd).Items();
  if (As<TCustomRadioGroup>(c) != nullptr) return shown::RadioButtonTexts(hwnd);
  throw std::logic_error("no items shown by " + std::string(c.ClassName()));
}

int ShownItemIndex(const TComponent& c, HWND hwnd) {
  if (As<TCustomComboBox>(c) != nullptr) return native::ComboBox(hwnd).Selection();
  if (As<TCustomListBox>(c) != nullptr) return native::ListBox(hwnd).Selection();
  if (As<TCustomRadioGroup>(c) != nullptr) return shown::CheckedRadioButton(hwnd);
  throw std::logic_error("no selection shown by " + std::string(c.ClassName()));
}

Value ReadControl(const TControl& c, HWND hwnd, const Value& like) {
  Value v{like.facet, {}, like.number};
  switch (like.facet) {
    case Facet::ControlText:
      v.texts = {As<TCustomComboBoxEx>(c) != nullptr ? shown::ComboExText(hwnd)
                                                     : native::Window(hwnd).Text()};
      return v;
    case Facet::EditLabel:
      v.texts = {native::Window(RequiredHandle(*As<TCustomLabeledEdit>(c)->EditLabel())).Text()};
      return v;
    case Facet::Items:
      v.texts = ShownItems(c, hwnd);
      return v;
    case Facet::ItemIndex:
      v.number = ShownItemIndex(c, hwnd);
      return v;
    case Facet::Lines:
      v.texts = shown::EditLines(hwnd);
      return v;
    case Facet::Tabs:
    case Facet::Pages:
      v.texts = native::TabControl(hwnd).Texts();
      return v;
    case Facet::Sections:
      v.texts = native::Header(hwnd).Texts();
      return v;
    case Facet::Columns:
      v.texts = native::ListView(hwnd).Columns();
      return v;
    case Facet::Nodes:
      v.texts = shown::TreeItems(hwnd);
      return v;
    case Facet::ListItems:
      v.texts = native::ListView(hwnd).ColumnCells(0);
      return v;
    case Facet::SubItems:
      v.texts = ShownSubItems(*As<TCustomListView>(c), hwnd, like.number);
      return v;
    case Facet::Panels:
      v.texts = shown::StatusParts(hwnd);
      return v;
    case Facet::SimpleText:
      v.texts = {shown::StatusSimpleText(hwnd)};
      return v;
    case Facet::Filter:
      if (const auto* combo = As<TFilterComboBox>(c)) {
        v.texts = {ShownFilter(*combo, hwnd)};
        return v;
      }
      break;
    default:
      break;
  }
  // Hints and sort orders show nowhere natively.
  return Read(c, like);
}

bool ShownNatively(const ClassInfo* info) {
  if (DerivesFrom(info, TMenuItem::StaticClass()) || DerivesFrom(info, TMenu::StaticClass())) {
    return true;
  }
  return DerivesFrom(info, TControl::StaticClass()) && StandardPeers().Find(*info) != nullptr;
}

}  // namespace

bool ShownNatively(const std::string& kind) {
  // Also asked before any test has registered the classes, to name the tests.
  RegisterStandardClasses();
  return ShownNatively(FindClass(kind));
}

Value ReadShown(const TComponent& component, const Value& like) {
  if (const auto* item = As<TMenuItem>(component)) return ReadMenuItem(*item, like);
  const auto* control = As<TControl>(component);
  if (control == nullptr || !ShownNatively(&component.ClassType())) return Read(component, like);
  return ReadControl(*control, RequiredHandle(*control), like);
}

}  // namespace kindcases
