// The string library that mltool's script makes of the uninstaller's Polish texts, compiled with
// the resource compiler, gives the uninstaller's window its Polish table through the system's
// resource functions, which the localization component uses without being told.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/uninst1.h"
#include "multilang/MLang.h"
#include "multilang/UnitState.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/HeadlessApp.h"
#include "tests/support/win32/BinaryDir.h"

extern const char kUninst1Form[];

namespace {

using testsupport::BinaryDir;

class PolishLibraryTest : public HeadlessApp {
 protected:
  PolishLibraryTest() { backend.AddDescription("TFORM1", kUninst1Form); }
  ~PolishLibraryTest() override {
    form.reset();
    ml::SetStringLibraryFile("");
  }

  plat::FakePlatform fake;
  std::unique_ptr<app::TForm1> form;
};

TEST_F(PolishLibraryTest, TheWindowTakesThePolishTableFromTheLibrary) {
  ml::SetStringLibraryFile(BinaryDir() + "uninst1-pl.dll");
  form = app::CreateForm1(fake.Get());
  EXPECT_EQ(form->MultiLang1->Words().Items(),
            (std::vector<std::string>{"%Form%", "Deinstaluj Morlen", "Label1", "Deinstaluj Morlen",
                                      "Label2", "Deinstaluj\r\n  Morlen-Katalog\r\n  ZOVA Planning",
                                      "Button1", "Start", "Button2",
                                      "Wyj\xC5\x9B"
                                      "cie",
                                      "Label3",
                                      "\xC5\x9A"
                                      "cie\xC5\xBCka AutuCAD",
                                      "StatusBar1", ""}));
  EXPECT_EQ(form->MultiLang1->Languages(), 1);
  EXPECT_EQ(form->MultiLang1->ActiveLanguage(), 0);
  EXPECT_EQ(form->Caption(), "Deinstaluj Morlen");
}

TEST_F(PolishLibraryTest, WithoutTheLibraryTheWindowKeepsItsThreeLanguages) {
  ml::SetStringLibraryFile(BinaryDir() + "uninst1-xx.dll");
  form = app::CreateForm1(fake.Get());
  EXPECT_EQ(form->MultiLang1->Languages(), 3);
  EXPECT_EQ(form->Caption(), "Trelvia\xC2\xAEplus Deinstaller");
}

}  // namespace
