// Common controls: status bars, the animation, tab controls, header controls and the extended
// combo box. Tree views and list views have units of their own.
//
// Of the names the localization component asks for, each class publishes:
//
//   class           Caption Text Lines ReadOnly EditLabel Action Hint
//   TStatusBar                                             x     x
//   TAnimate                                                     x
//   TTabControl                                                  x
//   THeaderControl                                               x
//   TComboBoxEx             x                                    x
//
// Collections (status panels, header sections, extended items) are published but not stored.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Collections.h"
#include "toolkit/Control.h"
#include "toolkit/StdCtrls.h"

namespace tk {

enum TAlignment : std::int32_t { taLeftJustify, taRightJustify, taCenter };

// How tree views and list views keep their items in order.
enum TSortType : std::int32_t { stNone, stData, stText, stBoth };

class TStatusPanel : public TCollectionItem {
  TK_CLASS()

 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width);
  std::int32_t Alignment() const { return alignment_; }
  void SetAlignment(std::int32_t alignment);

 private:
  std::string text_;
  std::int32_t width_ = 50;
  std::int32_t alignment_ = taLeftJustify;
};

class TStatusPanels : public TOwnedCollection<TStatusPanel> {
  TK_CLASS()
};

class TStatusBar : public TWinControl {
  TK_CLASS()

 public:
  explicit TStatusBar(TComponent* owner);
  TStatusPanels& Panels() { return panels_; }
  const TStatusPanels& Panels() const { return panels_; }
  // In simple mode the bar shows one text, SimpleText, instead of its panels.
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool on);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);

 private:
  TStatusPanels panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
};

// The system's standard animations, in the order of their resource numbers.
enum TCommonAVI : std::int32_t {
  aviNone,
  aviFindFolder,
  aviFindFile,
  aviFindComputer,
  aviCopyFiles,
  aviCopyFile,
  aviRecycleFile,
  aviEmptyRecycle,
  aviDeleteFile
};
// The resource number of a common animation in "shell32.dll" (0 for aviNone).
int CommonAviResource(std::int32_t avi);

class TAnimate : public TWinControl {
  TK_CLASS()

 public:
  explicit TAnimate(TComponent* owner) : TWinControl(owner) {}

  std::int32_t CommonAVI() const { return commonAvi_; }
  void SetCommonAVI(std::int32_t avi);
  bool Center() const { return center_; }
  void SetCenter(bool on) { center_ = on; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }
  std::int32_t StartFrame() const { return startFrame_; }
  void SetStartFrame(std::int32_t f) { startFrame_ = f; }
  std::int32_t StopFrame() const { return stopFrame_; }
  void SetStopFrame(std::int32_t f) { stopFrame_ = f; }
  // 0 plays until stopped.
  std::int32_t Repetitions() const { return repetitions_; }
  void SetRepetitions(std::int32_t n) { repetitions_ = n; }

  bool Active() const { return active_; }
  void SetActive(bool on);
  void Play(std::int32_t fromFrame, std::int32_t toFrame, std::int32_t count);
  void Stop() { SetActive(false); }

 private:
  std::int32_t commonAvi_ = aviNone;
  bool center_ = true;
  bool transparent_ = true;
  std::int32_t startFrame_ = 1;
  std::int32_t stopFrame_ = 0;
  std::int32_t repetitions_ = 0;
  bool active_ = false;
};

// Tabs along the top of a page area; TabIndex is the selected tab.
class TCustomTabControl : public TWinControl {
  TK_CLASS()

 public:
  // `list` is how the tabs' changes are named to the peer (notebooks call their tabs pages).
  TCustomTabControl(TComponent* owner, ItemList list);
  TStrings& Tabs() { return tabs_; }
  const TStrings& Tabs() const { return tabs_; }
  void SetTabs(TObject* tabs);
  // -1 only without tabs.
  std::int32_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(std::int32_t index);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool on);

 private:
  void TabsChanged(ListChange change, int index);

  TStringList tabs_;
  ItemList list_;
  std::int32_t tabIndex_ = -1;
  bool multiLine_ = false;
};

class TTabControl : public TCustomTabControl {
  TK_CLASS()

 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner, ItemList::Tabs) {}
};

class THeaderSection : public TCollectionItem {
  TK_CLASS()

 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width);
  std::int32_t Alignment() const { return alignment_; }
  void SetAlignment(std::int32_t alignment);

 private:
  std::string text_;
  std::int32_t width_ = 50;
  std::int32_t alignment_ = taLeftJustify;
};

class THeaderSections : public TOwnedCollection<THeaderSection> {
  TK_CLASS()
};

class THeaderControl : public TWinControl {
  TK_CLASS()

 public:
  explicit THeaderControl(TComponent* owner);
  THeaderSections& Sections() { return sections_; }
  const THeaderSections& Sections() const { return sections_; }

 private:
  THeaderSections sections_;
};

class TComboExItem : public TCollectionItem {
  TK_CLASS()

 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // -1: no image.
  std::int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(std::int32_t index);

 private:
  std::string caption_;
  std::int32_t imageIndex_ = -1;
};

class TComboExItems : public TOwnedCollection<TComboExItem> {
  TK_CLASS()
};

// A combo box whose items carry images. ItemsEx is the list to edit; Items follows it with the
// captions, so the selection and the edit text behave as in a plain combo box.
class TCustomComboBoxEx : public TCustomComboBox {
  TK_CLASS()

 public:
  explicit TCustomComboBoxEx(TComponent* owner);
  TComboExItems& ItemsEx() { return itemsEx_; }
  const TComboExItems& ItemsEx() const { return itemsEx_; }

 private:
  void ItemsExChanged(ListChange change, int index);

  TComboExItems itemsEx_;
};

class TComboBoxEx : public TCustomComboBoxEx {
  TK_CLASS()

 public:
  explicit TComboBoxEx(TComponent* owner) : TCustomComboBoxEx(owner) {}
};

}  // namespace tk
