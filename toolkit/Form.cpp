#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/DpiScale.h"
#include "toolkit/Properties.h"
#include "toolkit/Saturated.h"

namespace tk {

namespace {
constexpr std::string_view kBorderStyles[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                              "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr std::string_view kPositions[] = {"poDesigned", "poDefault", "poScreenCenter"};
}  // namespace

const ClassInfo& TCustomForm::StaticClass() {
  static const PropInfo props[] = {
      // The outer size follows the client size; only the client size is stored.
      IntProperty<TControl, &TControl::Width, &TControl::SetWidth>("Width", Stored::Never),
      IntProperty<TControl, &TControl::Height, &TControl::SetHeight>("Height", Stored::Never),
      // A window becomes visible when it is shown, never by loading.
      BoolProperty<TControl, &TControl::Visible, &TControl::SetVisible>("Visible", false,
                                                                        Stored::Never),
  };
  static const ClassInfo info{"TCustomForm", &TWinControl::StaticClass(), props};
  return info;
}

const ClassInfo& TForm::StaticClass() {
  static const PropInfo props[] = {
      ObjectProperty<TControl, &TControl::Action>("Action", Stored::Never),
      EnumProperty<TCustomForm, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>(
          "BorderStyle", kBorderStyles, bsSizeable),
      StringProperty<TControl, &TControl::Caption, &TControl::SetCaption>("Caption"),
      IntProperty<TCustomForm, &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight>(
          "ClientHeight", Stored::Always),
      IntProperty<TCustomForm, &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth>(
          "ClientWidth", Stored::Always),
      OrdinalProperty<TControl, &TControl::Color, &TControl::SetColor>(
          "Color", OrdinalType::Integer, clBtnFace, Stored::IfNotDefault),
      ObjectProperty<TControl, static_cast<const TFont& (TControl::*)() const>(&TControl::Font)>(
          "Font", Stored::Always),
      EventProperty<TCustomForm, &TCustomForm::OnClose>("OnClose"),
      EventProperty<TCustomForm, &TCustomForm::OnShow>("OnShow"),
      EnumProperty<TCustomForm, &TCustomForm::Position, &TCustomForm::SetPosition>(
          "Position", kPositions, poDesigned),
  };
  static const ClassInfo info{"TForm", &TCustomForm::StaticClass(), props};
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TCustomForm::~TCustomForm() {
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

TRect TCustomForm::Frame() const { return Application().GetBackend().FrameInsets(borderStyle_); }

std::int32_t TCustomForm::Width() const {
  const TRect f = Frame();
  return Saturated(std::int64_t{clientWidth_} + f.left + f.right);
}

std::int32_t TCustomForm::Height() const {
  const TRect f = Frame();
  return Saturated(std::int64_t{clientHeight_} + f.top + f.bottom);
}

void TCustomForm::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height) {
  const TRect f = Frame();
  clientWidth_ = Saturated(std::int64_t{width} - f.left - f.right);
  clientHeight_ = Saturated(std::int64_t{height} - f.top - f.bottom);
  TControl::SetBounds(left, top, width, height);
}

void TCustomForm::SetClientWidth(std::int32_t w) {
  if (w == clientWidth_) return;
  clientWidth_ = w;
  TControl::SetBounds(Left(), Top(), Width(), Height());
}

void TCustomForm::SetClientHeight(std::int32_t h) {
  if (h == clientHeight_) return;
  clientHeight_ = h;
  TControl::SetBounds(Left(), Top(), Width(), Height());
}

void TCustomForm::SetBorderStyle(std::int32_t style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  NotifyPeer(Aspect::Kind);
}

void TCustomForm::Show() {
  closed_ = false;
  HandleNeeded();
  if (!shown_ && position_ == poScreenCenter) {
    // Centred in the size it is shown in, which at another resolution than 96 dpi is not the
    // stored one; the stored Left and Top are not used.
    Backend& backend = Application().GetBackend();
    const TPoint origin = CentredOrigin(backend.Screen(), backend.ShownSize(*this));
    SetBounds(origin.x, origin.y, Width(), Height());
  }
  shown_ = true;
  // An error in the show handler is the message loop's to report; the window still appears.
  Application().Guarded([&] { OnShow(this); });
  SetVisible(true);
}

void TCustomForm::Close() {
  if (closed_) return;
  closed_ = true;
  OnClose(this);
  SetVisible(false);
  if (Application().MainForm() == this) Application().Terminate();
}

}  // namespace tk
