// One component of every kind that the localization component knows, set up with texts of its
// own: distinct, some empty, some beyond ASCII, and a hint wherever the kind has one. Collected
// into rows and applied again, each must come back as it was.
#pragma once

#include <string>
#include <vector>

#include "tests/multilang/KindCase.h"
#include "toolkit/ComCtrls.h"

namespace roundtrip {

struct RoundTripCase {
  std::string name;                     // letters, digits and underscores: the test's name
  kindcases::RowKind kind;              // with `window` set, the window itself
  std::vector<kindcases::Value> texts;  // set up in this order; read back afterwards
  bool window = false;
};

inline const std::vector<RoundTripCase>& RoundTripCases() {
  using namespace kindcases;
  using F = Facet;
  const std::string path =
      "\xC5\x9A"
      "cie\xC5\xBCka";  // Polish letters
  static const std::vector<RoundTripCase> cases = {
      {"Window",
       {"TCustomForm", "TForm"},
       {Text(F::ControlText, "Uninstaller"), Text(F::Hint, "The window")},
       true},
      {"OwnedWindow",
       {"TCustomForm", "TForm"},
       {Text(F::ControlText, "Question"), Text(F::Hint, "Asks")}},
      {"ListBox",
       "TListBox",
       {List(F::Items, {"Alpha", "", path}), Ordinal(F::ItemIndex, 2), Text(F::Hint, "Pick one")}},
      {"LabeledEdit", "TLabeledEdit", {Text(F::EditLabel, "Folder:"), Text(F::Hint, "Where")}},
      {"ComboBoxEx",
       "TComboBoxEx",
       {List(F::Items, {"one", "two"}), Ordinal(F::ItemIndex, -1), Text(F::ControlText, "Choice"),
        Text(F::Hint, "Choose")}},
      {"DBListBox", "TDBListBox", {List(F::Items, {"red", "green"})}},
      {"DBRadioGroup",
       "TDBRadioGroup",
       {Text(F::ControlText, "Kind"), List(F::Items, {"new", "old"}), Ordinal(F::ItemIndex, 1)}},
      {"DBGrid", "TDBGrid", {List(F::Columns, {"Name", "Place"}), Text(F::Hint, "Records")}},
      {"DBComboBox",
       "TDBComboBox",
       {List(F::Items, {"yes", "no"}), Ordinal(F::ItemIndex, 0), Text(F::ControlText, "yes")}},
      {"Field", "TField", {Text(F::DisplayLabel, "Customer")}},
      {"DBNavigator",
       "TDBNavigator",
       {List(F::NavigatorHints, {"First", "Prior", "", "Last"}), Text(F::Hint, "Move")}},
      {"RadioGroup",
       "TRadioGroup",
       {Text(F::ControlText, "Colour"), List(F::Items, {"red", path, "blue"}),
        Ordinal(F::ItemIndex, 1), Text(F::Hint, "Paint")}},
      {"ReadOnlyMemo",
       "TMemo",
       {List(F::Lines, {"first line", "", "third line"}), Ordinal(F::ReadOnly, 1),
        Text(F::Hint, "Notes")}},
      {"ValueListEditor", "TValueListEditor", {List(F::TitleCaptions, {"Setting", "Choice"})}},
      {"Header", "THeader", {List(F::Sections, {"h1", "h2"})}},
      {"TabSet", "TTabSet", {List(F::Tabs, {"Home", "Help"}), Text(F::Hint, "Go")}},
      {"TabbedNotebook", "TTabbedNotebook", {List(F::Pages, {"General", path})}},
      {"Notebook", "TNotebook", {List(F::Pages, {"Page one", "Page two"})}},
      {"TabControl", "TTabControl", {List(F::Tabs, {"t1", "t2", "t3"})}},
      {"SortedTreeView",
       "TTreeView",
       {List(F::Nodes, {"Alpha", ">Beta", ">>Gamma", ">Delta", "Epsilon"}),
        Ordinal(F::SortType, tk::stText), Text(F::Hint, "Tree")}},
      {"ListView",
       "TListView",
       {List(F::Columns, {"Name", "Size", path}), List(F::ListItems, {"a.txt", "b.txt"}),
        SubItemsOf(0, {"1 KB", "C:\\a"}), SubItemsOf(1, {"2 KB", ""}), Text(F::Hint, "Files")}},
      {"StatusBar",
       "TStatusBar",
       {Text(F::SimpleText, "Ready"), List(F::Panels, {"p1", "", "p3"}), Text(F::Hint, "State")}},
      {"HeaderControl", "THeaderControl", {List(F::Sections, {"Name", "Date"})}},
      {"ComboBox",
       "TComboBox",
       {List(F::Items, {"red", "green", "blue"}), Ordinal(F::ItemIndex, 2),
        Text(F::ControlText, "blue"), Text(F::Hint, "Colour")}},
      {"FilterComboBox", "TFilterComboBox", {Text(F::Filter, "Texts|*.txt|All|*.*")}},
      {"OpenDialog", "TOpenDialog", {Text(F::Title, "Open a file"), Text(F::Filter, "All|*.*")}},
      {"SaveDialog",
       {"TOpenDialog", "TSaveDialog"},
       {Text(F::Title, "Save the file"), Text(F::Filter, "Texts|*.txt")}},
      {"MenuItem", "TMenuItem", {Text(F::ControlText, "&File"), Text(F::Hint, "Files")}},
      // The last row, any other class: its "Caption" or its "Text".
      {"Label", {"TComponent", "TLabel"}, {Text(F::ControlText, path), Text(F::Hint, "Says")}},
      {"Button",
       {"TComponent", "TButton"},
       {Text(F::ControlText, "Cancel"), Text(F::Hint, "Stops")}},
      {"CheckBox", {"TComponent", "TCheckBox"}, {Text(F::ControlText, "Always")}},
      {"GroupBox", {"TComponent", "TGroupBox"}, {Text(F::ControlText, "Options")}},
      {"Panel", {"TComponent", "TPanel"}, {Text(F::ControlText, "Area")}},
      {"ReadOnlyEdit",
       {"TComponent", "TEdit"},
       {Text(F::ControlText, "C:\\Trelvia"), Ordinal(F::ReadOnly, 1), Text(F::Hint, "Path")}},
      {"ImageWithOnlyAHint", {"TComponent", "TImage"}, {Text(F::Hint, "Logo")}},
  };
  return cases;
}

}  // namespace roundtrip
