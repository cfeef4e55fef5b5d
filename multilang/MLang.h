// TMultiLang: the localization component that windows carry. It knows the toolkit's control
// kinds through the kind table (KindTable.h): which texts of each kind an entry of the table
// feeds, and in which order.
#pragma once

#include <cstdint>
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

  // Writes a published string property by name; no effect when the class publishes none.
  static void SetTextProperty(tk::TComponent& Component, std::string_view Name,
                              const std::string& Text);

 protected:
  // Writes the component's block into it by its kind, then its hint. `Index` moves past the
  // entries consumed, and only when the whole block was written.
  void ApplyEntry(tk::TComponent& Component, std::int32_t& Index) override;
};

// Makes the component's class known to stored window descriptions.
void RegisterMultiLangClasses();

}  // namespace ml
