#include "toolkit/headless/HeadlessBackend.h"

#include "base/Ascii.h"
#include "toolkit/Form.h"

namespace tk {

int RecordingDialogs::Show(const DialogRequest& request) {
  shown_.push_back(request);
  if (!script_.empty()) {
    const int answer = script_.front();
    script_.pop_front();
    return answer;
  }
  return ClosedAnswer(request.buttons);
}

std::optional<std::string> HeadlessBackend::LoadDescription(std::string_view name) {
  for (const auto& [key, text] : descriptions_) {
    if (base::SameTextAscii(key, name)) return text;
  }
  return std::nullopt;
}

TSize HeadlessBackend::ShownSize(const TControl& control) {
  return TSize{control.Width(), control.Height()};
}

TRect HeadlessBackend::FrameInsets(int borderStyle) {
  // The frame of a classic Windows window at 96 pixels per inch.
  switch (borderStyle) {
    case bsNone:
      return TRect{0, 0, 0, 0};
    case bsSizeable:
    case bsSizeToolWin:
      return TRect{4, 23, 4, 4};
    default:
      return TRect{3, 22, 3, 3};
  }
}

}  // namespace tk
