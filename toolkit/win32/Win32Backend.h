// The Win32 window system: native peers for the controls, the message loop with keyboard
// navigation, stored descriptions from the program's resources, and real modal dialogs.
#pragma once

#include <windows.h>

#include "toolkit/Backend.h"
#include "toolkit/win32/PeerRegistry.h"
#include "toolkit/win32/Win32Dialogs.h"

namespace tk::win32 {

class Win32Backend : public Backend {
 public:
  Win32Backend();

  std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override;
  void ProcessMessages() override;
  void Run() override;
  void Terminate() override;
  std::optional<std::string> LoadDescription(std::string_view name) override;
  DialogService& Dialogs() override { return dialogs_; }
  TRect FrameInsets(int borderStyle) override;
  TRect Screen() override;
  TSize ShownSize(const TControl& control) override;
  std::string DefaultTitle() override;

  // Where further kinds of control register their peers.
  PeerRegistry& Peers() { return peers_; }

 private:
  static void Dispatch(MSG& msg);

  PeerRegistry peers_;
  Win32Dialogs dialogs_;
};

// The program file's name without its directory and extension.
std::string ProgramTitle(std::wstring_view modulePath);

}  // namespace tk::win32
