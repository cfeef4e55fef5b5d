// TMultiLang: the localization component that windows carry. It knows the toolkit's control
// kinds; writing and collecting their texts comes per kind.
#pragma once

#include "multilang/MLBase.h"

namespace ml {

class TMultiLang : public TBaseMultiLang {
  TK_CLASS()

 public:
  explicit TMultiLang(tk::TComponent* owner) : TBaseMultiLang(owner) {}

  void CollectEntry(tk::TComponent& Component, std::int32_t Row, tk::TStringGrid& Grid) override;

 protected:
  void ApplyEntry(tk::TComponent& Component, std::int32_t& Index) override;
};

// Makes the component's class known to stored window descriptions.
void RegisterMultiLangClasses();

}  // namespace ml
