// Labels, buttons, check boxes, edits, memos, list boxes, combo boxes and group boxes.
//
// Of the names the localization component asks for, each class publishes:
//
//   class       Caption Text Lines ReadOnly EditLabel Action Hint
//   TLabel         x                                          x
//   TButton        x                                    x     x
//   TCheckBox      x                                    x     x
//   TEdit               x           x                         x
//   TMemo                    x      x                         x
//   TListBox                                                  x
//   TComboBox           x                                     x
//   TGroupBox      x                                          x
//
// The TCustom... classes publish nothing of their own; other units derive their kinds from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/Control.h"
#include "toolkit/Selection.h"

namespace tk {

class TCustomLabel : public TControl {
  TK_CLASS()

 public:
  explicit TCustomLabel(TComponent* owner) : TControl(owner) {}
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 private:
  bool transparent_ = false;
};

class TLabel : public TCustomLabel {
  TK_CLASS()

 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

class TButton : public TWinControl {
  TK_CLASS()

 public:
  explicit TButton(TComponent* owner) : TWinControl(owner) {}
  // The window's cancel button: Escape presses it, as a dialog's Cancel.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }

 private:
  bool cancel_ = false;
};

// The button that Escape presses in `window`: the first in tab order, among its controls and
// theirs, whose Cancel is set; null when there is none or when that one cannot be pressed now
// (it, or a parent up to `window`, is disabled or hidden).
TButton* CancelButtonOf(const TWinControl& window);

class TCheckBox : public TWinControl {
  TK_CLASS()

 public:
  explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  // A click toggles the mark before the click handler runs.
  void Click() override;

 private:
  bool checked_ = false;
};

// An edit-like control: its control text is the edit text.
class TCustomEdit : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomEdit(TComponent* owner);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  // 0: no limit.
  std::int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(std::int32_t n);

 private:
  bool readOnly_ = false;
  std::int32_t maxLength_ = 0;
};

class TEdit : public TCustomEdit {
  TK_CLASS()

 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

enum TScrollStyle : std::int32_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit whose text is its Lines.
class TCustomMemo : public TCustomEdit {
  TK_CLASS()

 public:
  explicit TCustomMemo(TComponent* owner);
  TStrings& Lines() { return lines_; }
  const TStrings& Lines() const { return lines_; }
  void SetLines(TObject* lines);
  // The lines joined with CR LF; writing splits at line breaks.
  std::string Text() const { return lines_.Text(); }
  void SetText(std::string_view text) { lines_.SetText(text); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  std::int32_t ScrollBars() const { return scrollBars_; }
  void SetScrollBars(std::int32_t style);

 private:
  TStringList lines_;
  bool wordWrap_ = true;
  std::int32_t scrollBars_ = ssNone;
};

class TMemo : public TCustomMemo {
  TK_CLASS()

 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

// A list with one selected item. Replacing an item keeps the selection; inserting or deleting
// before it moves it along, deleting it clears it.
class TCustomListBox : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomListBox(TComponent* owner);
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  void SetItems(TObject* items);
  std::int32_t ItemHeight() const { return itemHeight_; }
  void SetItemHeight(std::int32_t h);
  // -1: nothing selected. An index outside the items selects nothing.
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);

 private:
  void ItemsChanged(ListChange change, int index);

  TStringList items_;
  std::int32_t itemHeight_ = 13;
  std::int32_t itemIndex_ = -1;
};

class TListBox : public TCustomListBox {
  TK_CLASS()

 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

enum TComboBoxStyle : std::int32_t {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};

// An edit text with a drop-down list. As in the native control, replacing an item is a delete
// and an insert: replacing or deleting the selected item loses the selection. Selecting an item
// puts its text into the edit text; selecting nothing empties it.
class TCustomComboBox : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomComboBox(TComponent* owner);
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  void SetItems(TObject* items);
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);
  std::int32_t Style() const { return style_; }
  void SetStyle(std::int32_t style);
  std::int32_t DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(std::int32_t n) { dropDownCount_ = n; }

 private:
  void ItemsChanged(ListChange change, int index);

  TStringList items_;
  std::int32_t itemIndex_ = -1;
  std::int32_t style_ = csDropDown;
  std::int32_t dropDownCount_ = 8;
};

class TComboBox : public TCustomComboBox {
  TK_CLASS()

 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

class TCustomGroupBox : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomGroupBox(TComponent* owner) : TWinControl(owner) {}
};

class TGroupBox : public TCustomGroupBox {
  TK_CLASS()

 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

}  // namespace tk
