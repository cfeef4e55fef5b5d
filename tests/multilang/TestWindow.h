// A window with a localization component whose ApplyEntry writes the entry's text into the
// component's "Caption" and applies its positions, as the control-kind dispatch will; modes make
// it misbehave the ways the walk has to survive.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "base/Errors.h"
#include "multilang/MLBase.h"
#include "tests/multilang/UninstallerTable.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

class TestMultiLang : public ml::TBaseMultiLang {
 public:
  enum class Mode { WriteCaption, StayPut, ThrowBeforeMoving, ThrowAfterMoving, MoveNegative };

  using TBaseMultiLang::TBaseMultiLang;

  void CollectEntry(tk::TComponent&, std::int32_t, tk::TStringGrid*) override {}

  Mode mode = Mode::WriteCaption;
  std::vector<std::string> applied;  // names handed to ApplyEntry, in order
  std::function<void(tk::TComponent&)> onApply;

 protected:
  void ApplyEntry(tk::TComponent& component, std::int32_t& index) override {
    applied.push_back(component.Name());
    if (onApply) onApply(component);
    ApplyPositions(component, index);
    switch (mode) {
      case Mode::WriteCaption:
        tk::SetStrProp(component, "Caption", SelectedText(index));
        index += Languages() + 1;
        break;
      case Mode::StayPut:
        break;
      case Mode::ThrowBeforeMoving:
        throw base::Exception("refused");
      case Mode::ThrowAfterMoving:
        index += 2 * (Languages() + 1);
        throw base::Exception("refused");
      case Mode::MoveNegative:
        index = -1;
        break;
    }
  }
};

// A window owning controls and the component (created last, as a description would).
class WindowTest : public HeadlessApp {
 protected:
  WindowTest() : form(nullptr) { form.SetName("Form1"); }

  template <class T = tk::TLabel>
  T* Add(const std::string& name, int left = 0, int top = 0, int width = 0, int height = 0) {
    T* c = tk::NewComponent<T>(&form, name);
    if constexpr (std::is_base_of_v<tk::TControl, T>) {
      c->SetParent(&form);
      c->SetBounds(left, top, width, height);
    }
    return c;
  }
  TestMultiLang& Lang(int languages, std::vector<std::string> words = {}) {
    ml_ = tk::NewComponent<TestMultiLang>(&form, "MultiLang1");
    ml_->SetLoading(true);  // no questions, no switch
    ml_->ChangeLanguageCount(static_cast<std::uint8_t>(languages));
    ml_->SetLoading(false);
    ml_->Words().Assign(std::move(words));
    return *ml_;
  }
  std::vector<std::string> Lines(const tk::TStrings& list) const { return list.Items(); }

  tk::TForm form;
  TestMultiLang* ml_ = nullptr;
};
