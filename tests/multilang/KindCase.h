// Cases of one block of the translation table written into one control: the control's kind and
// what it holds first, the table and the line its block starts at, and what the control holds
// afterwards. Cases are data only, so a runner on any backend can replay them and read the
// results back from its own controls.
//
// Each case names the row of the kind table (multilang/KindTable.h) that it exercises, by the
// class the row tests, and the class of its control when that is another that goes by the row.
//
// A runner, for each case:
//   1. creates a window and on it one control of class `kind.made`, named as its class without
//      the leading "T" followed by "1" ("TListBox" gives "ListBox1");
//   2. writes the `before` values into it, in their order;
//   3. puts a TMultiLang on the window with `table`'s languages, active and default language,
//      DefaultEnabled and TranslateEdits, then its words;
//   4. calls ApplyEntry(control, Index) with Index = `table.start`;
//   5. expects Index to be `index`, and reads back each of the `after` values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "multilang/MLTypes.h"

namespace kindcases {

using Texts = std::vector<std::string>;

// What of a control a value sets up or reads back.
enum class Facet : std::uint8_t {
  ControlText,     // caption, window title, edit text, a menu item's caption
  Hint,            //
  EditLabel,       // the caption of a labeled edit's label
  Items,           // list box, combo box and radio group items; a TComboBoxEx's ItemsEx captions
  Lines,           // memo lines
  TitleCaptions,   // value-list editor
  Tabs,            // tab set, tab control
  Pages,           // notebooks
  Sections,        // THeader's strings, THeaderControl's sections
  Columns,         // list-view column captions, data-grid column titles
  Nodes,           // tree nodes in pre-order, each marked with one ">" per level below the top
  ListItems,       // list-view item captions
  SubItems,        // the sub-items of list-view item `number`
  Panels,          // status panel texts
  NavigatorHints,  //
  SimpleText,      // status bar
  DisplayLabel,    // field
  Filter,          // filter combo box, file dialog
  Title,           // file dialog
  ItemIndex,       // ordinal: the selected item (combo boxes)
  SortType,        // ordinal: tree views and list views (tk::TSortType)
  ReadOnly,        // ordinal, set up only: 1 makes an edit-like control read-only
  Action,          // ordinal, set up only: 1 assigns an action
};

inline const char* FacetName(Facet facet) {
  static const char* const kNames[] = {
      "ControlText", "Hint",      "EditLabel",      "Items",      "Lines",        "TitleCaptions",
      "Tabs",        "Pages",     "Sections",       "Columns",    "Nodes",        "ListItems",
      "SubItems",    "Panels",    "NavigatorHints", "SimpleText", "DisplayLabel", "Filter",
      "Title",       "ItemIndex", "SortType",       "ReadOnly",   "Action"};
  return kNames[static_cast<int>(facet)];
}

struct Value {
  Facet facet;
  Texts texts;     // a single text is a list of one
  int number = 0;  // the value of an ordinal facet; the list item of SubItems
};

inline Value Text(Facet facet, std::string text) {
  return {facet, {std::move(text)}};
}
inline Value List(Facet facet, Texts texts) {
  return {facet, std::move(texts)};
}
inline Value Ordinal(Facet facet, int number) {
  return {facet, {}, number};
}
inline Value SubItemsOf(int item, Texts texts) {
  return {Facet::SubItems, std::move(texts), item};
}

inline bool IsOrdinal(Facet facet) {
  return facet == Facet::ItemIndex || facet == Facet::SortType || facet == Facet::ReadOnly ||
         facet == Facet::Action;
}
// Single-text facets; the others are lists or ordinals.
inline bool IsSingleText(Facet facet) {
  switch (facet) {
    case Facet::ControlText:
    case Facet::Hint:
    case Facet::EditLabel:
    case Facet::SimpleText:
    case Facet::DisplayLabel:
    case Facet::Filter:
    case Facet::Title:
      return true;
    default:
      return false;
  }
}

struct Table {
  int languages = 2;
  int active = 1;
  Texts words;
  int start = 0;  // the key line of the control's entry
  int defaultLanguage = 0;
  bool defaultEnabled = false;
  ml::TTranslateEdits translateEdits = ml::teReadOnly;
};

// A row of the kind table by its class, and the class of the control a case makes for it. Not
// explicit: a case of the row's own class names it alone.
struct RowKind {
  RowKind(const char* row) : row(row), made(row) {}
  RowKind(const char* row, const char* made) : row(row), made(made) {}
  std::string row;
  std::string made;
};

struct KindCase {
  std::string name;  // letters, digits and underscores: the test's name
  RowKind kind;
  std::vector<Value> before;
  Table table;
  int index;  // Index after the call
  std::vector<Value> after;
};

inline const std::string kItemKey = "\"";
inline const std::string kHintKey = "\".Hint";

// A table from its entries, each a key and its texts (fewer texts: an entry cut short).
inline Texts Entries(std::initializer_list<Texts> entries) {
  Texts words;
  for (const Texts& entry : entries) words.insert(words.end(), entry.begin(), entry.end());
  return words;
}

// The name a runner gives the case's control.
inline std::string ControlName(const std::string& kind) {
  return kind.substr(1) + "1";
}

}  // namespace kindcases
