// The headless backend: no native controls, dialogs recorded and answered from a script, stored
// descriptions registered in memory. Unit tests and tools run on it.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Backend.h"
#include "toolkit/Dialogs.h"

namespace tk {

// Records every dialog and answers from a script; without a script it answers as a closed
// dialog would (Cancel, else No, else OK).
class RecordingDialogs : public DialogService {
 public:
  int Show(const DialogRequest& request) override;
  void Answer(int result) { script_.push_back(result); }
  const std::vector<DialogRequest>& Shown() const { return shown_; }
  void Clear() {
    shown_.clear();
    script_.clear();
  }

 private:
  std::vector<DialogRequest> shown_;
  std::deque<int> script_;
};

class HeadlessBackend : public Backend {
 public:
  // `title` becomes the application's title when it has none (there is no program file to take
  // it from, as the Win32 backend does).
  explicit HeadlessBackend(std::string title = {}) : title_(std::move(title)) {}

  std::unique_ptr<ControlPeer> CreatePeer(TControl&) override { return nullptr; }
  void ProcessMessages() override { ++pumps_; }
  void Run() override {}
  void Terminate() override {}
  std::optional<std::string> LoadDescription(std::string_view name) override;
  DialogService& Dialogs() override { return dialogs_; }
  TRect FrameInsets(int borderStyle) override;
  TRect Screen() override { return TRect{0, 0, 1024, 768}; }
  TSize ShownSize(const TControl& control) override;
  std::string DefaultTitle() override { return title_; }

  void AddDescription(const std::string& name, std::string text) { descriptions_[name] = text; }
  RecordingDialogs& Recorded() { return dialogs_; }
  int Pumps() const { return pumps_; }

 private:
  std::string title_;
  std::map<std::string, std::string> descriptions_;
  RecordingDialogs dialogs_;
  int pumps_ = 0;
};

}  // namespace tk
