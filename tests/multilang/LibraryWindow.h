// A window of class TForm1 named Form1 with two labels, whose component is loaded the way a
// stored description loads it: three languages, a stored table, then the after-loading step
// that may take the table from a string library. The unit's settings are reset afterwards.
#pragma once

#include <string>
#include <vector>

#include "multilang/UnitState.h"
#include "tests/multilang/TestWindow.h"

class TForm1 : public tk::TForm {
  TK_CLASS()

 public:
  explicit TForm1(tk::TComponent* owner) : TForm(owner) {}
};

inline const tk::ClassInfo& TForm1::StaticClass() {
  static const tk::ClassInfo info{"TForm1", &tk::TForm::StaticClass(), {}};
  return info;
}

inline const std::vector<std::string> kStoredTable{"Label1", "Eins", "One", "Jeden",
                                                   "Label2", "Zwei", "Two", "Dwa"};

class LibraryWindowTest : public HeadlessApp {
 protected:
  LibraryWindowTest() : form(nullptr) {
    form.SetName("Form1");
    label1 = tk::NewComponent<tk::TLabel>(&form, "Label1");
    label2 = tk::NewComponent<tk::TLabel>(&form, "Label2");
  }
  ~LibraryWindowTest() override {
    ml::SetLibraryServices(ml::DefaultLibraryServices());
    ml::SetStringLibraryFile("");
    ml::SetStartLanguage(0);
  }

  TestMultiLang& Load(tk::TComponent& window, bool designing = false) {
    auto* ml = tk::NewComponent<TestMultiLang>(&window, "MultiLang1");
    ml->SetLoading(true);
    ml->SetDesigning(designing);
    ml->ChangeLanguageCount(3);
    ml->ChangeDefaultLanguage(2);
    ml->Words().Assign(kStoredTable);
    ml->AfterLanguageChanged.Set(
        [this](tk::TObject*, std::uint8_t language) { switches.push_back(language); });
    ml->AfterLoading();
    return *ml;
  }
  TestMultiLang& Load() { return Load(form); }

  TForm1 form;
  tk::TLabel *label1, *label2;
  std::vector<int> switches;  // the languages switched to, in order
};
