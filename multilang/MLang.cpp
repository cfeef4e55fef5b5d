#include "multilang/MLang.h"

#include "base/Errors.h"
#include "multilang/KindTable.h"
#include "multilang/MLangSteps.h"
#include "toolkit/Properties.h"

namespace ml {

const tk::ClassInfo& TMultiLang::StaticClass() {
  static const tk::ClassInfo info{
      "TMultiLang",
      &TBaseMultiLang::StaticClass(),
      {},
      [](tk::TComponent* owner) -> tk::TComponent* { return new TMultiLang(owner); }};
  return info;
}

void TMultiLang::SetTextProperty(tk::TComponent& Component, std::string_view Name,
                                 const std::string& Text) {
  tk::SetStrProp(Component, Name, Text);
}

void TMultiLang::ApplyEntry(tk::TComponent& Component, std::int32_t& Index) {
  ApplyPositions(Component, Index);
  if (Index < 0) throw base::EAssertionFailed("MLang", 2128);
  EntryReader reader(*this, Index);
  if (CanTranslate(Component)) {
    const KindRow& row = FindKindRow(Component.ClassType());
    row.write(row, Component, reader);
  }
  if (HasProperty(Component, "Hint")) {
    // A block that carries nothing but a hint: step over its component entry.
    if (reader.Counter() == Index) reader.TakeText();
    if (reader.TakeHint()) SetTextProperty(Component, "Hint", reader.Text());
  }
  Index = reader.Counter();
}

void RegisterMultiLangClasses() {
  tk::RegisterClass(TMultiLang::StaticClass());
}

}  // namespace ml
