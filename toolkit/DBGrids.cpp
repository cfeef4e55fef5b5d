#include "toolkit/DBGrids.h"

#include <algorithm>

#include "toolkit/ControlProps.h"

namespace tk {

namespace {
using ColumnsGetter = const TDBGridColumns& (TCustomDBGrid::*)() const;
}

const ClassInfo& TColumnTitle::StaticClass() {
  static const PropInfo props[] = {
      StringProperty<TColumnTitle, &TColumnTitle::Caption, &TColumnTitle::SetCaption>("Caption"),
  };
  static const ClassInfo info{"TColumnTitle", &TPersistent::StaticClass(), props};
  return info;
}

const ClassInfo& TColumn::StaticClass() {
  using TitleGetter = const TColumnTitle& (TColumn::*)() const;
  static const PropInfo props[] = {
      StringProperty<TColumn, &TColumn::FieldName, &TColumn::SetFieldName>("FieldName"),
      ObjectProperty<TColumn, static_cast<TitleGetter>(&TColumn::Title)>("Title", Stored::Always),
      IntProperty<TColumn, &TColumn::Width, &TColumn::SetWidth>("Width", Stored::IfNotDefault, 64),
  };
  static const ClassInfo info{"TColumn", &TCollectionItem::StaticClass(), props};
  return info;
}

const ClassInfo& TDBGridColumns::StaticClass() {
  static const ClassInfo info{"TDBGridColumns", &TCollection::StaticClass(), {}};
  return info;
}

const ClassInfo& TCustomDBGrid::StaticClass() {
  static const ClassInfo info{"TCustomDBGrid", &TCustomGrid::StaticClass(), {}};
  return info;
}

const ClassInfo& TDBGrid::StaticClass() {
  static const PropInfo props[] = {
      props::Color(clWhite),
      ObjectProperty<TCustomDBGrid, static_cast<ColumnsGetter>(&TCustomDBGrid::Columns)>(
          "Columns", Stored::Never),
      props::Font(),
      props::ParentFont(),
      BoolProperty<TCustomDBGrid, &TCustomDBGrid::ReadOnly, &TCustomDBGrid::SetReadOnly>("ReadOnly",
                                                                                         false),
      props::TabOrder(),
  };
  static const ClassInfo info{"TDBGrid", &TCustomDBGrid::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TDBGrid(o); }};
  return info;
}

std::string TColumnTitle::Caption() const {
  return assigned_ ? caption_ : column_.FieldName();
}

void TColumnTitle::SetCaption(const std::string& caption) {
  if (assigned_ && caption == caption_) return;
  caption_ = caption;
  assigned_ = true;
  column_.Changed();
}

void TColumn::SetFieldName(const std::string& name) {
  if (name == fieldName_) return;
  fieldName_ = name;
  Changed();
}

void TColumn::SetWidth(std::int32_t width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

TCustomDBGrid::TCustomDBGrid(TComponent* owner) : TCustomGrid(owner) {
  SetColCount(2);
  SetRowCount(2);
  columns_.SetObserver([this](ListChange change, int index) {
    NotifyItems(ItemList::Columns, change, index);
    SetColCount(std::max(2, columns_.Count() + 1));
  });
}

void TCustomDBGrid::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  NotifyPeer(Aspect::ReadOnly);
}

}  // namespace tk
