// The example's window: a newsletter sign-up form whose texts come in German, English and Polish
// from its localization component, with a "Language" menu that lists the component's languages.
// It runs on any backend of the toolkit: the Win32 one in the program, the headless one in its
// check.
#pragma once

#include <cstdint>
#include <memory>

#include "multilang/MLang.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

namespace signup {

class TSignupForm : public tk::TForm {
  TK_CLASS()

 public:
  explicit TSignupForm(tk::TComponent* owner) : tk::TForm(owner) {}

  tk::TMenuItem* LanguageMenu = nullptr;
  ml::TMultiLang* MultiLang1 = nullptr;

  void CloseButtonClick(tk::TObject* sender);
  // The component's AfterLanguageChanged: the chosen language's item carries the check mark.
  void LanguageChanged(tk::TObject* sender, std::uint8_t language);

  // One item a language under "Language", named Language<n> so that the table's entries of that
  // name give their captions; choosing one switches to its language.
  void BuildLanguageMenu();
};

// Makes the toolkit's, the component's and the window's classes known to stored descriptions.
void RegisterClasses();

// The window, read from the description the backend stores as "TSIGNUPFORM", with its language
// menu built and the start language shown.
std::unique_ptr<TSignupForm> CreateSignupForm();

}  // namespace signup
