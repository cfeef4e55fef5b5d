// The uninstaller's window on the headless backend and the fake platform: a temp directory with
// the settings file, and a complete installation of the product that tests can strip down.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/uninst1.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ComCtrls.h"

extern const char kUninst1Form[];

namespace apptest {

inline constexpr const char* kTemp = "C:\\Users\\tester\\Temp";
inline constexpr const char* kIni = "C:\\Users\\tester\\Temp\\vodere.ini";
inline constexpr const char* kInstall = "C:\\Trelvia";
inline constexpr const char* kPrograms = "C:\\Users\\tester\\Start Menu\\Programs";
inline constexpr const char* kExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

// The known folders of a typical machine, spelled as the system reports them (the temp directory
// with its separator); the user's temp directory is kTemp.
void SetKnownFolders(plat::FakeKnownFolders& folders);

// A peer that keeps every text its status bar showed.
class StatusLog : public tk::ControlPeer {
 public:
  StatusLog(tk::TStatusBar& bar, std::vector<std::string>& log) : bar_(bar), log_(log) {}
  void Changed(tk::Aspect aspect) override {
    if (aspect == tk::Aspect::Text) log_.push_back(bar_.SimpleText());
  }

 private:
  tk::TStatusBar& bar_;
  std::vector<std::string>& log_;
};

// The headless backend with a hook at every pump and a status log.
class AppBackend : public tk::HeadlessBackend {
 public:
  std::unique_ptr<tk::ControlPeer> CreatePeer(tk::TControl& control) override {
    if (auto* bar = tk::DynamicCast<tk::TStatusBar>(&control)) {
      return std::make_unique<StatusLog>(*bar, statusTexts);
    }
    return nullptr;
  }
  void ProcessMessages() override {
    tk::HeadlessBackend::ProcessMessages();
    if (onPump) onPump();
  }
  std::function<void()> onPump;
  std::vector<std::string> statusTexts;
};

// One window on the fakes: the application's backend for as long as it lives.
class AppWorld {
 public:
  AppWorld() {
    tk::Application().SetBackend(&backend);
    tk::Application().SetDialogs(nullptr);
    tk::Application().SetTitle("uninstzova");
    tk::Application().ResetTerminated();
    backend.AddDescription("TFORM1", kUninst1Form);
    fake.fs.AddDirectory(kTemp);
    fake.env.Set("TEMP", kTemp);
    SetKnownFolders(fake.folders);
  }
  ~AppWorld() {
    form.reset();
    tk::Application().SetMainForm(nullptr);
    tk::Application().SetBackend(nullptr);
  }
  AppWorld(const AppWorld&) = delete;
  AppWorld& operator=(const AppWorld&) = delete;

  // Loads the window, makes it the main window and shows it (which reads the settings file).
  app::TForm1& Open() { return Open(fake.Get()); }
  app::TForm1& Open(plat::Platform platform) {
    form = app::CreateForm1(platform);
    tk::Application().SetMainForm(form.get());
    form->Show();
    return *form;
  }
  void WriteSettings(const std::string& text) { fake.ini.SetFile(kIni, text); }
  void WriteSettingsFor(const std::string& dir) {
    WriteSettings("[TRElvia]\r\ndirectory=" + dir + "\r\n");
  }

  // A complete installation below `dir`: nested product directories, every directory of the
  // window's VLC list with a file, the Start-menu folder and the installer's temp files.
  void Install(const std::string& dir = kInstall, bool programsValue = true);
  // The directories of the window's VLC list, as its stored description holds them.
  static const std::vector<std::string>& VlcDirectories();

  std::vector<tk::DialogRequest> Warnings() {
    std::vector<tk::DialogRequest> out;
    for (const tk::DialogRequest& d : backend.Recorded().Shown()) {
      if (d.kind == tk::DialogKind::MessageBox) out.push_back(d);
    }
    return out;
  }

  AppBackend backend;
  plat::FakePlatform fake;
  std::unique_ptr<app::TForm1> form;
};

class AppTest : public ::testing::Test, public AppWorld {};

}  // namespace apptest
