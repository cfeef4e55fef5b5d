#include "tests/multilang/KindCaseRunner.h"

#include "tests/multilang/ProbeMultiLang.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"

namespace kindcases {

using namespace tk;

// Windows are not created by name, so a window is built directly.
TComponent* CreateKind(const std::string& kind, TComponent& owner) {
  if (kind == "TForm") return new TForm(&owner);
  const ClassInfo* info = FindClass(kind);
  return (info != nullptr && info->create != nullptr) ? info->create(&owner) : nullptr;
}

TComponent* PlaceKind(const std::string& kind, TForm& window) {
  TComponent* component = CreateKind(kind, window);
  if (component == nullptr) return nullptr;
  component->SetName(ControlName(kind));
  if (auto* form = DynamicCast<TCustomForm>(component)) {
    form->SetBounds(window.Left() + window.Width() + 20, window.Top(), 300, 200);
  } else if (auto* control = DynamicCast<TControl>(component)) {
    control->SetParent(&window);
    // Room above for a labeled edit's label.
    control->SetBounds(20, 40, 320, 160);
  } else if (auto* item = DynamicCast<TMenuItem>(component)) {
    NewComponent<TMainMenu>(&window, "MainMenu1")->Items()->Add(item);
  }
  return component;
}

void ShowWith(TForm& window, TComponent& component) {
  window.Show();
  if (auto* form = DynamicCast<TCustomForm>(&component); form != nullptr && form != &window) {
    form->Show();
  }
}

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

std::string Show(const Value& v) {
  if (IsOrdinal(v.facet)) return std::to_string(v.number);
  std::string out = "{";
  for (std::size_t i = 0; i < v.texts.size(); ++i) {
    out += (i > 0 ? ", \"" : "\"") + v.texts[i] + "\"";
  }
  return out + "}";
}

void PrintTo(const KindCase& c, std::ostream* os) {
  *os << c.name;
}

}  // namespace kindcases

std::string KindCaseName(const ::testing::TestParamInfo<kindcases::KindCase>& info) {
  return info.param.name;
}
