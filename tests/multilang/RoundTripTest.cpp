// Collected rows applied again give every kind of component its own texts back, on the headless
// backend.
#include <gtest/gtest.h>

#include "multilang/KindTable.h"
#include "tests/multilang/RoundTrip.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"

using namespace roundtrip;

namespace {

class RoundTripTest : public HeadlessApp, public ::testing::WithParamInterface<RoundTripCase> {};

std::string CaseName(const ::testing::TestParamInfo<RoundTripCase>& info) {
  return info.param.name;
}

TEST_P(RoundTripTest, CollectedRowsGiveTheComponentItsOwnTextsBack) {
  const RoundTripCase& c = GetParam();
  tk::TForm window(nullptr);
  window.SetName("Window1");
  tk::TComponent& component = Build(c, window);
  EXPECT_EQ(ml::FindKindRow(component.ClassType()).kind->name, c.kind.row);
  kindcases::ShowWith(window, component);
  ProbeMultiLang& ml = AddLocalizer(window);

  const Texts words = CollectedTable(ml, component);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words[0], c.window ? "%Form%" : component.Name());
  // Every row collected is an entry that the component takes back.
  EXPECT_EQ(ApplyTable(ml, component, words), static_cast<std::int32_t>(words.size()));
  ExpectTexts(c, component, &kindcases::Read);
}

using WholeWindowRoundTripTest = HeadlessApp;

// Through the language switch, which finds each component by its key: away to another language
// and back again.
TEST_F(WholeWindowRoundTripTest, EveryKindOnOneWindowSwitchesAwayAndBack) {
  tk::TForm window(nullptr);
  window.SetName("Window1");
  const std::vector<Placed> placed = BuildEveryKind(window);
  ProbeMultiLang& ml = AddLocalizer(window);
  ml.Words().Assign(CollectedWindowTable(ml, placed, &Marked));

  ml.SwitchLanguage(0);
  ExpectEveryKind(placed, &kindcases::Read, &Marked);
  ml.SwitchLanguage(kActive);
  ExpectEveryKind(placed, &kindcases::Read);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RoundTripTest, ::testing::ValuesIn(RoundTripCases()), CaseName);

}  // namespace
