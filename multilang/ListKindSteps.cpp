// Kinds whose texts are a string list: list boxes, combo boxes, radio groups, memos, the value-list
// editor, headers, tabs, notebooks and the data navigator's hints.
#include "multilang/KindSteps.h"
#include "multilang/MLangRows.h"
#include "multilang/MLangSteps.h"
#include "toolkit/DBCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/ValEdit.h"

namespace ml {

namespace {

void FillStrings(EntryReader& reader, tk::TStrings& list) {
  StringItems items(list);
  reader.FillList(items);
}

}  // namespace

void WriteStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader) {
  FillStrings(reader, row.strings(component));
}

void CollectStrings(const KindRow& row, tk::TComponent& component, RowWriter& rows) {
  rows.CollectList(row.strings(component));
}

void WriteComboStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader) {
  auto& box = static_cast<tk::TCustomComboBox&>(component);
  const std::int32_t itemIndex = box.ItemIndex();
  WriteStrings(row, component, reader);
  box.SetItemIndex(itemIndex);
}

void WriteCaptionThenStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader) {
  WriteControlText(row, component, reader);
  WriteStrings(row, component, reader);
}

void CollectCaptionThenStrings(const KindRow& row, tk::TComponent& component, RowWriter& rows) {
  rows.AddRow(static_cast<const tk::TControl&>(component).Caption());
  CollectStrings(row, component, rows);
}

void WriteTitleCaptions(const KindRow& row, tk::TComponent& component, EntryReader& reader) {
  WriteStrings(row, component, reader);
  static_cast<tk::TValueListEditor&>(component).StringsChanged();
}

void WriteNavigatorHints(const KindRow&, tk::TComponent& component, EntryReader& reader) {
  reader.FillNavigatorHints(static_cast<tk::TDBNavigator&>(component));
}

}  // namespace ml
