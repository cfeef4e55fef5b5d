// The example's check, on the headless backend: chooses each language from the "Language" menu
// and compares every text of the window, and the place of every control with per-language
// positions, with what the window's stored description gives for that language.
#include <cstdio>
#include <string>
#include <vector>

#include "SignupForm.h"
#include "multilang/UnitState.h"
#include "toolkit/Application.h"
#include "toolkit/Properties.h"
#include "toolkit/StringList.h"
#include "toolkit/headless/HeadlessBackend.h"

extern const char kSignupForm[];

namespace {

int failures = 0;

void Expect(bool ok, const std::string& what) {
  if (ok) return;
  ++failures;
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& t : texts) out += "[" + t + "]";
  return out;
}

// The texts a component shows, in the order its block in the table gives them.
std::vector<std::string> Shown(const tk::TComponent& c) {
  const tk::TStrings* items = nullptr;
  if (c.Is<tk::TCustomListBox>()) items = &static_cast<const tk::TCustomListBox&>(c).Items();
  if (c.Is<tk::TCustomComboBox>()) items = &static_cast<const tk::TCustomComboBox&>(c).Items();
  if (items != nullptr) return {items->Items().begin(), items->Items().end()};
  if (c.Is<tk::TStatusBar>()) return {static_cast<const tk::TStatusBar&>(c).SimpleText()};
  return {tk::GetStrProp(c, "Caption")};
}

// Every block of the table (a component's entry and the item entries after it) against what
// the window shows in `language`.
void CheckTexts(const signup::TSignupForm& form, int language) {
  const tk::TStrings& words = form.MultiLang1->Words();
  const int step = form.MultiLang1->Languages() + 1;
  for (int i = 0; i < words.Count();) {
    const std::string& key = words[i];
    std::vector<std::string> expected;
    do {
      expected.push_back(words[i + 1 + language]);
      i += step;
    } while (i < words.Count() && words[i] == "\"");
    const tk::TComponent* c = key == "%Form%" ? &form : form.FindOwnedComponent(key);
    Expect(c != nullptr, "no component " + key);
    if (c == nullptr) continue;
    const std::vector<std::string> shown = Shown(*c);
    Expect(shown == expected, key + " in language " + std::to_string(language) + " shows " +
                                  Joined(shown) + ", the table gives " + Joined(expected));
  }
}

// Every control with a positions record stands where the record puts it for `language`.
void CheckPositions(const signup::TSignupForm& form, int language) {
  const tk::TStrings& records = form.MultiLang1->Positions();
  for (int r = 0; r < records.Count(); ++r) {
    const std::vector<std::string> fields = tk::SplitKeepEmpty(records[r], ',');
    const auto* control = tk::DynamicCast<tk::TControl>(form.FindOwnedComponent(fields[0]));
    Expect(control != nullptr, "no control " + fields[0]);
    if (control == nullptr) continue;
    const std::string place = std::to_string(control->Left()) + "." +
                              std::to_string(control->Top()) + "." +
                              std::to_string(control->Width()) + "." +
                              std::to_string(control->Height());
    Expect(place == fields[language + 1], fields[0] + " in language " + std::to_string(language) +
                                              " at " + place + ", recorded " +
                                              fields[language + 1]);
  }
}

}  // namespace

int main() {
  tk::HeadlessBackend backend("signup");
  tk::Application().SetBackend(&backend);
  backend.AddDescription("TSIGNUPFORM", kSignupForm);
  {
    const auto form = signup::CreateSignupForm();
    const int languages = form->MultiLang1->Languages();
    Expect(form->LanguageMenu->Count() == languages, "the menu does not list every language");
    for (int language = 0; language < languages && language < form->LanguageMenu->Count();
         ++language) {
      form->LanguageMenu->Items(language)->Click();
      Expect(form->MultiLang1->ActiveLanguage() == language,
             "choosing item " + std::to_string(language) + " did not switch to its language");
      for (int i = 0; i < form->LanguageMenu->Count(); ++i) {
        Expect(form->LanguageMenu->Items(i)->Checked() == (i == language),
               "item " + std::to_string(i) + " checked wrongly in language " +
                   std::to_string(language));
      }
      CheckTexts(*form, language);
      CheckPositions(*form, language);
    }
  }
  tk::Application().SetBackend(nullptr);
#ifdef _WIN32
  // A Windows program takes string libraries from the system with nothing set up.
  const ml::StringLibraryServices services = ml::DefaultLibraryServices();
  Expect(services.files != nullptr && services.libraries != nullptr,
         "no string-library services of the system");
#endif
  if (failures == 0) std::printf("signup_check: every language shows its texts\n");
  return failures == 0 ? 0 : 1;
}
