#include <string>
#include <vector>

#include "base/Errors.h"
#include "multilang/MLang.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/DB.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/Notebooks.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Tabs.h"
#include "toolkit/TreeView.h"
#include "toolkit/ValEdit.h"

namespace {

// A kind the dispatch does not know, publishing both "Caption" and "Text" with texts of their own.
class TCaptionAndText : public tk::TComponent {
  TK_CLASS()

 public:
  explicit TCaptionAndText(tk::TComponent* owner) : TComponent(owner) {}
  std::string Caption() const { return caption; }
  void SetCaption(const std::string& s) { caption = s; }
  std::string Text() const { return text; }
  void SetText(const std::string& s) { text = s; }
  std::string caption, text;
};

}  // namespace

const tk::ClassInfo& TCaptionAndText::StaticClass() {
  using T = TCaptionAndText;
  static const tk::PropInfo props[] = {
      tk::StringProperty<T, &T::Text, &T::SetText>("Text"),
      tk::StringProperty<T, &T::Caption, &T::SetCaption>("Caption"),
  };
  static const tk::ClassInfo info{"TCaptionAndText", &tk::TComponent::StaticClass(), props};
  return info;
}

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

const std::string kItem = "\"";
const std::string kHint = "\".Hint";

// A window with the component, and an editing grid of two columns (key, language 0) that holds
// one empty row: collecting at the last row appends the texts one after another.
class CollectEntryTest : public HeadlessApp {
 protected:
  CollectEntryTest() : form(nullptr), grid(nullptr) {
    form.SetName("Form1");
    ml = tk::NewComponent<ml::TMultiLang>(&form, "MultiLang1");
    grid.SetColCount(2);
    grid.SetRowCount(1);
  }

  template <class T>
  T* Add(const std::string& name) {
    T* c = tk::NewComponent<T>(&form, name);
    if constexpr (std::is_base_of_v<tk::TControl, T>) c->SetParent(&form);
    return c;
  }

  // Collects at the grid's last row and gives the rows written, without the empty one below.
  Rows Collect(tk::TComponent& component) {
    const int first = grid.RowCount() - 1;
    ml->CollectEntry(component, first, &grid);
    Rows rows;
    for (int r = first; r < grid.RowCount() - 1; ++r) rows.push_back(RowAt(r));
    return rows;
  }
  Row RowAt(int r) const {
    Row row;
    for (int c = 0; c < grid.ColCount(); ++c) row.push_back(grid.Cells(c, r));
    return row;
  }

  tk::TForm form;
  tk::TStringGrid grid;
  ml::TMultiLang* ml;
};

// --- the rows of one call -------------------------------------------------------------------

TEST_F(CollectEntryTest, ListFromRowFiveOfASixRowGrid) {
  grid.SetColCount(4);
  grid.SetRowCount(6);
  for (int r = 0; r < 6; ++r) grid.SetCells(3, r, "kept");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b", "c"});
  ml->CollectEntry(*list, 5, &grid);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(RowAt(5), (Row{"ListBox1", "a", "", "kept"}));
  EXPECT_EQ(RowAt(6), (Row{kItem, "b", "", ""}));
  EXPECT_EQ(RowAt(7), (Row{kItem, "c", "", ""}));
  EXPECT_EQ(RowAt(8), (Row{"", "", "", ""}));
  EXPECT_EQ(RowAt(4), (Row{"", "", "", "kept"}));
}

TEST_F(CollectEntryTest, HintRowComesLast) {
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b", "c"});
  list->SetHint("Pick one");
  EXPECT_EQ(Collect(*list),
            (Rows{{"ListBox1", "a"}, {kItem, "b"}, {kItem, "c"}, {kHint, "Pick one"}}));
}

TEST_F(CollectEntryTest, HintAloneStillBeginsWithTheComponentsRow) {
  auto* image = Add<tk::TImage>("Image1");
  image->SetHint("Logo");
  EXPECT_EQ(Collect(*image), (Rows{{"Image1", ""}, {kHint, "Logo"}}));
}

