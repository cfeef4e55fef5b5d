#include "multilang/MLang.h"

namespace ml {

const tk::ClassInfo& TMultiLang::StaticClass() {
  static const tk::ClassInfo info{
      "TMultiLang",
      &TBaseMultiLang::StaticClass(),
      {},
      [](tk::TComponent* owner) -> tk::TComponent* { return new TMultiLang(owner); }};
  return info;
}

// No control kind is written yet: the switch steps over every entry.
void TMultiLang::ApplyEntry(tk::TComponent&, std::int32_t&) {}

void RegisterMultiLangClasses() {
  tk::RegisterClass(TMultiLang::StaticClass());
}

}  // namespace ml
