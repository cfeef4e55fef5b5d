#include "toolkit/ValEdit.h"

#include <algorithm>

#include "base/Ascii.h"
#include "toolkit/ControlProps.h"

namespace tk {

namespace {
using StringsGetter = const TStrings& (TValueListEditor::*)() const;

std::pair<std::string, std::string> SplitLine(const std::string& line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return {line, std::string()};
  return {line.substr(0, eq), line.substr(eq + 1)};
}
}  // namespace

const ClassInfo& TValueListEditor::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      props::Font(),
      props::ParentFont(),
      ObjectProperty<TValueListEditor, static_cast<StringsGetter>(&TValueListEditor::Strings),
                     &TValueListEditor::SetStrings>("Strings"),
      props::TabOrder(),
      ObjectProperty<TValueListEditor, static_cast<StringsGetter>(&TValueListEditor::TitleCaptions),
                     &TValueListEditor::SetTitleCaptions>("TitleCaptions"),
  };
  static const ClassInfo info{"TValueListEditor", &TCustomGrid::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TValueListEditor(o); }};
  return info;
}

TValueListEditor::TValueListEditor(TComponent* owner) : TCustomGrid(owner) {
  SetColCount(2);
  SetFixedCols(0);
  SetRowCount(2);
  titleCaptions_.Assign(std::vector<std::string>{"Key", "Value"});
  ObserveList(titleCaptions_, ItemList::TitleCaptions);
  strings_.SetObserver([this](ListChange change, int index) {
    NotifyItems(ItemList::Strings, change, index);
    StringsChanged();
  });
}

void TValueListEditor::SetStrings(TObject* strings) {
  if (auto* list = DynamicCast<TStrings>(strings)) strings_.Assign(*list);
}

void TValueListEditor::SetTitleCaptions(TObject* captions) {
  if (auto* list = DynamicCast<TStrings>(captions)) titleCaptions_.Assign(*list);
}

void TValueListEditor::StringsChanged() {
  SetRowCount(FixedRows() + std::max(1, strings_.Count()));
  ++refreshCount_;
  NotifyPeer(Aspect::Repaint);
}

std::string TValueListEditor::Keys(std::int32_t row) const {
  const int line = row - FixedRows();
  return (line >= 0 && line < strings_.Count()) ? SplitLine(strings_[line]).first : std::string();
}

std::string TValueListEditor::Values(const std::string& key) const {
  for (const std::string& line : strings_.Items()) {
    auto [k, v] = SplitLine(line);
    if (base::SameTextAscii(k, key)) return v;
  }
  return {};
}

std::string TValueListEditor::Cells(std::int32_t col, std::int32_t row) const {
  if (row < FixedRows()) {
    return (col >= 0 && col < titleCaptions_.Count()) ? titleCaptions_[col] : std::string();
  }
  const int line = row - FixedRows();
  if (line < 0 || line >= strings_.Count()) return {};
  auto [key, value] = SplitLine(strings_[line]);
  return col == 0 ? key : (col == 1 ? value : std::string());
}

}  // namespace tk