TEST_F(CollectEntryTest, NothingToCollectLeavesTheGridUnchanged) {
  grid.SetCells(0, 0, "untouched");
  auto* image = Add<tk::TImage>("Image1");
  ml->CollectEntry(*image, 0, &grid);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(RowAt(0), (Row{"untouched", ""}));
}

TEST_F(CollectEntryTest, TextsGoToTheActiveLanguagesColumn) {
  ml->ChangeLanguageCount(3);
  ml->SwitchLanguage(2);
  grid.SetColCount(4);
  grid.SetCells(1, 0, "language 0");
  auto* label = Add<tk::TLabel>("Label1");
  label->SetCaption("Etykieta");
  ml->CollectEntry(*label, 0, &grid);
  EXPECT_EQ(RowAt(0), (Row{"Label1", "language 0", "", "Etykieta"}));
}

TEST_F(CollectEntryTest, RowsAreWrittenWhereverTheFirstRowLies) {
  grid.SetRowCount(3);
  grid.SetCells(1, 2, "last");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b"});
  ml->CollectEntry(*list, 0, &grid);
  // Each row written also appends an emptied row at the end of the grid.
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(RowAt(0), (Row{"ListBox1", "a"}));
  EXPECT_EQ(RowAt(1), (Row{kItem, "b"}));
  EXPECT_EQ(RowAt(2), (Row{"", "last"}));
}

TEST_F(CollectEntryTest, ComponentsCollectedOneAfterAnotherFormConsecutiveBlocks) {
  auto* label = Add<tk::TLabel>("Label1");
  label->SetCaption("Start");
  auto* list = Add<tk::TListBox>("ListBox1");
  list->Items().Assign(std::vector<std::string>{"a", "b"});
  Collect(*label);
  Collect(*list);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(RowAt(0), (Row{"Label1", "Start"}));
  EXPECT_EQ(RowAt(1), (Row{"ListBox1", "a"}));
  EXPECT_EQ(RowAt(2), (Row{kItem, "b"}));
  EXPECT_EQ(RowAt(3), (Row{"", ""}));
}

TEST_F(CollectEntryTest, MissingGridFailsTheAssertionAfterRecordingPositions) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  auto* label = Add<tk::TLabel>("Label1");
  label->SetBounds(1, 2, 3, 4);
  try {
    ml->CollectEntry(*label, 0, nullptr);
    FAIL() << "no error";
  } catch (const base::EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure (MLang, line 4521)");
  }
  EXPECT_EQ(ml->Positions().Items(), (std::vector<std::string>{"label1,1.2.3.4,1.2.3.4"}));
}

// --- the window -----------------------------------------------------------------------------

TEST_F(CollectEntryTest, WindowRowsAreKeyedAsTheWindowEntry) {
  form.SetCaption("Deinstaller");
  form.SetHint("Hilfe");
  EXPECT_EQ(Collect(form), (Rows{{"%Form%", "Deinstaller"}, {kHint, "Hilfe"}}));
}

TEST_F(CollectEntryTest, WindowPositionsAreRecordedUnderTheWindowsKey) {
  ml->ChangeSwitchPositions(ml::spFormAndControls);
  form.SetBounds(10, 20, 300, 200);
  Collect(form);
  ASSERT_EQ(ml->Positions().Count(), 1);
  EXPECT_EQ(ml->Positions()[0].rfind("%Form%,", 0), 0u) << ml->Positions()[0];
}

TEST_F(CollectEntryTest, WindowPositionsAreNotRecordedForControlsOnly) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  Collect(form);
  EXPECT_EQ(ml->Positions().Count(), 0);
}

TEST_F(CollectEntryTest, ControlStartingAtRowMinusOneIsNotTakenForTheWindow) {
  ml->ChangeSwitchPositions(ml::spControlsOnly);
  auto* label = Add<tk::TLabel>("Label1");
  EXPECT_THROW(ml->CollectEntry(*label, -1, &grid), base::EStringListError);
  EXPECT_EQ(ml->Positions().Items(), (std::vector<std::string>{"label1,0.0.0.0,0.0.0.0"}));
}

