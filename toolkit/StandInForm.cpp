#include "toolkit/StandInForm.h"

namespace tk {

const ClassInfo& TStandInForm::StaticClass() {
  static const ClassInfo info{"TStandInForm", &TForm::StaticClass(), {}};
  return info;
}

TStandInForm::TStandInForm(std::string_view className)
    : TForm(nullptr), className_(className), class_{className_, &StaticClass(), {}} {}

const MethodInfo& TStandInForm::Handler(std::string_view name) {
  for (const MethodInfo& handler : handlers_) {
    if (handler.name == name) return handler;
  }
  const std::string& kept = handlerNames_.emplace_back(name);
  return handlers_.emplace_back(MethodInfo{kept, nullptr, nullptr});
}

}  // namespace tk
