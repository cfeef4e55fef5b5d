// Controls: position and size, visibility, texts, font, and the peer that shows them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Event.h"
#include "toolkit/Font.h"
#include "toolkit/Peer.h"
#include "toolkit/StringList.h"

namespace tk {

class TWinControl;

class TControl : public TComponent {
  TK_CLASS()

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  // Virtual so that a control with a companion control (a bound label) can take it along.
  virtual void SetParent(TWinControl* parent);

  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  virtual std::int32_t Width() const { return width_; }
  virtual std::int32_t Height() const { return height_; }
  void SetLeft(std::int32_t v) { SetBounds(v, top_, Width(), Height()); }
  void SetTop(std::int32_t v) { SetBounds(left_, v, Width(), Height()); }
  void SetWidth(std::int32_t v) { SetBounds(left_, top_, v, Height()); }
  void SetHeight(std::int32_t v) { SetBounds(left_, top_, Width(), v); }
  virtual void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The control text: a caption, or the edit text of an edit-like control.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { SetCaption(text); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool on);

  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t color);

  // An assigned action (any object); reads as zero through the property when none is set.
  TObject* Action() const { return action_; }
  void SetAction(TObject* action) { action_ = action; }

  TNotifyEvent OnClick;
  virtual void Click();

  // The peer, created by the backend when the control is first shown; may stay null.
  ControlPeer* Peer() const { return peer_.get(); }
  virtual void HandleNeeded();
  void DestroyPeer();

 protected:
  void NotifyPeer(Aspect aspect) const {
    if (peer_) peer_->Changed(aspect);
  }
  void NotifyItems(ItemList list, ListChange change, int index) const {
    if (peer_) peer_->ItemsChanged(list, change, index);
  }
  // Forwards every change of `strings` to the peer as a change of `list`.
  void ObserveList(TStrings& strings, ItemList list) {
    strings.SetObserver(
        [this, list](ListChange change, int index) { NotifyItems(list, change, index); });
  }
  void ParentFontChanged();
  friend class TWinControl;

 private:
  TWinControl* parent_ = nullptr;
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  std::string text_;
  std::string hint_;
  TFont font_;
  std::int32_t color_ = clBtnFace;
  TObject* action_ = nullptr;
  std::unique_ptr<ControlPeer> peer_;
};

class TWinControl : public TControl {
  TK_CLASS()

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }

  std::int32_t TabOrder() const { return tabOrder_; }
  void SetTabOrder(std::int32_t order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on) { tabStop_ = on; }

  // Creates this control's peer, then those of its children.
  void HandleNeeded() override;
  // The children in tab order: those with a tab order by it, then the rest as inserted. Native
  // windows take their tab order from this order of creation.
  std::vector<TControl*> TabOrdered() const;

  // Redrawing off while many controls change, on again (and one repaint) at the end. Nested. A
  // backend may hold the pause back until a change needs it (the Win32 one lets controls paint
  // new texts themselves).
  void DisableRedraw();
  void EnableRedraw();
  bool RedrawDisabled() const { return redrawLock_ > 0; }

 private:
  friend class TControl;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void FontChanged();

  std::vector<TControl*> controls_;
  std::int32_t tabOrder_ = -1;
  bool tabStop_ = true;
  int redrawLock_ = 0;
};

// The published "Font" of a control: stored only when the control does not follow its parent's.
PropInfo ControlFontProperty();

// Keeps a parent's redrawing off for a scope, also when the scope is left by an error.
class RedrawLock {
 public:
  explicit RedrawLock(TWinControl* control) : control_(control) {
    if (control_ != nullptr) control_->DisableRedraw();
  }
  ~RedrawLock() {
    if (control_ != nullptr) control_->EnableRedraw();
  }
  RedrawLock(const RedrawLock&) = delete;
  RedrawLock& operator=(const RedrawLock&) = delete;

 private:
  TWinControl* control_;
};

}  // namespace tk
