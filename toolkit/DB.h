// Fields of a data set: non-visual components that data controls show by name.
//
// Of the names the localization component asks for, TField publishes none (it is not visual).
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Component.h"

namespace tk {

class TField : public TComponent {
  TK_CLASS()

 public:
  explicit TField(TComponent* owner) : TComponent(owner) {}
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& name) { fieldName_ = name; }
  // The title that grids and labels show: the field name until a label of its own is set.
  // Setting the field name itself clears the label of its own.
  std::string DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
  void SetDisplayLabel(const std::string& label);
  std::int32_t DisplayWidth() const { return displayWidth_; }
  void SetDisplayWidth(std::int32_t width) { displayWidth_ = width; }
  bool Visible() const { return visible_; }
  void SetVisible(bool on) { visible_ = on; }

 private:
  std::string fieldName_;
  std::string displayLabel_;
  std::int32_t displayWidth_ = 10;
  bool visible_ = true;
};

}  // namespace tk
