#include "tools/mltool/WindowDescription.h"

#include <vector>

#include "base/Ascii.h"
#include "multilang/MLang.h"
#include "toolkit/Description.h"
#include "toolkit/StandardClasses.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

LoadedWindow::LoadedWindow(std::string_view description) {
  tk::RegisterStandardClasses();
  ml::RegisterMultiLangClasses();
  window_ = tk::ReadForm(description);
}

LoadedWindow::~LoadedWindow() = default;

ml::TBaseMultiLang& LoadedWindow::Localizer(std::string_view name) const {
  std::vector<ml::TBaseMultiLang*> found;
  for (int i = 0; i < window_->OwnedCount(); ++i) {
    auto* localizer = tk::DynamicCast<ml::TBaseMultiLang>(window_->OwnedComponent(i));
    if (localizer == nullptr) continue;
    if (name.empty() || base::SameTextAscii(localizer->Name(), name)) found.push_back(localizer);
  }
  if (!name.empty() && found.empty()) {
    throw ToolError("the window has no localization component named " + std::string(name));
  }
  if (found.empty()) throw ToolError("the window has no localization component");
  if (found.size() > 1) {
    std::string names;
    for (const ml::TBaseMultiLang* localizer : found) {
      names += (names.empty() ? "" : ", ") + localizer->Name();
    }
    throw ToolError("the window has several localization components (" + names +
                    "); name one with --component");
  }
  return *found.front();
}

std::string LoadedWindow::Write() const {
  return tk::WriteComponent(*window_);
}

}  // namespace mltool
