// The steps of the kind table's rows, by kind family. Each write step consumes the entries of one
// component's block at the reader's counter; its collect step gives one grid row per entry that
// it would consume from a table made of those rows.
#pragma once

#include "multilang/KindTable.h"

namespace ml {

// Kinds whose texts are a string list: the row's `strings`, with what else the kind keeps.
void WriteStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectStrings(const KindRow& row, tk::TComponent& component, RowWriter& rows);
// Combo boxes select the same position again after their items changed.
void WriteComboStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader);
// Radio groups: the control text, then the items.
void WriteCaptionThenStrings(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectCaptionThenStrings(const KindRow& row, tk::TComponent& component, RowWriter& rows);
// The value-list editor refreshes itself after its titles changed.
void WriteTitleCaptions(const KindRow& row, tk::TComponent& component, EntryReader& reader);
// One hint per entry of the block, however many the navigator has.
void WriteNavigatorHints(const KindRow& row, tk::TComponent& component, EntryReader& reader);

// Kinds whose texts are items of a collection.
void WriteComboBoxEx(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectComboBoxEx(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteGridTitles(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectGridTitles(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteTreeNodes(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectTreeNodes(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteListView(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectListView(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteStatusBar(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectStatusBar(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteHeaderSections(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectHeaderSections(const KindRow& row, tk::TComponent& component, RowWriter& rows);

// Kinds that take single texts.
void WriteEditLabel(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectEditLabel(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteDisplayLabel(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectDisplayLabel(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteControlText(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectWindowTitle(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteFilter(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectFilter(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteTitleThenFilter(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectTitleThenFilter(const KindRow& row, tk::TComponent& component, RowWriter& rows);
void WriteMenuCaption(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectMenuCaption(const KindRow& row, tk::TComponent& component, RowWriter& rows);
// Any other class: its published "Caption", then its published "Text".
void WritePublished(const KindRow& row, tk::TComponent& component, EntryReader& reader);
void CollectPublished(const KindRow& row, tk::TComponent& component, RowWriter& rows);

}  // namespace ml
