// Collected rows applied again give every kind of component its own texts back on the Win32
// backend, read back from the real controls of a shown window. Kinds that the backend keeps as
// models without a native control are named so and read from the model.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/multilang/RoundTrip.h"
#include "tests/multilang/win32/ShownTexts.h"
#include "tests/toolkit/win32/Win32App.h"

using namespace roundtrip;

namespace {

class Win32RoundTripTest : public Win32App, public ::testing::WithParamInterface<RoundTripCase> {};

std::string CaseName(const ::testing::TestParamInfo<RoundTripCase>& info) {
  const bool shown = kindcases::ShownNatively(info.param.kind.made);
  return info.param.name + (shown ? "" : "_ModelWithoutNativeControl");
}

TEST_P(Win32RoundTripTest, CollectedRowsGiveTheShownComponentItsOwnTextsBack) {
  const RoundTripCase& c = GetParam();
  std::unique_ptr<tk::TForm> window = NewForm(420, 300);
  window->SetName("Window1");
  tk::TComponent& component = Build(c, *window);
  kindcases::ShowWith(*window, component);
  DrainMessages();
  ProbeMultiLang& ml = AddLocalizer(*window);

  const Texts words = CollectedTable(ml, component);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words[0], c.window ? "%Form%" : component.Name());
  EXPECT_EQ(ApplyTable(ml, component, words), static_cast<std::int32_t>(words.size()));
  DrainMessages();
  ExpectTexts(c, component, &kindcases::ReadShown);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Win32RoundTripTest, ::testing::ValuesIn(RoundTripCases()),
                         CaseName);

using Win32WholeWindowRoundTripTest = Win32App;

TEST_F(Win32WholeWindowRoundTripTest, EveryKindOnOneWindowSwitchesAwayAndBack) {
  std::unique_ptr<tk::TForm> window = NewForm(420, 300);
  window->SetName("Window1");
  const std::vector<Placed> placed = BuildEveryKind(*window);
  DrainMessages();
  ProbeMultiLang& ml = AddLocalizer(*window);
  ml.Words().Assign(CollectedWindowTable(ml, placed, &Marked));

  ml.SwitchLanguage(0);
  DrainMessages();
  ExpectEveryKind(placed, &kindcases::ReadShown, &Marked);
  ml.SwitchLanguage(kActive);
  DrainMessages();
  ExpectEveryKind(placed, &kindcases::ReadShown);
}

}  // namespace
