// The uninstaller's only window: its controls, the settings file read on show, the running-program
// check and the uninstall procedure behind Start.
#pragma once

#include <memory>
#include <string>

#include "app/util/RetryPolicy.h"
#include "platform/Platform.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

namespace ml {
class TMultiLang;
}

namespace app {

class TForm1 : public tk::TForm {
  TK_CLASS()

 public:
  TForm1(tk::TComponent* owner, plat::Platform platform);

  // The window's controls, bound by name once the stored description is read.
  tk::TLabel* Label1 = nullptr;
  tk::TLabel* Label2 = nullptr;
  tk::TImage* Image2 = nullptr;
  tk::TLabel* Label3 = nullptr;
  tk::TButton* Button1 = nullptr;
  tk::TButton* Button2 = nullptr;
  tk::TStatusBar* StatusBar1 = nullptr;
  tk::TAnimate* Animate1 = nullptr;
  tk::TListBox* ListBox1 = nullptr;
  ml::TMultiLang* MultiLang1 = nullptr;

  // The product's installation directory as the settings file spells it; empty until the window
  // shows. Start judges it and works on its canonical form.
  std::string InstallDir;

  void FormShow(tk::TObject* sender);
  void Button1Click(tk::TObject* sender);
  void Button2Click(tk::TObject* sender);
  // Whether any top-level window's title contains `text` (ASCII letters without regard to case).
  bool IsProgramRunning(const std::string& text) const;

  void BindControls();

 private:
  // The uninstall procedure's stages.
  void ShowWarning();
  void Pump();
  void SetStatus(const std::string& text);
  bool Gone(const std::string& path);
  // `dir` is the installation directory as the guard resolved it.
  void RemoveProductDirectory(const std::string& dir, const std::string& sub,
                              const std::string& status, RetryPolicy& retry, bool& failed);
  void RemoveVlcDirectories(const std::string& dir, RetryPolicy& retry, bool& failed);
  void RemoveInstallDir(const std::string& dir, RetryPolicy& retry, bool& failed);
  void CleanStartMenu(RetryPolicy& retry);
  void CleanTempFiles(RetryPolicy& retry);

  plat::Platform platform_;
  bool running_ = false;
};

// Creates the window from its stored description "TFORM1".
std::unique_ptr<TForm1> CreateForm1(plat::Platform platform);

// Registers the classes that the window's stored description names.
void RegisterWindowClasses();

}  // namespace app
