#include "toolkit/ComCtrls.h"

#include <utility>
#include <vector>

#include "toolkit/ControlProps.h"

namespace tk {

namespace {
template <class C>
TComponent* Create(TComponent* owner) {
  return new C(owner);
}
constexpr std::string_view kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kComboStyles[] = {"csDropDown", "csSimple", "csDropDownList"};
using TabsGetter = const TStrings& (TCustomTabControl::*)() const;
using PanelsGetter = const TStatusPanels& (TStatusBar::*)() const;
using SectionsGetter = const THeaderSections& (THeaderControl::*)() const;
using ItemsExGetter = const TComboExItems& (TCustomComboBoxEx::*)() const;
constexpr std::string_view kCommonAvis[] = {"aviNone",         "aviFindFolder",   "aviFindFile",
                                            "aviFindComputer", "aviCopyFiles",    "aviCopyFile",
                                            "aviRecycleFile",  "aviEmptyRecycle", "aviDeleteFile"};
}  // namespace

const ClassInfo& TStatusPanel::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<TStatusPanel, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment>(
          "Alignment", kAlignments, taLeftJustify),
      StringProperty<TStatusPanel, &TStatusPanel::Text, &TStatusPanel::SetText>("Text"),
      IntProperty<TStatusPanel, &TStatusPanel::Width, &TStatusPanel::SetWidth>(
          "Width", Stored::IfNotDefault, 50),
  };
  static const ClassInfo info{"TStatusPanel", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& TStatusPanels::StaticClass() {
  static const ClassInfo info{"TStatusPanels", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& TStatusBar::StaticClass() {
  static const PropInfo props[] = {
      props::Action(),
      props::Color(),
      props::Font(),
      ObjectProperty<TStatusBar, static_cast<PanelsGetter>(&TStatusBar::Panels)>("Panels",
                                                                                 Stored::Never),
      props::ParentFont(),
      BoolProperty<TStatusBar, &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel>("SimplePanel",
                                                                                      false),
      StringProperty<TStatusBar, &TStatusBar::SimpleText, &TStatusBar::SetSimpleText>("SimpleText"),
  };
  static const ClassInfo info{"TStatusBar", &TWinControl::StaticClass(), props, Create<TStatusBar>};
  return info;
}

const ClassInfo& TAnimate::StaticClass() {
  static const PropInfo props[] = {
      BoolProperty<TAnimate, &TAnimate::Active, &TAnimate::SetActive>("Active", false),
      BoolProperty<TAnimate, &TAnimate::Center, &TAnimate::SetCenter>("Center", true),
      EnumProperty<TAnimate, &TAnimate::CommonAVI, &TAnimate::SetCommonAVI>("CommonAVI",
                                                                            kCommonAvis, aviNone),
      IntProperty<TAnimate, &TAnimate::Repetitions, &TAnimate::SetRepetitions>("Repetitions"),
      IntProperty<TAnimate, &TAnimate::StartFrame, &TAnimate::SetStartFrame>(
          "StartFrame", Stored::IfNotDefault, 1),
      IntProperty<TAnimate, &TAnimate::StopFrame, &TAnimate::SetStopFrame>("StopFrame"),
      BoolProperty<TAnimate, &TAnimate::Transparent, &TAnimate::SetTransparent>("Transparent",
                                                                                true),
  };
  static const ClassInfo info{"TAnimate", &TWinControl::StaticClass(), props, Create<TAnimate>};
  return info;
}

const ClassInfo& TCustomTabControl::StaticClass() {
  static const ClassInfo info{"TCustomTabControl", &TWinControl::StaticClass(), {}};
  return info;
}

const ClassInfo& TTabControl::StaticClass() {
  static const PropInfo props[] = {
      props::Font(),
      BoolProperty<TCustomTabControl, &TCustomTabControl::MultiLine,
                   &TCustomTabControl::SetMultiLine>("MultiLine", false),
      props::ParentFont(),
      props::TabOrder(),
      ObjectProperty<TCustomTabControl, static_cast<TabsGetter>(&TCustomTabControl::Tabs),
                     &TCustomTabControl::SetTabs>("Tabs"),
      IntProperty<TCustomTabControl, &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex>(
          "TabIndex", Stored::IfNotDefault, -1),
  };
  static const ClassInfo info{"TTabControl", &TCustomTabControl::StaticClass(), props,
                              Create<TTabControl>};
  return info;
}

const ClassInfo& THeaderSection::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<THeaderSection, &THeaderSection::Alignment, &THeaderSection::SetAlignment>(
          "Alignment", kAlignments, taLeftJustify),
      StringProperty<THeaderSection, &THeaderSection::Text, &THeaderSection::SetText>("Text"),
      IntProperty<THeaderSection, &THeaderSection::Width, &THeaderSection::SetWidth>(
          "Width", Stored::IfNotDefault, 50),
  };
  static const ClassInfo info{"THeaderSection", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& THeaderSections::StaticClass() {
  static const ClassInfo info{"THeaderSections", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& THeaderControl::StaticClass() {
  static const PropInfo props[] = {
      props::Font(),
      props::ParentFont(),
      ObjectProperty<THeaderControl, static_cast<SectionsGetter>(&THeaderControl::Sections)>(
          "Sections", Stored::Never),
  };
  static const ClassInfo info{"THeaderControl", &TWinControl::StaticClass(), props,
                              Create<THeaderControl>};
  return info;
}

const ClassInfo& TComboExItem::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TComboExItem, &TComboExItem::Caption, &TComboExItem::SetCaption>("Caption"),
      IntProperty<TComboExItem, &TComboExItem::ImageIndex, &TComboExItem::SetImageIndex>(
          "ImageIndex", Stored::IfNotDefault, -1),
  };
  static const ClassInfo info{"TComboExItem", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& TComboExItems::StaticClass() {
  static const ClassInfo info{"TComboExItems", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& TCustomComboBoxEx::StaticClass() {
  static const ClassInfo info{"TCustomComboBoxEx", &TCustomComboBox::StaticClass(), {}};
  return info;
}

const ClassInfo& TComboBoxEx::StaticClass() {
  static const PropInfo props[] = {
      EnumProperty<TCustomComboBox, &TCustomComboBox::Style, &TCustomComboBox::SetStyle>(
          "Style", kComboStyles, csDropDown),
      props::Color(clWhite),
      IntProperty<TCustomComboBox, &TCustomComboBox::DropDownCount,
                  &TCustomComboBox::SetDropDownCount>("DropDownCount", Stored::IfNotDefault, 8),
      props::Enabled(),
      props::Font(),
      ObjectProperty<TCustomComboBoxEx, static_cast<ItemsExGetter>(&TCustomComboBoxEx::ItemsEx)>(
          "ItemsEx", Stored::Never),
      props::ParentFont(),
      props::TabOrder(),
      props::Text(),
  };
  static const ClassInfo info{"TComboBoxEx", &TCustomComboBoxEx::StaticClass(), props,
                              Create<TComboBoxEx>};
  return info;
}

void TStatusPanel::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
}

void TStatusPanel::SetWidth(std::int32_t width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TStatusPanel::SetAlignment(std::int32_t alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  panels_.SetObserver(
      [this](ListChange change, int index) { NotifyItems(ItemList::Panels, change, index); });
}

void TStatusBar::SetSimplePanel(bool on) {
  if (on == simplePanel_) return;
  simplePanel_ = on;
  NotifyPeer(Aspect::Kind);
}

void TStatusBar::SetSimpleText(const std::string& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  NotifyPeer(Aspect::Text);
}

int CommonAviResource(std::int32_t avi) {
  static constexpr int kResources[] = {0, 150, 151, 152, 160, 161, 162, 163, 164};
  return (avi >= 0 && avi < 9) ? kResources[avi] : 0;
}

void TAnimate::SetCommonAVI(std::int32_t avi) {
  if (avi == commonAvi_) return;
  commonAvi_ = avi;
  NotifyPeer(Aspect::Kind);
}

void TAnimate::SetActive(bool on) {
  // Loading keeps the stored state without starting anything before the window exists.
  if (on == active_) return;
  active_ = on;
  NotifyPeer(Aspect::Animation);
}

void TAnimate::Play(std::int32_t fromFrame, std::int32_t toFrame, std::int32_t count) {
  startFrame_ = fromFrame;
  stopFrame_ = toFrame;
  repetitions_ = count;
  active_ = true;
  NotifyPeer(Aspect::Animation);
}

TCustomTabControl::TCustomTabControl(TComponent* owner, ItemList list)
    : TWinControl(owner), list_(list) {
  tabs_.SetObserver([this](ListChange change, int index) { TabsChanged(change, index); });
}

void TCustomTabControl::TabsChanged(ListChange change, int index) {
  NotifyItems(list_, change, index);
  const std::int32_t tab = PageAfter(tabIndex_, change, index, tabs_.Count());
  if (tab == tabIndex_) return;
  tabIndex_ = tab;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomTabControl::SetTabs(TObject* tabs) {
  if (auto* list = DynamicCast<TStrings>(tabs)) tabs_.Assign(*list);
}

void TCustomTabControl::SetTabIndex(std::int32_t index) {
  if (index < 0 || index >= tabs_.Count() || index == tabIndex_) return;
  tabIndex_ = index;
  NotifyPeer(Aspect::ItemIndex);
}

void TCustomTabControl::SetMultiLine(bool on) {
  if (on == multiLine_) return;
  multiLine_ = on;
  NotifyPeer(Aspect::Kind);
}

void THeaderSection::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
}

void THeaderSection::SetWidth(std::int32_t width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void THeaderSection::SetAlignment(std::int32_t alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
  sections_.SetObserver(
      [this](ListChange change, int index) { NotifyItems(ItemList::Sections, change, index); });
}

void TComboExItem::SetCaption(const std::string& caption) {
  // Set also when unchanged: the combo box's items follow every write, as the native one does.
  caption_ = caption;
  Changed();
}

void TComboExItem::SetImageIndex(std::int32_t index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner) : TCustomComboBox(owner) {
  itemsEx_.SetObserver([this](ListChange change, int index) { ItemsExChanged(change, index); });
}

void TCustomComboBoxEx::ItemsExChanged(ListChange change, int index) {
  TStrings& items = Items();
  switch (change) {
    case ListChange::Put:
      items.Put(index, itemsEx_[index]->Caption());
      break;
    case ListChange::Insert:
      items.Insert(index, itemsEx_[index]->Caption());
      break;
    case ListChange::Delete:
      items.Delete(index);
      break;
    case ListChange::Reset: {
      std::vector<std::string> captions;
      for (int i = 0; i < itemsEx_.Count(); ++i) captions.push_back(itemsEx_[i]->Caption());
      items.Assign(std::move(captions));
      break;
    }
  }
}

}  // namespace tk
