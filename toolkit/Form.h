// Windows: caption, border, placement, client size, and the show and close life cycle.
#pragma once

#include <cstdint>

#include "toolkit/Backend.h"
#include "toolkit/Control.h"

namespace tk {

enum TFormBorderStyle : std::int32_t {
  bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin
};
enum TPosition : std::int32_t { poDesigned, poDefault, poScreenCenter };

class TCustomForm : public TWinControl {
  TK_CLASS()

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  std::int32_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(std::int32_t style);
  std::int32_t Position() const { return position_; }
  void SetPosition(std::int32_t position) { position_ = position; }

  std::int32_t ClientWidth() const { return clientWidth_; }
  std::int32_t ClientHeight() const { return clientHeight_; }
  void SetClientWidth(std::int32_t w);
  void SetClientHeight(std::int32_t h);
  // Outer size: the client area plus the frame that the backend draws for the border style.
  std::int32_t Width() const override;
  std::int32_t Height() const override;
  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  // Creates the native window if needed, places it, runs OnShow, then makes it visible.
  void Show();
  // Runs OnClose and hides the window; closing the main window ends the application.
  void Close();
  bool Closed() const { return closed_; }

 private:
  TRect Frame() const;

  std::int32_t borderStyle_ = bsSizeable;
  std::int32_t position_ = poDesigned;
  std::int32_t clientWidth_ = 0, clientHeight_ = 0;
  bool closed_ = false;
  bool shown_ = false;
};

class TForm : public TCustomForm {
  TK_CLASS()

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

}  // namespace tk
