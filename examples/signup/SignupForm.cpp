#include "SignupForm.h"

#include <string>

#include "toolkit/Description.h"
#include "toolkit/Errors.h"
#include "toolkit/Event.h"
#include "toolkit/StandardClasses.h"

namespace signup {

const tk::ClassInfo& TSignupForm::StaticClass() {
  static const tk::MethodInfo methods[] = {
      tk::Method<&TSignupForm::CloseButtonClick>("CloseButtonClick"),
      tk::Method<&TSignupForm::LanguageChanged>("LanguageChanged"),
  };
  static const tk::ClassInfo info{
      "TSignupForm", &tk::TForm::StaticClass(), {},
      [](tk::TComponent* owner) -> tk::TComponent* { return new TSignupForm(owner); }, methods};
  return info;
}

void TSignupForm::CloseButtonClick(tk::TObject*) { Close(); }

void TSignupForm::LanguageChanged(tk::TObject*, std::uint8_t language) {
  if (LanguageMenu == nullptr) return;  // the switch after loading comes before the menu
  for (int i = 0; i < LanguageMenu->Count(); ++i) LanguageMenu->Items(i)->SetChecked(i == language);
}

void TSignupForm::BuildLanguageMenu() {
  for (int i = 0; i < MultiLang1->Languages(); ++i) {
    auto* item = tk::NewComponent<tk::TMenuItem>(this, "Language" + std::to_string(i));
    // Until the table gives it a name, a language is its number.
    item->SetCaption(std::to_string(i + 1));
    const auto language = static_cast<std::uint8_t>(i);
    item->OnClick.Set([this, language](tk::TObject*) { MultiLang1->SwitchLanguage(language); });
    LanguageMenu->Add(item);
  }
  // The switch writes the new items' captions and checks the active language.
  MultiLang1->SwitchLanguage(MultiLang1->ActiveLanguage());
}

void RegisterClasses() {
  tk::RegisterStandardClasses();
  ml::RegisterMultiLangClasses();
  tk::RegisterClass(TSignupForm::StaticClass());
}

std::unique_ptr<TSignupForm> CreateSignupForm() {
  RegisterClasses();
  auto form = std::make_unique<TSignupForm>(nullptr);
  tk::LoadFormDescription(*form, "TSIGNUPFORM");
  form->LanguageMenu = tk::DynamicCast<tk::TMenuItem>(form->FindOwnedComponent("LanguageMenu"));
  form->MultiLang1 = tk::DynamicCast<ml::TMultiLang>(form->FindOwnedComponent("MultiLang1"));
  if (form->LanguageMenu == nullptr || form->MultiLang1 == nullptr) {
    throw tk::EReadError("The window has no LanguageMenu or no MultiLang1");
  }
  form->BuildLanguageMenu();
  return form;
}

}  // namespace signup
