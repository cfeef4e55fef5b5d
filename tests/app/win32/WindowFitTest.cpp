// The uninstaller's window as the program shows it, from its own resources on the Win32 backend:
// every text of every language fits its control, at each resolution the check runs at.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <string>
#include <tuple>

#include "app/uninst1.h"
#include "multilang/MLang.h"
#include "platform/fake/FakePlatform.h"
#include "tools/textfit/TextFit.h"
#include "tests/toolkit/win32/Win32App.h"

namespace {

using textfit::TextFit;

// The controls that show a text from the window's table in every language.
const char* const kTextControls[] = {"Label1", "Label2", "Label3", "Button1", "Button2"};

class WindowFitTest : public Win32App {
 protected:
  WindowFitTest() {
    // No settings file: the window opens in German and the check switches from there.
    fake.fs.AddDirectory("C:\\Temp");
    fake.env.Set("TEMP", "C:\\Temp");
  }
  plat::FakePlatform fake;
};

TEST_F(WindowFitTest, EveryTextFitsInEveryLanguage) {
  const std::unique_ptr<app::TForm1> form = app::CreateForm1(fake.Get());
  form->Show();
  const std::vector<TextFit> measured =
      textfit::MeasureTexts(*form, *form->MultiLang1, textfit::kCheckedDpis);

  std::set<std::tuple<std::string, int, int>> seen;
  for (const TextFit& fit : measured) {
    seen.emplace(fit.control, fit.language, fit.dpi);
    std::cout << fit << "\n";  // the widths, for the record
  }
  for (const int dpi : textfit::kCheckedDpis) {
    for (int language = 0; language < form->MultiLang1->Languages(); ++language) {
      for (const char* name : kTextControls) {
        EXPECT_TRUE(seen.count({name, language, dpi}))
            << name << " was not measured in language " << language << " at " << dpi << " dpi";
      }
    }
  }
  EXPECT_EQ(form->MultiLang1->Languages(), 3);
  const std::vector<TextFit> cut = textfit::CutTexts(measured);
  EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

}  // namespace
