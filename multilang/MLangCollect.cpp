// Reading a component's current texts back into an editing grid: one grid row per entry, the key
// in column 0 and the text in the active language's column, in the order in which the writing
// side consumes them.
#include <string>

#include "base/Errors.h"
#include "multilang/MLang.h"
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

constexpr char kWindowKey[] = "%Form%";
constexpr char kItemKey[] = "\"";
constexpr char kHintKey[] = "\".Hint";
constexpr int kMissingGridLine = 4521;

// The rows of one call. Every row written also appends one emptied row at the grid's end, so a
// caller that starts at an empty last row always keeps one below the texts.
class RowWriter {
 public:
  RowWriter(tk::TStringGrid& grid, std::int32_t row, std::int32_t column)
      : grid_(grid), row_(row), column_(column) {}

  // The row the next text goes to.
  std::int32_t Row() const { return row_; }

  void AddRow(const std::string& text) {
    grid_.SetCells(0, row_, kItemKey);
    grid_.SetCells(column_, row_, text);
    ++row_;
    const std::int32_t last = grid_.RowCount();
    grid_.SetRowCount(last + 1);
    for (std::int32_t col = 0; col < grid_.ColCount(); ++col) grid_.SetCells(col, last, "");
  }

  void AddHintRow(const std::string& hint) {
    if (hint.empty()) return;
    AddRow(hint);
    grid_.SetCells(0, row_ - 1, kHintKey);
  }

  void CollectList(const tk::TStrings& list) {
    for (int i = 0; i < list.Count(); ++i) AddRow(list[i]);
  }

  void KeyLastRow(const std::string& key) { grid_.SetCells(0, row_ - 1, key); }

 private:
  tk::TStringGrid& grid_;
  std::int32_t row_;
  std::int32_t column_;
};

template <class T>
const T* As(const tk::TComponent& component) {
  return component.Is<T>() ? static_cast<const T*>(&component) : nullptr;
}

