// The control kinds that the localization component knows, one row each, in the order the
// dispatch tests them: a component goes by the first row whose class it is or derives from, so a
// TSaveDialog goes as a TOpenDialog and a TForm as a TCustomForm. The last row, TComponent, takes
// every other class by its published "Caption" and "Text".
//
// A row's steps are the kind's two sides: writing the entries of the component's block into it
// (ApplyEntry), and collecting its texts into grid rows in the order that writing consumes them
// (CollectEntry). Adding a kind is adding its row, above any row of a class it derives from.
#pragma once

#include <span>

namespace tk {
struct ClassInfo;
class TComponent;
class TStrings;
}  // namespace tk

namespace ml {

class EntryReader;
class RowWriter;
struct KindRow;

using WriteStep = void (*)(const KindRow& row, tk::TComponent& component, EntryReader& reader);
// Reads only, though the component comes as it comes to writing: the row's list is one accessor.
using CollectStep = void (*)(const KindRow& row, tk::TComponent& component, RowWriter& rows);
using StringsOf = tk::TStrings& (*)(tk::TComponent& component);

struct KindRow {
  const tk::ClassInfo* kind;
  WriteStep write;
  CollectStep collect;
  // The string list that the steps fill and collect, for kinds that differ by that alone.
  StringsOf strings = nullptr;
};

// Every row, in the dispatch's order; the last is TComponent's.
std::span<const KindRow> KindRows();

// The row of a component's class: the same row as ScanKindRows, remembered per class.
const KindRow& FindKindRow(const tk::ClassInfo& type);
// The first row whose class `type` is or derives from; the last row for a class of none.
const KindRow& ScanKindRows(const tk::ClassInfo& type);

}  // namespace ml
