#include "tests/multilang/KindCaseRunner.h"

#include "tests/multilang/ProbeMultiLang.h"
#include "toolkit/Component.h"

namespace kindcases {

using namespace tk;

std::int32_t ApplyCase(const KindCase& c, TComponent& window, TComponent& control) {
  auto* ml = NewComponent<ProbeMultiLang>(&window, "MultiLang1");
  ml->SetLoading(true);
  ml->ChangeLanguageCount(static_cast<std::uint8_t>(c.table.languages));
  ml->SetLoading(false);
  ml->SetTranslateEdits(c.table.translateEdits);
  // With the table still empty, these switches write nothing.
  ml->SwitchLanguage(static_cast<std::uint8_t>(c.table.active));
  ml->ChangeDefaultLanguage(static_cast<std::uint8_t>(c.table.defaultLanguage));
  ml->ChangeDefaultEnabled(c.table.defaultEnabled);
  EXPECT_EQ(ml->ActiveLanguage(), c.table.active);
  ml->Words().Assign(c.table.words);

  std::int32_t index = c.table.start;
  ml->ApplyEntry(control, index);
  return index;
}

void ExpectAfter(const KindCase& c, std::int32_t index, const TComponent& control,
                 const Reader& read) {
  EXPECT_EQ(index, c.index);
  for (const Value& expected : c.after) {
    const Value actual = read(control, expected);
    EXPECT_TRUE(actual.texts == expected.texts && actual.number == expected.number)
        << FacetName(expected.facet) << ": expected " << Show(expected) << ", got " << Show(actual);
  }
}

void PrintTo(const KindCase& c, std::ostream* os) {
  *os << c.name;
}

}  // namespace kindcases

std::string KindCaseName(const ::testing::TestParamInfo<kindcases::KindCase>& info) {
  return info.param.name;
}
