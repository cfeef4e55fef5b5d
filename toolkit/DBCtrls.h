// Data controls: list box, combo box and radio group that edit a field, and the navigator that
// moves through a data set.
//
// Of the names the localization component asks for, each class publishes:
//
//   class          Caption Text Lines ReadOnly EditLabel Action Hint
//   TDBListBox                                                   x
//   TDBComboBox                                                  x
//   TDBRadioGroup     x                 x                        x
//   TDBNavigator                                                 x
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

namespace tk {

class TDBListBox : public TCustomListBox {
  TK_CLASS()

 public:
  explicit TDBListBox(TComponent* owner) : TCustomListBox(owner) {}
  const std::string& DataField() const { return dataField_; }
  void SetDataField(const std::string& field) { dataField_ = field; }

 private:
  std::string dataField_;
};

class TDBComboBox : public TCustomComboBox {
  TK_CLASS()

 public:
  explicit TDBComboBox(TComponent* owner) : TCustomComboBox(owner) {}
  const std::string& DataField() const { return dataField_; }
  void SetDataField(const std::string& field) { dataField_ = field; }

 private:
  std::string dataField_;
};

// Values holds the field value stored for each item (the item's text where it has none).
class TDBRadioGroup : public TCustomRadioGroup {
  TK_CLASS()

 public:
  explicit TDBRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
  const std::string& DataField() const { return dataField_; }
  void SetDataField(const std::string& field) { dataField_ = field; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  TStrings& Values() { return values_; }
  const TStrings& Values() const { return values_; }
  void SetValues(TObject* values);
  // The value of the checked item; empty when none is checked.
  std::string Value() const;

 private:
  std::string dataField_;
  bool readOnly_ = false;
  TStringList values_;
};

enum TNavigateBtn : std::int32_t {
  nbFirst,
  nbPrior,
  nbNext,
  nbLast,
  nbInsert,
  nbDelete,
  nbEdit,
  nbPost,
  nbCancel,
  nbRefresh
};
constexpr int kNavigateButtons = 10;

// The navigator's buttons show Hints[i] as the hint of button i; a button without a hint of its
// own shows the standard one.
class TDBNavigator : public TWinControl {
  TK_CLASS()

 public:
  explicit TDBNavigator(TComponent* owner);
  TStrings& Hints() { return hints_; }
  const TStrings& Hints() const { return hints_; }
  // Copies the given list's items; the list stays the caller's.
  void SetHints(TObject* hints);
  std::string ButtonHint(int button) const;
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

 private:
  TStringList hints_;
  bool showHint_ = false;
};

}  // namespace tk
