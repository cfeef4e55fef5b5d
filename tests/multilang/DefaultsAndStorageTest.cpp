#include <algorithm>
#include <map>

#include "multilang/MLang.h"
#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

using DefaultsAndStorageTest = WindowTest;

std::vector<std::string> OwnProperties(const tk::TObject& o) {
  std::vector<std::string> names;
  o.ClassType().ForEachProperty([&](const tk::PropInfo& p) { names.emplace_back(p.name); });
  names.erase(names.begin());  // the component's Name
  return names;
}

std::vector<std::string> StoredProperties(const tk::TObject& o) {
  std::vector<std::string> names;
  o.ClassType().ForEachProperty([&](const tk::PropInfo& p) {
    if (p.name != "Name" && tk::IsPropertyStored(o, p)) names.emplace_back(p.name);
  });
  return names;
}

void SetList(tk::TObject& o, std::string_view name, const tk::TStrings& source) {
  tk::FindProperty(o, name, tk::PropKind::Object)->setObject(o, const_cast<tk::TStrings*>(&source));
}

TEST_F(DefaultsAndStorageTest, NewComponentStartsWithInitialValues) {
  TestMultiLang ml(nullptr);
  EXPECT_EQ(ml.Languages(), 2);
  EXPECT_EQ(ml.ActiveLanguage(), 0);
  EXPECT_EQ(ml.DefaultLanguage(), 0);
  EXPECT_FALSE(ml.DefaultEnabled());
  EXPECT_EQ(ml.TranslateEdits(), teReadOnly);
  EXPECT_EQ(ml.SwitchPositions(), spNone);
  for (const tk::TStrings* list : {&ml.Words(), &ml.DoNot(), &ml.Positions(), &ml.CharSets()}) {
    EXPECT_EQ(list->Count(), 0);
  }
  EXPECT_EQ(tk::GetStrProp(ml, "About"), "3.80");
  EXPECT_EQ(tk::GetOrdProp(ml, "TranslateEdits"), 1);
}

TEST_F(DefaultsAndStorageTest, AboutIgnoresWrites) {
  TestMultiLang ml(nullptr);
  tk::SetStrProp(ml, "About", "9.99");
  EXPECT_EQ(ml.About(), "3.80");
}

TEST_F(DefaultsAndStorageTest, PropertiesAreDeclaredInStorageOrder) {
  TestMultiLang ml(nullptr);
  const std::vector<std::string> expected{"About",
                                          "BeforeLanguageChange",
                                          "AfterLanguageChanged",
                                          "IdNotFoundError",
                                          "DefaultLanguage",
                                          "DefaultEnabled",
                                          "Languages",
                                          "ActiveLanguage",
                                          "Words",
                                          "DoNot",
                                          "SwitchPositions",
                                          "TranslateEdits",
                                          "Positions",
                                          "CharSets"};
  EXPECT_EQ(OwnProperties(ml), expected);
}

TEST_F(DefaultsAndStorageTest, EnumerationsNameTheirValuesInOrder) {
  TestMultiLang ml(nullptr);
  const tk::PropInfo* sp = tk::FindProperty(ml, "SwitchPositions", tk::PropKind::Ordinal);
  const tk::PropInfo* te = tk::FindProperty(ml, "TranslateEdits", tk::PropKind::Ordinal);
  ASSERT_NE(sp, nullptr);
  ASSERT_NE(te, nullptr);
  EXPECT_EQ(std::vector<std::string_view>(sp->valueNames.begin(), sp->valueNames.end()),
            (std::vector<std::string_view>{"spNone", "spControlsOnly", "spFormAndControls"}));
  EXPECT_EQ(std::vector<std::string_view>(te->valueNames.begin(), te->valueNames.end()),
            (std::vector<std::string_view>{"teNever", "teReadOnly", "teAlways"}));
}

TEST_F(DefaultsAndStorageTest, NewComponentStoresOnlyLanguages) {
  TestMultiLang ml(nullptr);
  EXPECT_EQ(StoredProperties(ml), std::vector<std::string>{"Languages"});
}

