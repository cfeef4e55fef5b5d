// The filter combo box: a drop-down list of file-type filters.
//
// Of the names the localization component asks for, TFilterComboBox publishes "Hint" only.
#pragma once

#include <string>
#include <vector>

#include "toolkit/StdCtrls.h"

namespace tk {

// Filter is "description|mask|description|mask..."; the items are the descriptions and Mask is
// the mask of the selected one. A description without a mask is its own mask.
class TFilterComboBox : public TCustomComboBox {
  TK_CLASS()

 public:
  explicit TFilterComboBox(TComponent* owner);
  const std::string& Filter() const { return filter_; }
  // Selects the first filter again.
  void SetFilter(const std::string& filter);
  std::string Mask() const;

  static constexpr const char* kDefaultFilter = "All files (*.*)|*.*";

 private:
  std::string filter_;
  std::vector<std::string> masks_;
};

}  // namespace tk
