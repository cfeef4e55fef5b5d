#include "toolkit/ComCtrls.h"

#include "toolkit/Properties.h"

namespace tk {

namespace {
constexpr std::string_view kCommonAvis[] = {
    "aviNone",     "aviFindFolder",  "aviFindFile",     "aviFindComputer", "aviCopyFiles",
    "aviCopyFile", "aviRecycleFile", "aviEmptyRecycle", "aviDeleteFile"};
}  // namespace

const ClassInfo& TStatusBar::StaticClass() {
  static const PropInfo props[] = {
      ObjectProperty<TControl, &TControl::Action>("Action", Stored::Never),
      OrdinalProperty<TControl, &TControl::Color, &TControl::SetColor>(
          "Color", OrdinalType::Integer, clBtnFace, Stored::IfNotDefault),
      ControlFontProperty(),
      BoolProperty<TControl, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true),
      BoolProperty<TStatusBar, &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel>(
          "SimplePanel", false),
      StringProperty<TStatusBar, &TStatusBar::SimpleText, &TStatusBar::SetSimpleText>(
          "SimpleText"),
  };
  static const ClassInfo info{"TStatusBar", &TWinControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TStatusBar(o); }};
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
  static const ClassInfo info{"TAnimate", &TWinControl::StaticClass(), props,
                              [](TComponent* o) -> TComponent* { return new TAnimate(o); }};
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {}

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

}  // namespace tk