TEST_F(CollectEntryTest, OtherWindowOwnedByTheWindowIsKeyedByItsName) {
  auto* dialog = Add<tk::TForm>("Dialog1");
  dialog->SetCaption("Frage");
  EXPECT_EQ(Collect(*dialog), (Rows{{"Dialog1", "Frage"}}));
}

// --- the kinds ------------------------------------------------------------------------------

TEST_F(CollectEntryTest, LabeledEditGivesItsLabelNotItsText) {
  auto* edit = Add<tk::TLabeledEdit>("LabeledEdit1");
  edit->EditLabel()->SetCaption("Name");
  edit->SetText("typed");
  EXPECT_EQ(Collect(*edit), (Rows{{"LabeledEdit1", "Name"}}));
}

TEST_F(CollectEntryTest, ComboBoxExGivesItsTextThenItsItems) {
  auto* combo = Add<tk::TComboBoxEx>("ComboBoxEx1");
  combo->ItemsEx().Add()->SetCaption("one");
  combo->ItemsEx().Add()->SetCaption("two");
  combo->SetText("edit");
  EXPECT_EQ(Collect(*combo), (Rows{{"ComboBoxEx1", "edit"}, {kItem, "one"}, {kItem, "two"}}));
}

TEST_F(CollectEntryTest, DataListAndComboGiveTheirItems) {
  auto* list = Add<tk::TDBListBox>("DBListBox1");
  list->Items().Assign(std::vector<std::string>{"x", "y"});
  auto* combo = Add<tk::TDBComboBox>("DBComboBox1");
  combo->Items().Assign(std::vector<std::string>{"p"});
  EXPECT_EQ(Collect(*list), (Rows{{"DBListBox1", "x"}, {kItem, "y"}}));
  EXPECT_EQ(Collect(*combo), (Rows{{"DBComboBox1", "p"}}));
}

TEST_F(CollectEntryTest, RadioGroupsGiveTheirCaptionThenTheirItems) {
  auto* group = Add<tk::TRadioGroup>("RadioGroup1");
  group->SetCaption("Mode");
  group->Items().Assign(std::vector<std::string>{"fast", "safe"});
  auto* dbGroup = Add<tk::TDBRadioGroup>("DBRadioGroup1");
  dbGroup->SetCaption("Field");
  dbGroup->Items().Assign(std::vector<std::string>{"yes"});
  EXPECT_EQ(Collect(*group), (Rows{{"RadioGroup1", "Mode"}, {kItem, "fast"}, {kItem, "safe"}}));
  EXPECT_EQ(Collect(*dbGroup), (Rows{{"DBRadioGroup1", "Field"}, {kItem, "yes"}}));
}

TEST_F(CollectEntryTest, DataGridGivesItsColumnTitles) {
  auto* dbGrid = Add<tk::TDBGrid>("DBGrid1");
  dbGrid->Columns().Add()->Title().SetCaption("Name");
  dbGrid->Columns().Add()->SetFieldName("CITY");
  EXPECT_EQ(Collect(*dbGrid), (Rows{{"DBGrid1", "Name"}, {kItem, "CITY"}}));
}

TEST_F(CollectEntryTest, FieldGivesItsDisplayLabel) {
  auto* field = Add<tk::TField>("Field1");
  field->SetFieldName("NAME");
  field->SetDisplayLabel("Customer");
  EXPECT_EQ(Collect(*field), (Rows{{"Field1", "Customer"}}));
}

TEST_F(CollectEntryTest, NavigatorGivesItsCurrentHints) {
  auto* navigator = Add<tk::TDBNavigator>("DBNavigator1");
  navigator->Hints().Assign(std::vector<std::string>{"first", "", "last"});
  EXPECT_EQ(Collect(*navigator), (Rows{{"DBNavigator1", "first"}, {kItem, ""}, {kItem, "last"}}));
}

