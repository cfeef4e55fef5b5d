// Status bars and the common-controls animation.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/Control.h"

namespace tk {

class TStatusBar : public TWinControl {
  TK_CLASS()

 public:
  explicit TStatusBar(TComponent* owner);
  // In simple mode the bar shows one text, SimpleText, instead of its panels.
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool on);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);

 private:
  bool simplePanel_ = false;
  std::string simpleText_;
};

// The system's standard animations, in the order of their resource numbers.
enum TCommonAVI : std::int32_t {
  aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile,
  aviRecycleFile, aviEmptyRecycle, aviDeleteFile
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

}  // namespace tk
