#include "toolkit/ExtCtrls.h"

#include <algorithm>

#include "toolkit/ControlProps.h"
#include "toolkit/Saturated.h"

namespace tk {

namespace {
template <class C>
TComponent* Create(TComponent* owner) {
  return new C(owner);
}
constexpr std::string_view kBevels[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::string_view kLabelPositions[] = {"lpAbove", "lpBelow", "lpLeft", "lpRight"};
using RadioItems = const TStrings& (TCustomRadioGroup::*)() const;
using NotebookPages = const TStrings& (TNotebook::*)() const;
using HeaderSections = const TStrings& (THeader::*)() const;
}  // namespace

const ClassInfo& TImage::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TImage, &TImage::Picture, &TImage::SetPicture>("Picture"),
      BoolProperty<TImage, &TImage::Transparent, &TImage::SetTransparent>("Transparent", false),
  };
  static const ClassInfo info{"TImage", &TControl::StaticClass(), props, Create<TImage>};
  return info;
}

const ClassInfo& TCustomPanel::StaticClass() {
  static const ClassInfo info{"TCustomPanel", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TPanel::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<TCustomPanel, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>(
          "BevelOuter", kBevels, bvRaised),
      props::Caption(),
      props::Color(),
      props::Font(),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TPanel", &TCustomPanel::StaticClass(), props, Create<TPanel>};
  return info;
}

const ClassInfo& TCustomRadioGroup::StaticClass() {
  static const ClassInfo info{"TCustomRadioGroup", &TCustomGroupBox::StaticClass(), {}};
  return info;
}

const ClassInfo& TRadioGroup::StaticClass() {
  static const PropInfo props[] = {
      props::Caption(),
      props::Color(),
      IntProperty<TCustomRadioGroup, &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns>(
          "Columns", Stored::IfNotDefault, 1),
      props::Font(),
      ObjectProperty<TCustomRadioGroup, static_cast<RadioItems>(&TCustomRadioGroup::Items),
                     &TCustomRadioGroup::SetItems>("Items"),
      IntProperty<TCustomRadioGroup, &TCustomRadioGroup::ItemIndex,
                  &TCustomRadioGroup::SetItemIndex>("ItemIndex", Stored::IfNotDefault, -1),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TRadioGroup", &TCustomRadioGroup::StaticClass(), props,
                              Create<TRadioGroup>};
  return info;
}

const ClassInfo& TBoundLabel::StaticClass() {
  static const PropInfo props[] = {
      props::Caption(),
      props::Font(),
      props::ParentFont(),
      BoolProperty<TCustomLabel, &TCustomLabel::Transparent, &TCustomLabel::SetTransparent>(
          "Transparent", false),
  };
  static const ClassInfo info{"TBoundLabel", &TCustomLabel::StaticClass(), props,
                              Create<TBoundLabel>};
  return info;
}

const ClassInfo& TCustomLabeledEdit::StaticClass() {
  static const ClassInfo info{"TCustomLabeledEdit", &TCustomEdit::StaticClass(), {}};
  return info;
}

const ClassInfo& TLabeledEdit::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      ObjectProperty<TCustomLabeledEdit, &TCustomLabeledEdit::EditLabel>("EditLabel",
                                                                         Stored::Always),
      props::Enabled(),
      props::Font(),
      EnumProperty<TCustomLabeledEdit, &TCustomLabeledEdit::LabelPosition,
                   &TCustomLabeledEdit::SetLabelPosition>("LabelPosition", kLabelPositions,
                                                          lpAbove),
      IntProperty<TCustomLabeledEdit, &TCustomLabeledEdit::LabelSpacing,
                  &TCustomLabeledEdit::SetLabelSpacing>("LabelSpacing", Stored::IfNotDefault, 3),
      IntProperty<TCustomEdit, &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
      props::ParentFont(),
      BoolProperty<TCustomEdit, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly",
                                                                                   false),
      props::TabOrder(),
      props::Text(),
  };
  static const ClassInfo info{"TLabeledEdit", &TCustomLabeledEdit::StaticClass(), props,
                              Create<TLabeledEdit>};
  return info;
}

const ClassInfo& TNotebook::StaticClass() {
  static const PropInfo props[] = {
      props::Color(),
      props::Font(),
      ObjectProperty<TNotebook, static_cast<NotebookPages>(&TNotebook::Pages),
                     &TNotebook::SetPages>("Pages"),
      IntProperty<TNotebook, &TNotebook::PageIndex, &TNotebook::SetPageIndex>(
          "PageIndex", Stored::IfNotDefault, -1),
      props::ParentFont(),
      props::TabOrder(),
  };
  static const ClassInfo info{"TNotebook", &TWinControl::StaticClass(), props, Create<TNotebook>};
  return info;
}