TEST_F(CollectEntryTest, ReadOnlyMemoGivesItsLines) {
  auto* memo = Add<tk::TMemo>("Memo1");
  memo->SetText("one\r\ntwo");
  memo->SetReadOnly(true);
  EXPECT_EQ(Collect(*memo), (Rows{{"Memo1", "one"}, {kItem, "two"}}));
}

TEST_F(CollectEntryTest, EditableMemoIsRefusedButKeepsItsHint) {
  auto* memo = Add<tk::TMemo>("Memo1");
  memo->SetText("one");
  memo->SetHint("Notes");
  EXPECT_EQ(Collect(*memo), (Rows{{"Memo1", ""}, {kHint, "Notes"}}));
}

TEST_F(CollectEntryTest, ValueListEditorGivesItsTitleCaptions) {
  auto* editor = Add<tk::TValueListEditor>("ValueListEditor1");
  EXPECT_EQ(Collect(*editor), (Rows{{"ValueListEditor1", "Key"}, {kItem, "Value"}}));
}

TEST_F(CollectEntryTest, HeaderTabsAndNotebooksGiveTheirLists) {
  auto* header = Add<tk::THeader>("Header1");
  header->Sections().Assign(std::vector<std::string>{"h1", "h2"});
  auto* tabSet = Add<tk::TTabSet>("TabSet1");
  tabSet->Tabs().Assign(std::vector<std::string>{"s1"});
  auto* tabbed = Add<tk::TTabbedNotebook>("TabbedNotebook1");
  tabbed->Pages().Assign(std::vector<std::string>{"p1", "p2"});
  auto* notebook = Add<tk::TNotebook>("Notebook1");
  notebook->Pages().Assign(std::vector<std::string>{"n1"});
  auto* tabs = Add<tk::TTabControl>("TabControl1");
  tabs->Tabs().Assign(std::vector<std::string>{"t1", "t2"});
  EXPECT_EQ(Collect(*header), (Rows{{"Header1", "h1"}, {kItem, "h2"}}));
  EXPECT_EQ(Collect(*tabSet), (Rows{{"TabSet1", "s1"}}));
  EXPECT_EQ(Collect(*tabbed), (Rows{{"TabbedNotebook1", "p1"}, {kItem, "p2"}}));
  EXPECT_EQ(Collect(*notebook), (Rows{{"Notebook1", "n1"}}));
  EXPECT_EQ(Collect(*tabs), (Rows{{"TabControl1", "t1"}, {kItem, "t2"}}));
}

TEST_F(CollectEntryTest, TreeViewGivesItsNodesInPreOrder) {
  auto* tree = Add<tk::TTreeView>("TreeView1");
  tk::TTreeNodes& nodes = tree->Items();
  tk::TTreeNode* a = nodes.Add(nullptr, "A");
  nodes.Add(nullptr, "B");
  nodes.AddChild(a, "A1");
  tk::TTreeNode* a2 = nodes.AddChild(a, "A2");
  nodes.AddChild(a2, "A2a");
  EXPECT_EQ(Collect(*tree),
            (Rows{{"TreeView1", "A"}, {kItem, "A1"}, {kItem, "A2"}, {kItem, "A2a"}, {kItem, "B"}}));
}

TEST_F(CollectEntryTest, ListViewGivesColumnsThenEachItemWithItsSubItems) {
  auto* view = Add<tk::TListView>("ListView1");
  view->Columns().Add()->SetCaption("File");
  view->Columns().Add()->SetCaption("Size");
  tk::TListItem* first = view->Items().Add();
  first->SetCaption("a.txt");
  first->SubItems().Add("1 KB");
  tk::TListItem* second = view->Items().Add();
  second->SetCaption("b.txt");
  second->SubItems().Add("2 KB");
  EXPECT_EQ(Collect(*view), (Rows{{"ListView1", "File"},
                                  {kItem, "Size"},
                                  {kItem, "a.txt"},
                                  {kItem, "1 KB"},
                                  {kItem, "b.txt"},
                                  {kItem, "2 KB"}}));
}

