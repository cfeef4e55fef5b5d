// Kinds that take single texts: labeled edits, fields, windows, filter combo boxes, file dialogs,
// menu items, and every other class by its published "Caption" and "Text". Each step takes one
// text per target; a target whose entry is missing keeps its value.
#include "multilang/KindSteps.h"
#include "multilang/MLang.h"
#include "multilang/MLangRows.h"
#include "multilang/MLangSteps.h"
#include "toolkit/DB.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"

namespace ml {

namespace {

// In the order that a component publishing both takes its entries.
constexpr const char* kPublishedTexts[] = {"Caption", "Text"};

}  // namespace

void WriteEditLabel(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  tk::TBoundLabel* label = static_cast<tk::TLabeledEdit&>(component).EditLabel();
  if (reader.TakeText() && label != nullptr) label->SetCaption(reader.Text());
}

void CollectEditLabel(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  rows.AddRow(static_cast<tk::TLabeledEdit&>(component).EditLabel()->Caption());
}

void WriteDisplayLabel(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  if (reader.TakeText()) static_cast<tk::TField&>(component).SetDisplayLabel(reader.Text());
}

void CollectDisplayLabel(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  rows.AddRow(static_cast<tk::TField&>(component).DisplayLabel());
}

void WriteControlText(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  if (reader.TakeText()) static_cast<tk::TControl&>(component).SetCaption(reader.Text());
}

void CollectWindowTitle(const KindRow& row, tk::TComponent& component, RowWriter& rows) {
  // Collecting tests TForm where writing tests TCustomForm: another window class gives its texts
  // as the last row does.
  if (!component.Is<tk::TForm>()) return CollectPublished(row, component, rows);
  rows.AddRow(static_cast<tk::TForm&>(component).Caption());
  rows.KeyLastRow(kWindowKey);
}

void WriteFilter(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  if (reader.TakeText()) static_cast<tk::TFilterComboBox&>(component).SetFilter(reader.Text());
}

void CollectFilter(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  rows.AddRow(static_cast<tk::TFilterComboBox&>(component).Filter());
}

void WriteTitleThenFilter(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  auto& dialog = static_cast<tk::TOpenDialog&>(component);
  if (reader.TakeText()) dialog.SetTitle(reader.Text());
  if (reader.TakeText()) dialog.SetFilter(reader.Text());
}

void CollectTitleThenFilter(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  auto& dialog = static_cast<tk::TOpenDialog&>(component);
  rows.AddRow(dialog.Title());
  rows.AddRow(dialog.Filter());
}

void WriteMenuCaption(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  if (reader.TakeText()) static_cast<tk::TMenuItem&>(component).SetCaption(reader.Text());
}

void CollectMenuCaption(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  rows.AddRow(static_cast<tk::TMenuItem&>(component).Caption());
}

void WritePublished(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  for (const char* name : kPublishedTexts) {
    if (TMultiLang::HasProperty(component, name) && reader.TakeText()) {
      TMultiLang::SetTextProperty(component, name, reader.Text());
    }
  }
}

void CollectPublished(const KindRow&, tk::TComponent& component, RowWriter& rows) {
  for (const char* name : kPublishedTexts) {
    if (TMultiLang::HasProperty(component, name)) {
      rows.AddRow(TMultiLang::GetTextProperty(component, name));
    }
  }
}

}  // namespace ml
