#include "toolkit/DBCtrls.h"

#include "toolkit/ControlProps.h"

namespace tk {

namespace {
template <class C>
TComponent* Create(TComponent* owner) {
  return new C(owner);
}
constexpr std::string_view kComboStyles[] = {"csDropDown", "csSimple", "csDropDownList",
                                             "csOwnerDrawFixed", "csOwnerDrawVariable"};
using ListBoxItems = const TStrings& (TCustomListBox::*)() const;
using ComboItems = const TStrings& (TCustomComboBox::*)() const;
using RadioItems = const TStrings& (TCustomRadioGroup::*)() const;
using RadioValues = const TStrings& (TDBRadioGroup::*)() const;
using NavigatorHints = const TStrings& (TDBNavigator::*)() const;
}  // namespace

const ClassInfo& TDBListBox::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TDBListBox, &TDBListBox::DataField, &TDBListBox::SetDataField>("DataField"),
      props::Font(),
      IntProperty<TCustomListBox, &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight>(
          "ItemHeight", Stored::IfNotDefault, 13),
      ObjectProperty<TCustomListBox, static_cast<ListBoxItems>(&TCustomListBox::Items),
                     &TCustomListBox::SetItems>("Items"),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TDBListBox", &TCustomListBox::StaticClass(), props,
                              Create<TDBListBox>};
  return info;
}

const ClassInfo& TDBComboBox::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<TCustomComboBox, &TCustomComboBox::Style, &TCustomComboBox::SetStyle>(
          "Style", kComboStyles, csDropDown),
      props::Color(clWhite),
      StringProperty<TDBComboBox, &TDBComboBox::DataField, &TDBComboBox::SetDataField>("DataField"),
      IntProperty<TCustomComboBox, &TCustomComboBox::DropDownCount,
                  &TCustomComboBox::SetDropDownCount>("DropDownCount", Stored::IfNotDefault, 8),
      props::Font(),
      ObjectProperty<TCustomComboBox, static_cast<ComboItems>(&TCustomComboBox::Items),
                     &TCustomComboBox::SetItems>("Items"),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TDBComboBox", &TCustomComboBox::StaticClass(), props,
                              Create<TDBComboBox>};
  return info;
}

const ClassInfo& TDBRadioGroup::StaticClass() {
  static const PropInfo props[] = {
      props::Caption(),
      props::Color(),
      IntProperty<TCustomRadioGroup, &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns>(
          "Columns", Stored::IfNotDefault, 1),
      StringProperty<TDBRadioGroup, &TDBRadioGroup::DataField, &TDBRadioGroup::SetDataField>(
          "DataField"),
      props::Font(),
      ObjectProperty<TCustomRadioGroup, static_cast<RadioItems>(&TCustomRadioGroup::Items),
                     &TCustomRadioGroup::SetItems>("Items"),
      props::ParentFont(),
      BoolProperty<TDBRadioGroup, &TDBRadioGroup::ReadOnly, &TDBRadioGroup::SetReadOnly>("ReadOnly",
                                                                                         false),
      props::TabOrder(),
      ObjectProperty<TDBRadioGroup, static_cast<RadioValues>(&TDBRadioGroup::Values),
                     &TDBRadioGroup::SetValues>("Values"),
  };
  static const ClassInfo info{"TDBRadioGroup", &TCustomRadioGroup::StaticClass(), props,
                              Create<TDBRadioGroup>};
  return info;
}

const ClassInfo& TDBNavigator::StaticClass() {
  static const PropInfo props[] = {
      props::Color(),
      ObjectProperty<TDBNavigator, static_cast<NavigatorHints>(&TDBNavigator::Hints),
                     &TDBNavigator::SetHints>("Hints"),
      BoolProperty<TDBNavigator, &TDBNavigator::ShowHint, &TDBNavigator::SetShowHint>("ShowHint",
                                                                                      false),
      props::TabOrder(),
  };
  static const ClassInfo info{"TDBNavigator", &TWinControl::StaticClass(), props,
                              Create<TDBNavigator>};
  return info;
}

void TDBRadioGroup::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  NotifyPeer(Aspect::ReadOnly);
}

void TDBRadioGroup::SetValues(TObject* values) {
  if (auto* list = DynamicCast<TStrings>(values)) values_.Assign(*list);
}

std::string TDBRadioGroup::Value() const {
  const int i = ItemIndex();
  if (i < 0) return {};
  return (i < values_.Count() && !values_[i].empty()) ? values_[i] : Items()[i];
}

TDBNavigator::TDBNavigator(TComponent* owner) : TWinControl(owner) {
  ObserveList(hints_, ItemList::Hints);
}

void TDBNavigator::SetHints(TObject* hints) {
  if (auto* list = DynamicCast<TStrings>(hints)) hints_.Assign(*list);
}

std::string TDBNavigator::ButtonHint(int button) const {
  static constexpr const char* kStandard[kNavigateButtons] = {
      "First record",  "Prior record", "Next record", "Last record", "Insert record",
      "Delete record", "Edit record",  "Post edit",   "Cancel edit", "Refresh data"};
  if (button < 0 || button >= kNavigateButtons) return {};
  if (button < hints_.Count() && !hints_[button].empty()) return hints_[button];
  return kStandard[button];
}

void TDBNavigator::SetShowHint(bool on) {
  if (on == showHint_) return;
  showHint_ = on;
  NotifyPeer(Aspect::Hint);
}

}  // namespace tk
