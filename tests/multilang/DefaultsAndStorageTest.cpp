#include <algorithm>
#include <map>

#include "multilang/MLang.h"
#include "tests/multilang/TestWindow.h"
#include "toolkit/Description.h"

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

// A window class whose method the component's event binds to by name.
class THandlerForm : public tk::TForm {
  TK_CLASS()
 public:
  using TForm::TForm;
  void MultiLang1Before(tk::TObject*, std::uint8_t, bool&) { ++beforeCalls; }
  int beforeCalls = 0;
};
const tk::ClassInfo& THandlerForm::StaticClass() {
  static const tk::MethodInfo methods[] = {
      tk::Method<&THandlerForm::MultiLang1Before>("MultiLang1Before")};
  static const tk::ClassInfo info{"THandlerForm", &tk::TForm::StaticClass(), {}, nullptr, methods};
  return info;
}

class DescriptionRoundTripTest : public DefaultsAndStorageTest {
 protected:
  DescriptionRoundTripTest() { RegisterMultiLangClasses(); }
  TMultiLang& Placed(tk::TForm& window) {
    auto* ml = tk::NewComponent<TMultiLang>(&window, "MultiLang1");
    ml->SetLoading(true);
    ml->ChangeLanguageCount(3);
    ml->SetLoading(false);
    ml->Words().Assign(UninstallerTable());
    return *ml;
  }
  static std::size_t At(const std::string& text, const char* what) {
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at;
  }
};

TEST_F(DescriptionRoundTripTest, StoredPropertiesReadBackAndLoadedWindowSwitches) {
  THandlerForm source(nullptr);
  source.SetName("Form1");
  TMultiLang& ml = Placed(source);
  ml.ChangeDefaultLanguage(1);
  ml.ChangeDefaultEnabled(true);
  ml.SwitchLanguage(2);
  ml.SetTranslateEdits(teNever);
  ml.ChangeSwitchPositions(spFormAndControls);
  ml.SwitchLanguage(2);
  ml.DoNot().Add("Label9");
  ml.BeforeLanguageChange.Bind(source, *THandlerForm::StaticClass().FindMethod("MultiLang1Before"));
  const std::string text = tk::WriteComponent(source);
  EXPECT_LT(At(text, "BeforeLanguageChange"), At(text, "DefaultLanguage = 1"));
  EXPECT_LT(At(text, "DefaultEnabled = True"), At(text, "Languages = 3"));
  EXPECT_LT(At(text, "ActiveLanguage = 2"), At(text, "Words = ("));
  EXPECT_LT(At(text, "DoNot = ("), At(text, "SwitchPositions = spFormAndControls"));
  EXPECT_LT(At(text, "TranslateEdits = teNever"), At(text, "Positions = ("));
  EXPECT_LT(At(text, "Positions = ("), At(text, "CharSets = ("));
  EXPECT_EQ(text.find("About"), std::string::npos);
  dialogs().Clear();

  THandlerForm copy(nullptr);
  tk::ReadComponent(text, copy);
  auto* loaded = tk::DynamicCast<TMultiLang>(copy.FindOwnedComponent("MultiLang1"));
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(dialogs().Shown().empty());
  EXPECT_EQ(loaded->ActiveLanguage(), 0);  // the after-loading switch to the start language
  EXPECT_EQ(copy.Caption(), "Trelvia\xC2\xAEplus Deinstaller");
  EXPECT_GE(copy.beforeCalls, 1);
  EXPECT_EQ(loaded->DefaultLanguage(), 1);
  EXPECT_TRUE(loaded->DefaultEnabled());
  EXPECT_EQ(loaded->Languages(), 3);
  EXPECT_EQ(loaded->TranslateEdits(), teNever);
  EXPECT_EQ(loaded->SwitchPositions(), spFormAndControls);
  EXPECT_EQ(Lines(loaded->Words()), UninstallerTable());
  EXPECT_EQ(Lines(loaded->DoNot()), Lines(ml.DoNot()));
  EXPECT_EQ(Lines(loaded->CharSets()), Lines(ml.CharSets()));
  EXPECT_EQ(loaded->BeforeLanguageChange.MethodName(), "MultiLang1Before");
}

// DefaultLanguage is read while the component still has its initial two languages.
TEST_F(DescriptionRoundTripTest, StoredDefaultLanguageIsCheckedBeforeLanguagesArrive) {
  tk::TForm source(nullptr);
  source.SetName("Form1");
  TMultiLang& ml = Placed(source);
  ml.ChangeDefaultLanguage(2);
  const std::string text = tk::WriteComponent(source);
  dialogs().Clear();
  tk::TForm copy(nullptr);
  tk::ReadComponent(text, copy);
  auto* loaded = tk::DynamicCast<TMultiLang>(copy.FindOwnedComponent("MultiLang1"));
  ASSERT_EQ(dialogs().Shown().size(), 1u);
  EXPECT_EQ(dialogs().Shown()[0].text,
            "Value must not be higher than\rnumber of available languages.");
  EXPECT_EQ(loaded->DefaultLanguage(), 0);
  EXPECT_EQ(loaded->Languages(), 3);
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

TEST_F(DefaultsAndStorageTest, PlacedClassIsCreatedByNameAndWritesControls) {
  RegisterMultiLangClasses();
  const tk::ClassInfo* info = tk::FindClass("TMultiLang");
  ASSERT_NE(info, nullptr);
  ASSERT_NE(info->create, nullptr);
  Add("Label1")->SetCaption("German");
  auto* ml = static_cast<TBaseMultiLang*>(info->create(&form));
  EXPECT_TRUE(ml->InheritsFrom(TBaseMultiLang::StaticClass()));
  ml->Words().Assign(
      std::vector<std::string>{"Label1", "eins", "one", "%Form%", "Fenster", "Window"});
  ml->SwitchLanguage(1);
  EXPECT_EQ(form.Caption(), "Window");
  EXPECT_EQ(tk::GetStrProp(*form.FindOwnedComponent("Label1"), "Caption"), "one");
}

}  // namespace
