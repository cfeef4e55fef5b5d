#include "tests/multilang/KindCaseTest.h"

#include "multilang/KindTable.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

using namespace kindcases;

TEST_P(KindCaseTest, WritesTheBlockIntoTheControl) {
  const KindCase& kc = GetParam();
  tk::TForm window(nullptr);
  window.SetName("Window");
  tk::TComponent* control = CreateKind(kc.kind.made, window);
  ASSERT_NE(control, nullptr) << kc.kind.made;
  EXPECT_EQ(ml::FindKindRow(control->ClassType()).kind->name, kc.kind.row);
  control->SetName(ControlName(kc.kind.made));
  if (auto* c = tk::DynamicCast<tk::TControl>(control); c != nullptr && !c->Is<tk::TCustomForm>()) {
    c->SetParent(&window);
  }
  for (const Value& v : kc.before) Put(*control, v);
  const std::int32_t index = ApplyCase(kc, window, *control);
  ExpectAfter(kc, index, *control, &Read);
}
