// TMultiLang: the localization component that windows carry. It knows the toolkit's control
// kinds; writing and collecting their texts comes per kind.
#pragma once

#include <string>
#include <string_view>

#include "multilang/MLBase.h"

namespace ml {

class TMultiLang : public TBaseMultiLang {
  TK_CLASS()

 public:
  explicit TMultiLang(tk::TComponent* owner) : TBaseMultiLang(owner) {}

  void CollectEntry(tk::TComponent& Component, std::int32_t Row, tk::TStringGrid* Grid) override;
  // The published string property `Name`; empty when the class does not publish it.
  static std::string GetTextProperty(const tk::TObject& Component, std::string_view Name);

 protected:
  void ApplyEntry(tk::TComponent& Component, std::int32_t& Index) override;
};

// Makes the component's class known to stored window descriptions.
void RegisterMultiLangClasses();

}  // namespace ml
