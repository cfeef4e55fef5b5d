// Pictures, panels, radio groups, labeled edits, notebooks and the classic header.
//
// Of the names the localization component asks for, each class publishes:
//
//   class         Caption Text Lines ReadOnly EditLabel Action Hint
//   TImage                                                      x
//   TPanel           x                                          x
//   TRadioGroup      x                                          x
//   TLabeledEdit          x           x          x              x
//   TBoundLabel      x                                          x
//   TNotebook                                                   x
//   THeader                                                     x
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/StdCtrls.h"

namespace tk {

class TImage : public TControl {
  TK_CLASS()

 public:
  explicit TImage(TComponent* owner) : TControl(owner) {}
  // The name of the bitmap resource that the picture shows.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& name);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 private:
  std::string picture_;
  bool transparent_ = false;
};

enum TPanelBevel : std::int32_t { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomPanel(TComponent* owner) : TWinControl(owner) {}
  std::int32_t BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(std::int32_t bevel);

 private:
  std::int32_t bevelOuter_ = bvRaised;
};

class TPanel : public TCustomPanel {
  TK_CLASS()

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// A group box with one radio button per item; ItemIndex is the checked one.
class TCustomRadioGroup : public TCustomGroupBox {
  TK_CLASS()

 public:
  explicit TCustomRadioGroup(TComponent* owner);
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  void SetItems(TObject* items);
  // -1: no button checked. An index outside the items checks none.
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);
  std::int32_t Columns() const { return columns_; }
  void SetColumns(std::int32_t n);

 private:
  void ItemsChanged(ListChange change, int index);

  TStringList items_;
  std::int32_t itemIndex_ = -1;
  std::int32_t columns_ = 1;
};

class TRadioGroup : public TCustomRadioGroup {
  TK_CLASS()

 public:
  explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};

// The label of a labeled edit: a sub-object of the edit, which owns it, places it and gives it
// the edit's parent. Its caption is stored with the edit's description.
class TBoundLabel : public TCustomLabel {
  TK_CLASS()

 public:
  explicit TBoundLabel(TComponent* owner);
};

enum TLabelPosition : std::int32_t { lpAbove, lpBelow, lpLeft, lpRight };

class TCustomLabeledEdit : public TCustomEdit {
  TK_CLASS()

 public:
  explicit TCustomLabeledEdit(TComponent* owner);
  TBoundLabel* EditLabel() const { return label_; }
  std::int32_t LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(std::int32_t position);
  std::int32_t LabelSpacing() const { return labelSpacing_; }
  void SetLabelSpacing(std::int32_t spacing);

  void SetParent(TWinControl* parent) override;
  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height) override;

 private:
  void PlaceLabel();

  TBoundLabel* label_;  // owned as a component
  std::int32_t labelPosition_ = lpAbove;
  std::int32_t labelSpacing_ = 3;
};

class TLabeledEdit : public TCustomLabeledEdit {
  TK_CLASS()

 public:
  explicit TLabeledEdit(TComponent* owner) : TCustomLabeledEdit(owner) {}
};

// Pages of which one shows at a time; Pages holds their names.
class TNotebook : public TWinControl {
  TK_CLASS()

 public:
  explicit TNotebook(TComponent* owner);
  TStrings& Pages() { return pages_; }
  const TStrings& Pages() const { return pages_; }
  void SetPages(TObject* pages);
  // -1 only while there are no pages.
  std::int32_t PageIndex() const { return pageIndex_; }
  void SetPageIndex(std::int32_t index);
  // The name of the page that shows; setting a name that no page has changes nothing.
  std::string ActivePage() const;
  void SetActivePage(const std::string& name);

 private:
  void PagesChanged(ListChange change, int index);

  TStringList pages_;
  std::int32_t pageIndex_ = -1;
};

// The classic header: a row of sections named by a string list.
class THeader : public TWinControl {
  TK_CLASS()

 public:
  explicit THeader(TComponent* owner);
  TStrings& Sections() { return sections_; }
  const TStrings& Sections() const { return sections_; }
  void SetSections(TObject* sections);
  bool AllowResize() const { return allowResize_; }
  void SetAllowResize(bool on) { allowResize_ = on; }

 private:
  TStringList sections_;
  bool allowResize_ = true;
};

}  // namespace tk
