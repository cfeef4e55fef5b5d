#include "toolkit/StdCtrls.h"

#include "toolkit/ControlProps.h"

namespace tk {

namespace {
template <class C>
TComponent* Create(TComponent* owner) {
  return new C(owner);
}
constexpr std::string_view kScrollStyles[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr std::string_view kComboStyles[] = {"csDropDown", "csSimple", "csDropDownList",
                                             "csOwnerDrawFixed", "csOwnerDrawVariable"};
using ListBoxItems = const TStrings& (TCustomListBox::*)() const;
using ComboItems = const TStrings& (TCustomComboBox::*)() const;
using MemoLines = const TStrings& (TCustomMemo::*)() const;
}  // namespace

const ClassInfo& TCustomLabel::StaticClass() {
  static const ClassInfo info{"TCustomLabel", &TControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TLabel::StaticClass() {
  static const PropInfo props[] = {
      props::Caption(),
      props::Color(),
      props::Font(),
      props::ParentFont(),
      BoolProperty<TCustomLabel, &TCustomLabel::Transparent, &TCustomLabel::SetTransparent>(
          "Transparent", false),
  };
  static const ClassInfo info{"TLabel", &TCustomLabel::StaticClass(), props, Create<TLabel>};
  return info;
}

const ClassInfo& TButton::StaticClass() {
  static const PropInfo props[] = {
      props::Action(),
      BoolProperty<TButton, &TButton::Cancel, &TButton::SetCancel>("Cancel", false),
      props::Caption(),
      props::Enabled(),
      props::Font(),
      props::OnClick(),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TButton", &TWinControl::StaticClass(), props, Create<TButton>};
  return info;
}

namespace {

TButton* FirstCancelButton(const TWinControl& parent) {
  for (TControl* control : parent.TabOrdered()) {
    if (auto* button = DynamicCast<TButton>(control); button != nullptr && button->Cancel()) {
      return button;
    }
    if (const auto* inner = DynamicCast<TWinControl>(control)) {
      if (TButton* found = FirstCancelButton(*inner)) return found;
    }
  }
  return nullptr;
}

}  // namespace

TButton* CancelButtonOf(const TWinControl& window) {
  TButton* button = FirstCancelButton(window);
  for (const TControl* c = button; c != nullptr && c != &window; c = c->Parent()) {
    if (!c->Enabled() || !c->Visible()) return nullptr;
  }
  return button;
}

const ClassInfo& TCheckBox::StaticClass() {
  static const PropInfo props[] = {
      props::Action(),
      props::Caption(),
      BoolProperty<TCheckBox, &TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", false),
      props::Enabled(),
      props::Font(),
      props::OnClick(),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TCheckBox", &TWinControl::StaticClass(), props, Create<TCheckBox>};
  return info;
}

const ClassInfo& TCustomEdit::StaticClass() {
  static const ClassInfo info{"TCustomEdit", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TEdit::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      props::Enabled(),
      props::Font(),
      IntProperty<TCustomEdit, &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
      props::ParentFont(),
      BoolProperty<TCustomEdit, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly",
                                                                                   false),
      props::TabOrder(),
      props::Text(),
  };
  static const ClassInfo info{"TEdit", &TCustomEdit::StaticClass(), props, Create<TEdit>};
  return info;
}

const ClassInfo& TCustomMemo::StaticClass() {
  static const ClassInfo info{"TCustomMemo", &TCustomEdit::StaticClass(), {}};
  return info;
}

const ClassInfo& TMemo::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      props::Enabled(),
      props::Font(),
      ObjectProperty<TCustomMemo, static_cast<MemoLines>(&TCustomMemo::Lines),
                     &TCustomMemo::SetLines>("Lines"),
      IntProperty<TCustomEdit, &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
      props::ParentFont(),
      BoolProperty<TCustomEdit, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly",
                                                                                   false),
      EnumProperty<TCustomMemo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars>(
          "ScrollBars", kScrollStyles, ssNone),
      props::TabOrder(),
      BoolProperty<TCustomMemo, &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap>("WordWrap",
                                                                                   true),
  };
  static const ClassInfo info{"TMemo", &TCustomMemo::StaticClass(), props, Create<TMemo>};
  return info;
}

const ClassInfo& TCustomListBox::StaticClass() {
  static const ClassInfo info{"TCustomListBox", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TListBox::StaticClass() {
  static const PropInfo props[] = {
      props::Font(),
      IntProperty<TCustomListBox, &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight>(
          "ItemHeight", Stored::IfNotDefault, 13),
      ObjectProperty<TCustomListBox, static_cast<ListBoxItems>(&TCustomListBox::Items),
                     &TCustomListBox::SetItems>("Items"),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TListBox", &TCustomListBox::StaticClass(), props, Create<TListBox>};
  return info;
}

const ClassInfo& TCustomComboBox::StaticClass() {
  static const ClassInfo info{"TCustomComboBox", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TComboBox::StaticClass() {
  // Items come before ItemIndex, and the stored Text last, so loading restores all three.
  static const PropInfo props[] = {
      EnumProperty<TCustomComboBox, &TCustomComboBox::Style, &TCustomComboBox::SetStyle>(
          "Style", kComboStyles, csDropDown),
      props::Color(clWhite),
      IntProperty<TCustomComboBox, &TCustomComboBox::DropDownCount,
                  &TCustomComboBox::SetDropDownCount>("DropDownCount", Stored::IfNotDefault, 8),
      props::Enabled(),
      props::Font(),
      ObjectProperty<TCustomComboBox, static_cast<ComboItems>(&TCustomComboBox::Items),
                     &TCustomComboBox::SetItems>("Items"),
      IntProperty<TCustomComboBox, &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex>(
          "ItemIndex", Stored::IfNotDefault, -1),
      props::ParentFont(),
      props::TabOrder(),
      props::Text(),
  };
  static const ClassInfo info{"TComboBox", &TCustomComboBox::StaticClass(), props,
                              Create<TComboBox>};
  return info;
}

const ClassInfo& TCustomGroupBox::StaticClass() {
  static const ClassInfo info{"TCustomGroupBox", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TGroupBox::StaticClass() {
  static const PropInfo props[] = {
      props::Caption(), props::Color(), props::Font(), props::ParentFont(), props::TabOrder(),
  };
  static const ClassInfo info{"TGroupBox", &TCustomGroupBox::StaticClass(), props,
                              Create<TGroupBox>};
  return info;
}

void TCustomLabel::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  NotifyPeer(Aspect::Color);
}

void TCheckBox::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  NotifyPeer(Aspect::Kind);
}

void TCheckBox::Click() {
  SetChecked(!checked_);
  TWinControl::Click();
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
}

void TCustomEdit::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  NotifyPeer(Aspect::ReadOnly);
}

void TCustomEdit::SetMaxLength(std::int32_t n) {
  if (n == maxLength_) return;
  maxLength_ = n;
  NotifyPeer(Aspect::Kind);
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
  ObserveList(lines_, ItemList::Lines);
}

void TCustomMemo::SetLines(TObject* lines) {
  if (auto* list = DynamicCast<TStrings>(lines)) lines_.Assign(*list);
}

void TCustomMemo::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  NotifyPeer(Aspect::Kind);
}

void TCustomMemo::SetScrollBars(std::int32_t style) {
  if (style == scrollBars_) return;
  scrollBars_ = style;
  NotifyPeer(Aspect::Kind);
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
  items_.SetObserver([this](ListChange change, int index) { ItemsChanged(change, index); });
}

void TCustomListBox::ItemsChanged(ListChange change, int index) {
  NotifyItems(ItemList::Items, change, index);
  const std::int32_t selected = SelectionAfter(itemIndex_, change, index, true);
  if (selected == itemIndex_) return;
  itemIndex_ = selected;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomListBox::SetItems(TObject* items) {
  if (auto* list = DynamicCast<TStrings>(items)) items_.Assign(*list);
}

void TCustomListBox::SetItemHeight(std::int32_t h) {
  if (h == itemHeight_) return;
  itemHeight_ = h;
  NotifyPeer(Aspect::Kind);
}

void TCustomListBox::SetItemIndex(std::int32_t index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  NotifyPeer(Aspect::ItemIndex);
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWhite);
  items_.SetObserver([this](ListChange change, int index) { ItemsChanged(change, index); });
}

void TCustomComboBox::ItemsChanged(ListChange change, int index) {
  NotifyItems(ItemList::Items, change, index);
  const std::int32_t selected = SelectionAfter(itemIndex_, change, index, false);
  if (selected == itemIndex_) return;
  itemIndex_ = selected;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomComboBox::SetItems(TObject* items) {
  if (auto* list = DynamicCast<TStrings>(items)) items_.Assign(*list);
}

void TCustomComboBox::SetItemIndex(std::int32_t index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  SetText(index >= 0 ? items_[index] : std::string());
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomComboBox::SetStyle(std::int32_t style) {
  if (style == style_) return;
  style_ = style;
  NotifyPeer(Aspect::Kind);
}

}  // namespace tk