TEST_F(CollectEntryTest, StatusBarGivesItsSimpleTextThenItsPanels) {
  auto* bar = Add<tk::TStatusBar>("StatusBar1");
  bar->SetSimpleText("Ready");
  bar->Panels().Add()->SetText("p1");
  bar->Panels().Add()->SetText("p2");
  EXPECT_EQ(Collect(*bar), (Rows{{"StatusBar1", "Ready"}, {kItem, "p1"}, {kItem, "p2"}}));
}

TEST_F(CollectEntryTest, HeaderControlGivesItsSections) {
  auto* header = Add<tk::THeaderControl>("HeaderControl1");
  header->Sections().Add()->SetText("Name");
  header->Sections().Add()->SetText("Date");
  EXPECT_EQ(Collect(*header), (Rows{{"HeaderControl1", "Name"}, {kItem, "Date"}}));
}

TEST_F(CollectEntryTest, ComboBoxGivesItsItemsNotItsText) {
  auto* combo = Add<tk::TComboBox>("ComboBox1");
  combo->Items().Assign(std::vector<std::string>{"red", "green"});
  combo->SetText("typed");
  EXPECT_EQ(Collect(*combo), (Rows{{"ComboBox1", "red"}, {kItem, "green"}}));
}

TEST_F(CollectEntryTest, FilterComboBoxGivesItsFilter) {
  auto* combo = Add<tk::TFilterComboBox>("FilterComboBox1");
  combo->SetFilter("Text|*.txt");
  EXPECT_EQ(Collect(*combo), (Rows{{"FilterComboBox1", "Text|*.txt"}}));
}

TEST_F(CollectEntryTest, FileDialogsGiveTitleThenFilter) {
  auto* open = Add<tk::TOpenDialog>("OpenDialog1");
  open->SetTitle("Open");
  open->SetFilter("All|*.*");
  auto* save = Add<tk::TSaveDialog>("SaveDialog1");
  save->SetTitle("Save");
  EXPECT_EQ(Collect(*open), (Rows{{"OpenDialog1", "Open"}, {kItem, "All|*.*"}}));
  EXPECT_EQ(Collect(*save), (Rows{{"SaveDialog1", "Save"}, {kItem, ""}}));
}

TEST_F(CollectEntryTest, MenuItemGivesItsCaption) {
  auto* item = Add<tk::TMenuItem>("File1");
  item->SetCaption("&File");
  EXPECT_EQ(Collect(*item), (Rows{{"File1", "&File"}}));
}

TEST_F(CollectEntryTest, OtherKindsGiveCaptionThenText) {
  auto* both = Add<TCaptionAndText>("Both1");
  both->caption = "cap";
  both->text = "txt";
  auto* button = Add<tk::TButton>("Button1");
  button->SetCaption("OK");
  auto* edit = Add<tk::TEdit>("Edit1");
  edit->SetText("shown");
  edit->SetReadOnly(true);
  EXPECT_EQ(Collect(*both), (Rows{{"Both1", "cap"}, {kItem, "txt"}}));
  EXPECT_EQ(Collect(*button), (Rows{{"Button1", "OK"}}));
  EXPECT_EQ(Collect(*edit), (Rows{{"Edit1", "shown"}}));
}

TEST_F(CollectEntryTest, ControlWithAnActionKeepsOnlyItsHint) {
  auto* button = Add<tk::TButton>("Button1");
  button->SetCaption("OK");
  button->SetHint("Go");
  tk::TObject action;
  button->SetAction(&action);
  EXPECT_EQ(Collect(*button), (Rows{{"Button1", ""}, {kHint, "Go"}}));
  ml->SetTranslateEdits(ml::teAlways);
  EXPECT_EQ(Collect(*button), (Rows{{"Button1", "OK"}, {kHint, "Go"}}));
}

TEST_F(CollectEntryTest, EmptyListsWriteNoRow) {
  auto* list = Add<tk::TListBox>("ListBox1");
  auto* view = Add<tk::TListView>("ListView1");
  Collect(*list);
  Collect(*view);
  EXPECT_EQ(grid.RowCount(), 1);
}

}  // namespace