TEST_F(DefaultsAndStorageTest, ChangedValuesAreStored) {
  TestMultiLang& ml = Lang(3, {"Label1", "a", "b", "c"});
  ml.ChangeDefaultLanguage(1);
  ml.ChangeDefaultEnabled(true);
  ml.SwitchLanguage(2);
  ml.SetTranslateEdits(teAlways);
  ml.ChangeSwitchPositions(spControlsOnly);
  ml.DoNot().Add("x");
  ml.CharSets().Add("Arial,0");
  struct Handlers : tk::TComponent {
    using TComponent::TComponent;
    void Before(tk::TObject*, std::uint8_t, bool&) {}
  } root(nullptr);
  ml.BeforeLanguageChange.Bind(root, tk::Method<&Handlers::Before>("MultiLang1Before"));
  ml.AfterLanguageChanged.Set([](tk::TObject*, std::uint8_t) {});  // unnamed: not storable
  const std::vector<std::string> expected{
      "BeforeLanguageChange", "DefaultLanguage", "DefaultEnabled", "Languages",
      "ActiveLanguage",       "Words",           "DoNot",          "SwitchPositions",
      "TranslateEdits",       "CharSets"};
  EXPECT_EQ(StoredProperties(ml), expected);
}

// Reading a description back sets the stored values in declaration order while loading.
TEST_F(DefaultsAndStorageTest, StoredValuesReadBackInOrderGiveTheSameComponent) {
  TestMultiLang& source = Lang(3, UninstallerTable());
  source.ChangeDefaultEnabled(true);
  source.ChangeSwitchPositions(spFormAndControls);
  source.CharSets().Assign(std::vector<std::string>(3, "MS Sans Serif,1"));
  dialogs().Clear();

  TestMultiLang copy(nullptr);
  copy.SetLoading(true);
  source.ClassType().ForEachProperty([&](const tk::PropInfo& p) {
    if (!tk::IsPropertyStored(source, p)) return;
    if (p.kind == tk::PropKind::Ordinal) p.setOrdinal(copy, p.getOrdinal(source));
    if (p.kind == tk::PropKind::Object) p.setObject(copy, p.getObject(source));
  });
  copy.AfterLoading();
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(copy.Languages(), 3);
  EXPECT_TRUE(copy.DefaultEnabled());
  EXPECT_EQ(copy.SwitchPositions(), spFormAndControls);
  EXPECT_EQ(Lines(copy.Words()), UninstallerTable());
  EXPECT_EQ(Lines(copy.CharSets()), Lines(source.CharSets()));
  EXPECT_EQ(StoredProperties(copy), StoredProperties(source));
}

TEST_F(DefaultsAndStorageTest, ListsAreAssignedByItemCopy) {
  TestMultiLang ml(nullptr);
  tk::TStringList source;
  source.Assign(std::vector<std::string>{"a", "b"});
  for (std::string_view name : {"Words", "DoNot", "Positions", "CharSets"}) {
    tk::TObject* before = tk::GetObjectProp(ml, name);
    SetList(ml, name, source);
    EXPECT_EQ(tk::GetObjectProp(ml, name), before) << name;
    EXPECT_EQ(static_cast<tk::TStrings*>(before)->Items(), source.Items()) << name;
  }
  source.Add("c");
  EXPECT_EQ(ml.DoNot().Count(), 2);
}

TEST_F(DefaultsAndStorageTest, RegistryHoldsLiveComponentsInCreationOrder) {
  const std::vector<TBaseMultiLang*> before = LiveComponents();
  auto* a = new TestMultiLang(nullptr);
  auto* b = new TestMultiLang(nullptr);
  auto* c = new TestMultiLang(nullptr);
  std::vector<TBaseMultiLang*> expected = before;
  expected.insert(expected.end(), {a, b, c});
  EXPECT_EQ(LiveComponents(), expected);
  delete b;
  expected.erase(expected.end() - 2);
  EXPECT_EQ(LiveComponents(), expected);
  delete a;
  delete c;
  EXPECT_EQ(LiveComponents(), before);
}

TEST_F(DefaultsAndStorageTest, PlacedClassIsCreatedByNameAndStepsOverControls) {
  RegisterMultiLangClasses();
  const tk::ClassInfo* info = tk::FindClass("TMultiLang");
  ASSERT_NE(info, nullptr);
  ASSERT_NE(info->create, nullptr);
  Add("Label1")->SetCaption("unchanged");
  auto* ml = static_cast<TBaseMultiLang*>(info->create(&form));
  EXPECT_TRUE(ml->InheritsFrom(TBaseMultiLang::StaticClass()));
  ml->Words().Assign(
      std::vector<std::string>{"Label1", "eins", "one", "%Form%", "Fenster", "Window"});
  ml->SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "Window");
  EXPECT_EQ(tk::GetStrProp(*form.FindOwnedComponent("Label1"), "Caption"), "unchanged");
}

}  // namespace
