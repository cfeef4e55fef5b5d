// Cases of one component's texts collected into grid rows, per row of the kind table: the
// component set up as the kind cases set controls up, and the rows it gives (key, then the text of
// language 0, the active one), without the emptied row below them. Rows the kinds take from the
// component entry on are keyed with the component's name, as a runner names it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/multilang/KindCase.h"
#include "toolkit/DB.h"
#include "toolkit/DBGrids.h"
#include "toolkit/Properties.h"
#include "toolkit/TreeView.h"

namespace collectcases {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

struct CollectCase {
  std::string name;  // letters, digits and underscores: the test's name
  kindcases::RowKind kind;
  std::vector<kindcases::Value> setUp;
  Rows rows;
  // Set-up beyond the facets, after them.
  void (*prepare)(tk::TComponent& component) = nullptr;
};

// Names the case in GoogleTest's messages.
inline void PrintTo(const CollectCase& c, std::ostream* os) {
  *os << c.name;
}

inline const std::vector<CollectCase>& CollectCases() {
  using namespace kindcases;
  using F = Facet;
  const std::string& I = kItemKey;
  const std::string& H = kHintKey;
  static const std::vector<CollectCase> cases = {
      {"ListBox_ItemsThenHint",
       "TListBox",
       {List(F::Items, {"a", "b", "c"}), Text(F::Hint, "Pick one")},
       {{"ListBox1", "a"}, {I, "b"}, {I, "c"}, {H, "Pick one"}}},
      {"ListBox_EmptyListWritesNoRow", "TListBox", {}, {}},
      {"LabeledEdit_ItsLabelNotItsText",
       "TLabeledEdit",
       {Text(F::EditLabel, "Name"), Text(F::ControlText, "typed")},
       {{"LabeledEdit1", "Name"}}},
      {"ComboBoxEx_TextThenItems",
       "TComboBoxEx",
       {List(F::Items, {"one", "two"}), Text(F::ControlText, "edit")},
       {{"ComboBoxEx1", "edit"}, {I, "one"}, {I, "two"}}},
      {"DBListBox_Items",
       "TDBListBox",
       {List(F::Items, {"x", "y"})},
       {{"DBListBox1", "x"}, {I, "y"}}},
      {"DBRadioGroup_CaptionThenItems",
       "TDBRadioGroup",
       {Text(F::ControlText, "Field"), List(F::Items, {"yes"})},
       {{"DBRadioGroup1", "Field"}, {I, "yes"}}},
      {"DBGrid_ColumnTitlesOrFieldNames",
       "TDBGrid",
       {List(F::Columns, {"Name"})},
       {{"DBGrid1", "Name"}, {I, "CITY"}},
       [](tk::TComponent& c) {
         static_cast<tk::TDBGrid&>(c).Columns().Add()->SetFieldName("CITY");
       }},
      {"DBComboBox_Items", "TDBComboBox", {List(F::Items, {"p"})}, {{"DBComboBox1", "p"}}},
      {"Field_DisplayLabel",
       "TField",
       {Text(F::DisplayLabel, "Customer")},
       {{"Field1", "Customer"}},
       [](tk::TComponent& c) { static_cast<tk::TField&>(c).SetFieldName("NAME"); }},
      {"DBNavigator_CurrentHints",
       "TDBNavigator",
       {List(F::NavigatorHints, {"first", "", "last"})},
       {{"DBNavigator1", "first"}, {I, ""}, {I, "last"}}},
      // A window owned by the window is a component like any other, keyed by its name.
      {"OwnedWindow_Title",
       {"TCustomForm", "TForm"},
       {Text(F::ControlText, "Frage")},
       {{"Form1", "Frage"}}},
      {"RadioGroup_CaptionThenItems",
       "TRadioGroup",
       {Text(F::ControlText, "Mode"), List(F::Items, {"fast", "safe"})},
       {{"RadioGroup1", "Mode"}, {I, "fast"}, {I, "safe"}}},
      {"Memo_ReadOnlyGivesItsLines",
       "TMemo",
       {List(F::Lines, {"one", "two"}), Ordinal(F::ReadOnly, 1)},
       {{"Memo1", "one"}, {I, "two"}}},
      {"Memo_EditableIsRefusedButKeepsItsHint",
       "TMemo",
       {List(F::Lines, {"one"}), Text(F::Hint, "Notes")},
       {{"Memo1", ""}, {H, "Notes"}}},
      {"ValueListEditor_TitleCaptions",
       "TValueListEditor",
       {},
       {{"ValueListEditor1", "Key"}, {I, "Value"}}},
      {"Header_Sections",
       "THeader",
       {List(F::Sections, {"h1", "h2"})},
       {{"Header1", "h1"}, {I, "h2"}}},
      {"TabSet_Tabs", "TTabSet", {List(F::Tabs, {"s1"})}, {{"TabSet1", "s1"}}},
      {"TabbedNotebook_Pages",
       "TTabbedNotebook",
       {List(F::Pages, {"p1", "p2"})},
       {{"TabbedNotebook1", "p1"}, {I, "p2"}}},
      {"Notebook_Pages", "TNotebook", {List(F::Pages, {"n1"})}, {{"Notebook1", "n1"}}},
      {"TabControl_Tabs",
       "TTabControl",
       {List(F::Tabs, {"t1", "t2"})},
       {{"TabControl1", "t1"}, {I, "t2"}}},
      // Nodes added out of order still come in pre-order.
      {"TreeView_NodesInPreOrder",
       "TTreeView",
       {},
       {{"TreeView1", "A"}, {I, "A1"}, {I, "A2"}, {I, "A2a"}, {I, "B"}},
       [](tk::TComponent& c) {
         tk::TTreeNodes& nodes = static_cast<tk::TTreeView&>(c).Items();
         tk::TTreeNode* a = nodes.Add(nullptr, "A");
         nodes.Add(nullptr, "B");
         nodes.AddChild(a, "A1");
         nodes.AddChild(nodes.AddChild(a, "A2"), "A2a");
       }},
      {"ListView_ColumnsThenEachItemWithItsSubItems",
       "TListView",
       {List(F::Columns, {"File", "Size"}), List(F::ListItems, {"a.txt", "b.txt"}),
        SubItemsOf(0, {"1 KB"}), SubItemsOf(1, {"2 KB"})},
       {{"ListView1", "File"}, {I, "Size"}, {I, "a.txt"}, {I, "1 KB"}, {I, "b.txt"}, {I, "2 KB"}}},
      {"ListView_EmptyWritesNoRow", "TListView", {}, {}},
      {"StatusBar_SimpleTextThenPanels",
       "TStatusBar",
       {Text(F::SimpleText, "Ready"), List(F::Panels, {"p1", "p2"})},
       {{"StatusBar1", "Ready"}, {I, "p1"}, {I, "p2"}}},
      {"HeaderControl_Sections",
       "THeaderControl",
       {List(F::Sections, {"Name", "Date"})},
       {{"HeaderControl1", "Name"}, {I, "Date"}}},
      {"ComboBox_ItemsNotItsText",
       "TComboBox",
       {List(F::Items, {"red", "green"}), Text(F::ControlText, "typed")},
       {{"ComboBox1", "red"}, {I, "green"}}},
      {"FilterComboBox_Filter",
       "TFilterComboBox",
       {Text(F::Filter, "Text|*.txt")},
       {{"FilterComboBox1", "Text|*.txt"}}},
      {"OpenDialog_TitleThenFilter",
       "TOpenDialog",
       {Text(F::Title, "Open"), Text(F::Filter, "All|*.*")},
       {{"OpenDialog1", "Open"}, {I, "All|*.*"}}},
      {"SaveDialog_TitleThenFilterAsAnOpenDialog",
       {"TOpenDialog", "TSaveDialog"},
       {Text(F::Title, "Save")},
       {{"SaveDialog1", "Save"}, {I, ""}}},
      {"MenuItem_Caption", "TMenuItem", {Text(F::ControlText, "&File")}, {{"MenuItem1", "&File"}}},
      // The last row, any other class: "Caption", then "Text".
      {"CaptionAndText_CaptionThenText",
       {"TComponent", "TCaptionAndText"},
       {},
       {{"CaptionAndText1", "cap"}, {I, "txt"}},
       [](tk::TComponent& c) {
         tk::SetStrProp(c, "Text", "txt");
         tk::SetStrProp(c, "Caption", "cap");
       }},
      {"Button_Caption",
       {"TComponent", "TButton"},
       {Text(F::ControlText, "OK")},
       {{"Button1", "OK"}}},
      {"Edit_ReadOnlyGivesItsText",
       {"TComponent", "TEdit"},
       {Text(F::ControlText, "shown"), Ordinal(F::ReadOnly, 1)},
       {{"Edit1", "shown"}}},
      {"Image_HintAloneStillBeginsWithTheComponentsRow",
       {"TComponent", "TImage"},
       {Text(F::Hint, "Logo")},
       {{"Image1", ""}, {H, "Logo"}}},
  };
  return cases;
}

}  // namespace collectcases
