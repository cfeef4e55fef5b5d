#include "tests/multilang/KindCaseTest.h"

#include "toolkit/Control.h"
#include "toolkit/Form.h"

using namespace kindcases;

TEST_P(KindCaseTest, WritesTheBlockIntoTheControl) {
  const KindCase& kc = GetParam();
  tk::TForm window(nullptr);
  window.SetName("Window");
  tk::TComponent* control = CreateKind(kc.kind, window);
  ASSERT_NE(control, nullptr) << kc.kind;
  control->SetName(ControlName(kc.kind));
  if (auto* c = tk::DynamicCast<tk::TControl>(control); c != nullptr && !c->Is<tk::TCustomForm>()) {
    c->SetParent(&window);
  }
  for (const Value& v : kc.before) Put(*control, v);
  const std::int32_t index = ApplyCase(kc, window, *control);
  ExpectAfter(kc, index, *control, &Read);
}
