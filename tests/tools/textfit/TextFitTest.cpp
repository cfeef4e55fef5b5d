// The truncation check on a window whose second language is too long for each of its controls:
// it names every one of them, in that language only, and nothing hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "multilang/MLang.h"
#include "tests/toolkit/win32/Win32App.h"
#include "toolkit/Description.h"
#include "tools/textfit/TextFit.h"

namespace {

using textfit::TextFit;

// A control of each kind with its two texts: the first fits, the second does not.
struct FitRow {
  const char* name;
  const char* object;  // its class and properties in a stored description
  const char* fits;
  const char* cut;
};

const FitRow kRows[] = {
    {"Label1", "TLabel\nWidth = 100\nHeight = 13", "Fits", "A label text far too long for it"},
    {"Label2", "TLabel\nWidth = 100\nHeight = 13", "One line", "Line one\r\nLine two"},
    {"Button1", "TButton\nWidth = 75\nHeight = 25", "Start", "Deinstallation starten"},
    {"CheckBox1", "TCheckBox\nWidth = 120\nHeight = 17", "Check", "A check box caption too long"},
    {"GroupBox1", "TGroupBox\nWidth = 120\nHeight = 24", "Group", "A group box caption too long"},
    {"Edit1", "TEdit\nWidth = 80\nHeight = 21", "Edit", "An edit text too long to show"},
    {"StatusBar1", "TStatusBar\nWidth = 150\nHeight = 19\nSimplePanel = True", "Ready",
     "A status text much longer than its bar is wide"},
};

// A list, a drop-down list and a radio group whose second item never fits, in either language, and
// a label that is never shown.
constexpr const char* kUntranslated = R"(
object ComboBox1: TComboBox
Left = 200
Top = 80
Width = 100
Height = 21
Style = csDropDownList
Items = (
"Short"
"A combo item far too long for its box"
)
ItemIndex = 1
end
object RadioGroup1: TRadioGroup
Left = 200
Top = 110
Width = 100
Height = 60
Caption = "Radio"
Items = (
"Short"
"A radio item far too long for its group"
)
end
object ListBox1: TListBox
Left = 200
Top = 8
Width = 100
Height = 40
Items = (
"Short"
"An item far longer than the list is wide"
)
end
object Hidden1: TLabel
Left = 200
Top = 60
Width = 20
Height = 13
Visible = False
Caption = "A hidden label text that is far too long"
end
)";

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
  }
  return out + "\"";
}

std::string Description() {
  std::string text =
      "object FitForm: TFitForm\nBorderStyle = bsSingle\nCaption = \"Fit\"\nClientHeight = 260\n"
      "ClientWidth = 400\nColor = 16777215\nFont.Height = -11\nFont.Name = \"MS Sans Serif\"\n";
  std::string words;
  int top = 8;
  for (const FitRow& row : kRows) {
    text += std::string("object ") + row.name + ": " + row.object +
            "\nLeft = 8\nTop = " + std::to_string(top) + "\nend\n";
    top += 30;
    words += Quoted(row.name) + "\n" + Quoted(row.fits) + "\n" + Quoted(row.cut) + "\n";
  }
  text += kUntranslated;
  text += "object MultiLang1: TMultiLang\nLanguages = 2\nTranslateEdits = teAlways\nWords = (\n" +
          words + ")\nend\nend\n";
  return text;
}

using Key = std::tuple<std::string, std::string, int>;  // control, item, language

// What was measured at `dpi`.
std::set<Key> Keys(const std::vector<TextFit>& fits, int dpi) {
  std::set<Key> keys;
  for (const TextFit& fit : fits) {
    if (fit.dpi == dpi) keys.emplace(fit.control, fit.item, fit.language);
  }
  return keys;
}

class TextFitTest : public Win32App {
 protected:
  TextFitTest() {
    ml::RegisterMultiLangClasses();
    form = tk::ReadForm(Description());
    form->Show();
    localizer = tk::DynamicCast<ml::TMultiLang>(form->FindOwnedComponent("MultiLang1"));
  }
  std::vector<TextFit> Measure() {
    return textfit::MeasureTexts(*form, *localizer, textfit::kCheckedDpis);
  }

  std::unique_ptr<tk::TForm> form;
  ml::TMultiLang* localizer = nullptr;
};

TEST_F(TextFitTest, NamesEveryControlALongerTranslationCuts) {
  const std::vector<TextFit> measured = Measure();
  const std::vector<TextFit> cut = textfit::CutTexts(measured);

  std::set<Key> expected;
  for (const int language : {0, 1}) {
    expected.insert({{"ListBox1", "item 1", language},
                     {"ComboBox1", "", language},  // the selection field shows item 1
                     {"ComboBox1", "item 1", language},
                     {"RadioGroup1", "", language}});
  }
  for (const FitRow& row : kRows) {
    expected.emplace(row.name, "", 1);
    EXPECT_TRUE(Keys(measured, 96).count({row.name, "", 0})) << row.name << " was not measured";
  }
  EXPECT_EQ(Keys(cut, 96), expected) << ::testing::PrintToString(cut);
  for (const TextFit& fit : measured) EXPECT_NE(fit.control, "Hidden1");
  // A report names each text on one line.
  for (const TextFit& fit : cut) {
    if (fit.control == "Label2") {
      EXPECT_NE(::testing::PrintToString(fit).find("\"Line one\\r\\nLine two\""), std::string::npos)
          << fit;
    }
  }
  EXPECT_EQ(localizer->ActiveLanguage(), 0) << "the window is left in the language it had";
}

TEST_F(TextFitTest, MeasuresInTheRoomOfEachResolution) {
  std::set<int> dpis;
  for (const TextFit& fit : Measure()) {
    // Label1 is 100 pixels wide at 96 dpi.
    if (fit.control == "Label1") {
      EXPECT_EQ(fit.width, MulDiv(100, fit.dpi, 96)) << fit;
    }
    dpis.insert(fit.dpi);
  }
  EXPECT_EQ(dpis, std::set<int>(textfit::kCheckedDpis.begin(), textfit::kCheckedDpis.end()));
  // And back at the resolution it was shown at (96 dpi in the tests' prefix).
  RECT client{};
  GetClientRect(Hwnd(*tk::DynamicCast<tk::TControl>(form->FindOwnedComponent("Label1"))), &client);
  EXPECT_EQ(client.right, 100);
}

}  // namespace
