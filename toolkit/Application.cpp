#include "toolkit/Application.h"

#include "base/Errors.h"
#include "toolkit/Form.h"

namespace tk {

TApplication& Application() {
  static TApplication app;
  return app;
}

Backend& TApplication::GetBackend() const {
  if (backend_ == nullptr) throw base::Exception("No window system backend is installed");
  return *backend_;
}

void TApplication::SetBackend(Backend* backend) {
  backend_ = backend;
  if (backend_ != nullptr && title_.empty()) title_ = backend_->DefaultTitle();
}

DialogService& TApplication::Dialogs() const {
  return dialogs_ != nullptr ? *dialogs_ : GetBackend().Dialogs();
}

void TApplication::ProcessMessages() { GetBackend().ProcessMessages(); }

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_ != nullptr) {
    Guarded([&] { mainForm_->Show(); });
  }
  if (!terminated_) GetBackend().Run();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (backend_ != nullptr) backend_->Terminate();
}

void TApplication::HandleException(const std::exception& error) {
  DialogRequest request{DialogKind::ErrorBox, TMsgDlgType::mtError, mbOK, title_,
                        ErrorBoxText(error.what())};
  Dialogs().Show(request);
}

}  // namespace tk
