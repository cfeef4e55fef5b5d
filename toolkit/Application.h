// The application object: the backend in use, the main window, the message loop and the error
// guard at the loop (every event handler runs inside it).
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "toolkit/Backend.h"
#include "toolkit/Dialogs.h"

namespace tk {

class TCustomForm;

class TApplication {
 public:
  Backend& GetBackend() const;
  void SetBackend(Backend* backend);
  DialogService& Dialogs() const;
  // Replaces the backend's dialogs (tests record them); null restores the backend's own.
  void SetDialogs(DialogService* dialogs) { dialogs_ = dialogs; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }

  void ProcessMessages();
  // Shows the main form and runs the message loop until it closes.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ResetTerminated() { terminated_ = false; }

  // A program's life: makes its main window with `create` (which answers an owning pointer; an
  // error there shows in the error box and nothing runs), runs the message loop until the window
  // closes, then destroys it.
  template <class Create>
  void RunMainForm(Create create) {
    decltype(create()) form;
    Guarded([&] { form = create(); });
    if (!form) return;
    SetMainForm(form.get());
    Run();
  }

  // The message loop's guard: shows the error's message in the error box and goes on.
  void HandleException(const std::exception& error);
  template <class F>
  void Guarded(F&& f) {
    try {
      f();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }

 private:
  Backend* backend_ = nullptr;
  DialogService* dialogs_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  std::string title_;
  bool terminated_ = false;
};

TApplication& Application();

}  // namespace tk
