#include "tools/mltool/WindowDescription.h"

#include <vector>

#include "app/uninst1.h"
#include "base/Ascii.h"
#include "toolkit/ClassInfo.h"
#include "toolkit/Description.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Window classes are made by hand: the stored description names them only as its root, and
// application windows want more than an owner. Any other root class must be a form class that
// can be made by name.
std::unique_ptr<tk::TForm> MakeWindow(std::string_view className, plat::Platform platform) {
  if (base::SameTextAscii(className, "TForm1")) {
    return std::make_unique<app::TForm1>(nullptr, platform);
  }
  if (base::SameTextAscii(className, "TForm")) return std::make_unique<tk::TForm>(nullptr);
  const tk::ClassInfo* info = tk::FindClass(className);
  if (info == nullptr || info->create == nullptr || !info->InheritsFrom(tk::TForm::StaticClass())) {
    throw ToolError("the window's class " + std::string(className) +
                    " is neither the uninstaller's TForm1 nor a form class of the toolkit");
  }
  return std::unique_ptr<tk::TForm>(static_cast<tk::TForm*>(info->create(nullptr)));
}

}  // namespace

std::string RootClassName(std::string_view description) {
  while (!description.empty()) {
    const std::size_t end = description.find('\n');
    const std::string_view line = Trim(description.substr(0, end));
    description = end == std::string_view::npos ? std::string_view() : description.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    if (line.substr(0, 7) != "object ") return {};
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? std::string()
                                           : std::string(Trim(line.substr(colon + 1)));
  }
  return {};
}

LoadedWindow::LoadedWindow(std::string_view description) {
  app::RegisterWindowClasses();
  const std::string className = RootClassName(description);
  // Without a root line the reader reports what is wrong.
  window_ = MakeWindow(className.empty() ? "TForm" : className, unused_.Get());
  tk::ReadComponent(description, *window_);
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
