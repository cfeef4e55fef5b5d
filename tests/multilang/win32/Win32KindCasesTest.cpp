// The kind cases on the Win32 backend: each case's control on a real, shown window, its block
// written by the localization component, and the texts read back from the native control. Kinds
// that the backend keeps as models without a native control are named so and read from the model.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/multilang/ItemKindCases.h"
#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/ListKindCases.h"
#include "tests/multilang/TextKindCases.h"
#include "tests/multilang/win32/ShownTexts.h"
#include "tests/toolkit/win32/Win32App.h"

using namespace kindcases;

namespace {

class Win32KindCaseTest : public Win32App, public ::testing::WithParamInterface<KindCase> {};

std::string Win32KindCaseName(const ::testing::TestParamInfo<KindCase>& info) {
  return info.param.name + (ShownNatively(info.param.kind.made) ? "" : "_ModelWithoutNativeControl");
}

TEST_P(Win32KindCaseTest, WritesTheBlockIntoTheShownControl) {
  const KindCase& kc = GetParam();
  std::unique_ptr<tk::TForm> window = NewForm(420, 300);
  window->SetName("Window");
  tk::TComponent* control = PlaceKind(kc.kind.made, *window);
  ASSERT_NE(control, nullptr) << kc.kind.made;
  for (const Value& v : kc.before) Put(*control, v);
  ShowWith(*window, *control);
  DrainMessages();

  const std::int32_t index = ApplyCase(kc, *window, *control);
  DrainMessages();
  ExpectAfter(kc, index, *control, &ReadShown);
}

INSTANTIATE_TEST_SUITE_P(ListKinds, Win32KindCaseTest, ::testing::ValuesIn(ListKindCases()),
                         Win32KindCaseName);
INSTANTIATE_TEST_SUITE_P(ItemKinds, Win32KindCaseTest, ::testing::ValuesIn(ItemKindCases()),
                         Win32KindCaseName);
INSTANTIATE_TEST_SUITE_P(TextKinds, Win32KindCaseTest, ::testing::ValuesIn(TextKindCases()),
                         Win32KindCaseName);

}  // namespace
