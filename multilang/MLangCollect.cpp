// Reading a component's current texts back into an editing grid: one grid row per entry, the key
// in column 0 and the text in the active language's column, in the order in which the writing
// side consumes them.
#include <string>

#include "base/Errors.h"
#include "multilang/KindTable.h"
#include "multilang/MLang.h"
#include "multilang/MLangRows.h"
#include "toolkit/Grids.h"
#include "toolkit/Properties.h"

namespace ml {

namespace {

constexpr int kMissingGridLine = 4521;

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
  if (CanTranslate(Component)) {
    const KindRow& row = FindKindRow(Component.ClassType());
    row.collect(row, Component, rows);
  }
  if (HasProperty(Component, "Hint")) {
    const std::string hint = GetTextProperty(Component, "Hint");
    // A block of nothing but a hint still begins with the component's entry.
    if (rows.Row() == Row && !hint.empty()) rows.AddRow("");
    rows.AddHintRow(hint);
  }
  if (rows.Row() != Row) Grid->SetCells(0, Row, isWindow ? kWindowKey : Component.Name());
}

}  // namespace ml
