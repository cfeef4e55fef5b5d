#include "toolkit/DB.h"

#include "toolkit/Properties.h"

namespace tk {

const ClassInfo& TField::StaticClass() {
  static const PropInfo props[] = {
      [] {
        // Stored only when it is a label of its own.
        PropInfo p =
            StringProperty<TField, &TField::DisplayLabel, &TField::SetDisplayLabel>("DisplayLabel");
        p.isStored = [](const TObject& o) {
          const auto& f = static_cast<const TField&>(o);
          return f.DisplayLabel() != f.FieldName();
        };
        return p;
      }(),
      IntProperty<TField, &TField::DisplayWidth, &TField::SetDisplayWidth>(
          "DisplayWidth", Stored::IfNotDefault, 10),
      StringProperty<TField, &TField::FieldName, &TField::SetFieldName>("FieldName"),
      BoolProperty<TField, &TField::Visible, &TField::SetVisible>("Visible", true),
  };
  static const ClassInfo info{"TField", &TComponent::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TField(o); }};
  return info;
}

void TField::SetDisplayLabel(const std::string& label) {
  displayLabel_ = (label == fieldName_) ? std::string() : label;
}

}  // namespace tk
