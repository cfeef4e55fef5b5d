#include "toolkit/FileCtrl.h"

#include "toolkit/ControlProps.h"

namespace tk {

const ClassInfo& TFilterComboBox::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      props::Enabled(),
      [] {
        PropInfo p =
            StringProperty<TFilterComboBox, &TFilterComboBox::Filter, &TFilterComboBox::SetFilter>(
                "Filter");
        p.isStored = [](const TObject& o) {
          return static_cast<const TFilterComboBox&>(o).Filter() != kDefaultFilter;
        };
        return p;
      }(),
      props::Font(),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TFilterComboBox", &TCustomComboBox::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TFilterComboBox(o); }};
  return info;
}

TFilterComboBox::TFilterComboBox(TComponent* owner) : TCustomComboBox(owner) {
  SetStyle(csDropDownList);
  SetFilter(kDefaultFilter);
}

void TFilterComboBox::SetFilter(const std::string& filter) {
  filter_ = filter;
  std::vector<std::string> parts = SplitKeepEmpty(filter, '|');
  std::vector<std::string> descriptions;
  masks_.clear();
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty() && i + 1 >= parts.size()) break;  // a trailing "|"
    descriptions.push_back(parts[i]);
    masks_.push_back(i + 1 < parts.size() ? parts[i + 1] : parts[i]);
  }
  Items().Assign(std::move(descriptions));
  SetItemIndex(0);
}

std::string TFilterComboBox::Mask() const {
  const int i = ItemIndex();
  return (i >= 0 && i < static_cast<int>(masks_.size())) ? masks_[static_cast<std::size_t>(i)]
                                                         : std::string();
}

}  // namespace tk
