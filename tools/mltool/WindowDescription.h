// A window made from its stored description, as the tool works on it: on the application's
// current backend (the tool runs headless), with the toolkit's, the localization component's and
// the uninstaller's classes known. The window's event handlers never run here.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "multilang/MLBase.h"
#include "platform/fake/FakePlatform.h"
#include "toolkit/Form.h"

namespace mltool {

class LoadedWindow {
 public:
  // Raises ToolError when the root class is none the tool can make, and the toolkit's read error
  // (naming the line) for a description it cannot read.
  explicit LoadedWindow(std::string_view description);
  ~LoadedWindow();
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  tk::TForm& Window() const { return *window_; }

  // The window's localization component named `name`, or its only one when `name` is empty.
  // Raises ToolError when there is none, or several and no name.
  ml::TBaseMultiLang& Localizer(std::string_view name = {}) const;

  // The description in the toolkit's canonical form.
  std::string Write() const;

 private:
  // The uninstaller's window class wants platform services for its handlers, which never run
  // here: it gets empty in-memory ones.
  plat::FakePlatform unused_;
  std::unique_ptr<tk::TForm> window_;
};

// The class that the description's root object names; empty when there is no root object line.
std::string RootClassName(std::string_view description);

}  // namespace mltool
