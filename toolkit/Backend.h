// What a window system gives the toolkit: peers for controls, the message loop, stored window
// descriptions and dialogs. The headless backend keeps state only; the Win32 one shows it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/Geometry.h"
#include "toolkit/Peer.h"

namespace tk {

class TControl;
class DialogService;

class Backend {
 public:
  virtual ~Backend() = default;
  // A peer for the control, or null when this backend shows nothing for it. The control's
  // parent already has its peer.
  virtual std::unique_ptr<ControlPeer> CreatePeer(TControl& control) = 0;
  // Handles every pending message, then returns.
  virtual void ProcessMessages() = 0;
  // Runs the message loop until Terminate.
  virtual void Run() = 0;
  virtual void Terminate() = 0;
  // The stored description of a window class ("TMAINFORM"), or nothing when there is none.
  virtual std::optional<std::string> LoadDescription(std::string_view name) = 0;
  virtual DialogService& Dialogs() = 0;
  // The outer size of a window's frame around its client area at 96 dpi.
  virtual TRect FrameInsets(int borderStyle) = 0;
  // The primary monitor's screen, where a window placed at the centre of the screen goes.
  virtual TRect Screen() = 0;
  // The outer size the window system shows a top-level control in, which for a window shown at
  // another resolution than 96 dpi is not the stored one.
  virtual TSize ShownSize(const TControl& control) = 0;
  // The application's title: the program file's name without its extension.
  virtual std::string DefaultTitle() = 0;
};

}  // namespace tk