// The kinds in the order the writing side tests them, so that each kind's rows line up with the
// entries it consumes. The first kind the component is of decides.
void CollectTexts(const tk::TComponent& c, RowWriter& rows) {
  if (const auto* listBox = As<tk::TListBox>(c)) {
    rows.CollectList(listBox->Items());
  } else if (const auto* labeledEdit = As<tk::TLabeledEdit>(c)) {
    rows.AddRow(labeledEdit->EditLabel()->Caption());
  } else if (const auto* comboEx = As<tk::TComboBoxEx>(c)) {
    rows.AddRow(comboEx->Text());
    for (int i = 0; i < comboEx->ItemsEx().Count(); ++i) {
      rows.AddRow(comboEx->ItemsEx()[i]->Caption());
    }
  } else if (const auto* dbListBox = As<tk::TDBListBox>(c)) {
    rows.CollectList(dbListBox->Items());
  } else if (const auto* dbRadioGroup = As<tk::TDBRadioGroup>(c)) {
    rows.AddRow(dbRadioGroup->Caption());
    rows.CollectList(dbRadioGroup->Items());
  } else if (const auto* dbGrid = As<tk::TDBGrid>(c)) {
    for (int i = 0; i < dbGrid->Columns().Count(); ++i) {
      rows.AddRow(dbGrid->Columns()[i]->Title().Caption());
    }
  } else if (const auto* dbComboBox = As<tk::TDBComboBox>(c)) {
    rows.CollectList(dbComboBox->Items());
  } else if (const auto* field = As<tk::TField>(c)) {
    rows.AddRow(field->DisplayLabel());
  } else if (const auto* navigator = As<tk::TDBNavigator>(c)) {
    rows.CollectList(navigator->Hints());
  } else if (const auto* form = As<tk::TForm>(c)) {
    rows.AddRow(form->Caption());
    rows.KeyLastRow(kWindowKey);
  } else if (const auto* radioGroup = As<tk::TRadioGroup>(c)) {
    rows.AddRow(radioGroup->Caption());
    rows.CollectList(radioGroup->Items());
  } else if (const auto* memo = As<tk::TMemo>(c)) {
    rows.CollectList(memo->Lines());
  } else if (const auto* valueList = As<tk::TValueListEditor>(c)) {
    rows.CollectList(valueList->TitleCaptions());
  } else if (const auto* header = As<tk::THeader>(c)) {
    rows.CollectList(header->Sections());
  } else if (const auto* tabSet = As<tk::TTabSet>(c)) {
    rows.CollectList(tabSet->Tabs());
  } else if (const auto* tabbedNotebook = As<tk::TTabbedNotebook>(c)) {
    rows.CollectList(tabbedNotebook->Pages());
  } else if (const auto* notebook = As<tk::TNotebook>(c)) {
    rows.CollectList(notebook->Pages());
  } else if (const auto* tabControl = As<tk::TTabControl>(c)) {
    rows.CollectList(tabControl->Tabs());
  } else if (const auto* treeView = As<tk::TTreeView>(c)) {
    // Pre-order through the whole tree, as the nodes' flat list counts them.
    const tk::TTreeNodes& nodes = treeView->Items();
    for (int i = 0; i < nodes.Count(); ++i) rows.AddRow(nodes[i]->Text());
  } else if (const auto* listView = As<tk::TListView>(c)) {
    for (int i = 0; i < listView->Columns().Count(); ++i) {
      rows.AddRow(listView->Columns()[i]->Caption());
    }
    for (int i = 0; i < listView->Items().Count(); ++i) {
      const tk::TListItem& item = *listView->Items()[i];
      rows.AddRow(item.Caption());
      rows.CollectList(item.SubItems());
    }
  } else if (const auto* statusBar = As<tk::TStatusBar>(c)) {
    rows.AddRow(statusBar->SimpleText());
    for (int i = 0; i < statusBar->Panels().Count(); ++i) {
      rows.AddRow(statusBar->Panels()[i]->Text());
    }
  } else if (const auto* headerControl = As<tk::THeaderControl>(c)) {
    for (int i = 0; i < headerControl->Sections().Count(); ++i) {
      rows.AddRow(headerControl->Sections()[i]->Text());
    }
  } else if (const auto* comboBox = As<tk::TComboBox>(c)) {
    rows.CollectList(comboBox->Items());
  } else if (const auto* filterCombo = As<tk::TFilterComboBox>(c)) {
    rows.AddRow(filterCombo->Filter());
  } else if (const auto* openDialog = As<tk::TOpenDialog>(c)) {
    rows.AddRow(openDialog->Title());
    rows.AddRow(openDialog->Filter());
  } else if (const auto* menuItem = As<tk::TMenuItem>(c)) {
    rows.AddRow(menuItem->Caption());
  } else {
    if (TBaseMultiLang::HasProperty(c, "Caption")) {
      rows.AddRow(TMultiLang::GetTextProperty(c, "Caption"));
    }
    if (TBaseMultiLang::HasProperty(c, "Text")) {
      rows.AddRow(TMultiLang::GetTextProperty(c, "Text"));
    }
  }
}

}  // namespace

std::string TMultiLang::GetTextProperty(const tk::TObject& Component, std::string_view Name) {
  return tk::GetStrProp(Component, Name);
}

void TMultiLang::CollectEntry(tk::TComponent& Component, std::int32_t Row, tk::TStringGrid* Grid) {
  // The window's rows are keyed "%Form%", the one key the switch writes into the window, so that
  // collected rows load back as a working table.
  const bool isWindow = &Component == Owner();
  // A control is never recorded as the window, whatever row it starts at.
  const std::int32_t controlMarker = Row == kWindowMarker ? 0 : Row;
  SavePositions(Component, isWindow ? kWindowMarker : controlMarker);
  if (Grid == nullptr) throw base::EAssertionFailed("MLang", kMissingGridLine);

  RowWriter rows(*Grid, Row, ActiveLanguage() + 1);
  if (CanTranslate(Component)) CollectTexts(Component, rows);
  if (HasProperty(Component, "Hint")) {
    const std::string hint = GetTextProperty(Component, "Hint");
    // A block of nothing but a hint still begins with the component's entry.
    if (rows.Row() == Row && !hint.empty()) rows.AddRow("");
    rows.AddHintRow(hint);
  }
  if (rows.Row() != Row) Grid->SetCells(0, Row, isWindow ? kWindowKey : Component.Name());
}

}  // namespace ml