const ClassInfo& THeader::StaticClass() {
  static const PropInfo props[] = {
      BoolProperty<THeader, &THeader::AllowResize, &THeader::SetAllowResize>("AllowResize", true),
      props::Font(),
      props::ParentFont(),
      ObjectProperty<THeader, static_cast<HeaderSections>(&THeader::Sections),
                     &THeader::SetSections>("Sections"),
      props::TabOrder(),
  };
  static const ClassInfo info{"THeader", &TWinControl::StaticClass(), props, Create<THeader>};
  return info;
}

void TImage::SetPicture(const std::string& name) {
  if (name == picture_) return;
  picture_ = name;
  NotifyPeer(Aspect::Picture);
}

void TImage::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  NotifyPeer(Aspect::Picture);
}

void TCustomPanel::SetBevelOuter(std::int32_t bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  NotifyPeer(Aspect::Kind);
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  items_.SetObserver([this](ListChange change, int index) { ItemsChanged(change, index); });
}

void TCustomRadioGroup::ItemsChanged(ListChange change, int index) {
  NotifyItems(ItemList::Items, change, index);
  const std::int32_t checked = SelectionAfter(itemIndex_, change, index, true);
  if (checked == itemIndex_) return;
  itemIndex_ = checked;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomRadioGroup::SetItems(TObject* items) {
  if (auto* list = DynamicCast<TStrings>(items)) items_.Assign(*list);
}

void TCustomRadioGroup::SetItemIndex(std::int32_t index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomRadioGroup::SetColumns(std::int32_t n) {
  n = std::max(1, n);
  if (n == columns_) return;
  columns_ = n;
  NotifyPeer(Aspect::Kind);
}

TBoundLabel::TBoundLabel(TComponent* owner) : TCustomLabel(owner) {
  SetBounds(0, 0, 0, 13);
}

TCustomLabeledEdit::TCustomLabeledEdit(TComponent* owner)
    : TCustomEdit(owner), label_(new TBoundLabel(this)) {
  label_->SetName("SubLabel");
}

void TCustomLabeledEdit::SetLabelPosition(std::int32_t position) {
  labelPosition_ = position;
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelSpacing(std::int32_t spacing) {
  labelSpacing_ = spacing;
  PlaceLabel();
}

void TCustomLabeledEdit::SetParent(TWinControl* parent) {
  TCustomEdit::SetParent(parent);
  label_->SetParent(parent);
}

void TCustomLabeledEdit::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                                   std::int32_t height) {
  TCustomEdit::SetBounds(left, top, width, height);
  PlaceLabel();
}

void TCustomLabeledEdit::PlaceLabel() {
  const std::int64_t w = label_->Width(), h = label_->Height();
  const std::int64_t left = Left(), top = Top(), spacing = labelSpacing_;
  std::int64_t x = left, y = top;
  switch (labelPosition_) {
    case lpAbove:
      y = top - h - spacing;
      break;
    case lpBelow:
      y = top + Height() + spacing;
      break;
    case lpLeft:
      x = left - w - spacing;
      y = top + (Height() - h) / 2;
      break;
    case lpRight:
      x = left + Width() + spacing;
      y = top + (Height() - h) / 2;
      break;
    default:
      break;
  }
  label_->SetBounds(Saturated(x), Saturated(y), label_->Width(), label_->Height());
}

TNotebook::TNotebook(TComponent* owner) : TWinControl(owner) {
  pages_.SetObserver([this](ListChange change, int index) { PagesChanged(change, index); });
}

void TNotebook::PagesChanged(ListChange change, int index) {
  NotifyItems(ItemList::Pages, change, index);
  const std::int32_t page = PageAfter(pageIndex_, change, index, pages_.Count());
  if (page == pageIndex_) return;
  pageIndex_ = page;
  NotifyPeer(Aspect::ItemIndex);
}

void TNotebook::SetPages(TObject* pages) {
  if (auto* list = DynamicCast<TStrings>(pages)) pages_.Assign(*list);
}

void TNotebook::SetPageIndex(std::int32_t index) {
  if (index < 0 || index >= pages_.Count() || index == pageIndex_) return;
  pageIndex_ = index;
  NotifyPeer(Aspect::ItemIndex);
}

std::string TNotebook::ActivePage() const {
  return pageIndex_ >= 0 ? pages_[pageIndex_] : std::string();
}

void TNotebook::SetActivePage(const std::string& name) {
  const int index = pages_.IndexOf(name);
  if (index >= 0) SetPageIndex(index);
}

THeader::THeader(TComponent* owner) : TWinControl(owner) {
  ObserveList(sections_, ItemList::Sections);
}

void THeader::SetSections(TObject* sections) {
  if (auto* list = DynamicCast<TStrings>(sections)) sections_.Assign(*list);
}

}  // namespace tk
