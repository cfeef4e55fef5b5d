// A window made from its stored description, as the tool works on it: on the application's
// current backend (the tool runs headless), with the toolkit's and the localization component's
// classes known. A window class the tool does not know loads as a stand-in of that name; the
// window's event handlers never run here.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "multilang/MLBase.h"
#include "toolkit/Form.h"

namespace mltool {

class LoadedWindow {
 public:
  // Raises the toolkit's read error (naming the line) for a description it cannot read.
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
  std::unique_ptr<tk::TForm> window_;
};

}  // namespace mltool
