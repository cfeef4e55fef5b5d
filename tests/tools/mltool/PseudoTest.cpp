// Pseudo-texts by their properties: each line bracketed and more than 40 % longer, its letters
// accented except in placeholders and accelerators, the lines and their breaks kept.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/Utf8.h"
#include "tests/tools/mltool/ToolFixture.h"
#include "tools/mltool/Pseudo.h"
#include "tools/mltool/WindowDescription.h"

namespace {

using mltool::PseudoText;

std::vector<std::u32string> Lines(const std::string& text) {
  std::vector<std::u32string> lines{U""};
  for (const char32_t c : base::DecodeUtf8(text)) {
    if (c == U'\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

struct PseudoCase {
  const char* text;
  std::vector<std::string> kept;  // placeholders and accelerators found unchanged
};

const PseudoCase kCases[] = {
    {"Start", {}},
    {"Deinstallieren\r\n     Vuvavoredir Men\xC3\xBC 6.1\r\n     Vuvavoredir Planungsprogramm 6.1",
     {"\r\n     [", "\xC3\xBC 6.1"}},
    {"&Start && Ende", {"&S", "&&"}},
    {"%s Dateien, %-3d%%, %1", {"%s", "%-3d", "%1"}},
    {"{0} von {count}", {"{0}", "{count}"}},
    {"Zeile\r\n\r\n\tEinger\xC3\xBC"
     "ckt\r\n",
     {"\r\n\r\n\t["}},
    {"\xC5\x9A"
     "cie\xC5\xBCka",
     {"\xC5\x9A"}},
    {"x", {}},
};

TEST(PseudoTextTest, EachLineIsBracketedLongerAndAccentedWithPlaceholdersKept) {
  for (const PseudoCase& c : kCases) {
    SCOPED_TRACE(c.text);
    const std::string pseudo = PseudoText(c.text);
    const std::vector<std::u32string> before = Lines(c.text), after = Lines(pseudo);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      const std::size_t blanks = before[i].find_first_not_of(U" \t\r");
      if (blanks == std::u32string::npos) {
        EXPECT_EQ(after[i], before[i]);
        continue;
      }
      const bool cr = before[i].back() == U'\r';
      const std::u32string text = before[i].substr(blanks, before[i].size() - blanks - cr);
      ASSERT_EQ(after[i].substr(0, blanks), before[i].substr(0, blanks));
      ASSERT_EQ(after[i].substr(blanks, 1), U"[");
      ASSERT_EQ(after[i].substr(after[i].size() - 1 - cr), cr ? U"]\r" : U"]");
      const double inner = static_cast<double>(after[i].size() - blanks - 2 - cr);
      const double n = static_cast<double>(text.size());
      EXPECT_GT(inner / n, 1.4);
      EXPECT_LE(inner, n * 1.4 + 1);
    }
    for (const std::string& kept : c.kept) EXPECT_NE(pseudo.find(kept), std::string::npos) << kept;
  }
}

TEST(PseudoTextTest, LettersOutsidePlaceholdersAreAccentedAndAnEmptyTextStays) {
  EXPECT_EQ(PseudoText("Start"), "[\xC5\x9C\xC5\xA3\xC3\xA0\xC5\x95\xC5\xA3~~~]");
  EXPECT_EQ(PseudoText(""), "");
  const std::string plain = PseudoText("Bitte alle Programme beenden!");
  for (const char c : plain) EXPECT_FALSE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
}

TEST(PseudoTextTest, EveryAsciiLetterHasItsOwnAccentedForm) {
  std::set<char32_t> forms;
  for (const char* letters : {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {
    for (const char* l = letters; *l != '\0'; ++l) {
      const char32_t accented = mltool::AccentedLetter(static_cast<char32_t>(*l));
      EXPECT_GT(accented, 0x7Fu) << *l;
      forms.insert(accented);
    }
  }
  EXPECT_EQ(forms.size(), 52u);
}

class PseudoCommandTest : public ToolTest {
 protected:
  PseudoCommandTest() { Write("uninst1.form", kUninst1Form); }
  std::vector<std::string> Words() {
    return mltool::LoadedWindow(*Read("uninst1.form")).Localizer().Words().Items();
  }
};

TEST_F(PseudoCommandTest, AddsALanguageOfPseudoTextsAndRemakesIt) {
  const std::vector<std::string> before = Words();
  ASSERT_EQ(Run({"pseudo", Path("uninst1.form")}), 0) << output.err;
  const std::vector<std::string> after = Words();
  ASSERT_EQ(after.size(), before.size() / 4 * 5);
  for (std::size_t entry = 0; entry < before.size() / 4; ++entry) {
    const auto first = before.begin() + static_cast<std::ptrdiff_t>(entry * 4);
    EXPECT_EQ(std::vector<std::string>(first, first + 4),
              std::vector<std::string>(after.begin() + static_cast<std::ptrdiff_t>(entry * 5),
                                       after.begin() + static_cast<std::ptrdiff_t>(entry * 5 + 4)));
    EXPECT_EQ(after[entry * 5 + 4], PseudoText(before[entry * 4 + 1]));
  }
  const mltool::LoadedWindow window(*Read("uninst1.form"));
  EXPECT_EQ(window.Localizer().CharSets().Count(), 4);

  const std::string once = *Read("uninst1.form");
  EXPECT_EQ(Run({"pseudo", Path("uninst1.form"), "3"}), 0) << output.err;
  EXPECT_EQ(Read("uninst1.form"), once);
  EXPECT_EQ(Run({"pseudo", Path("uninst1.form"), "0"}), 1);
  EXPECT_EQ(Run({"pseudo", Path("uninst1.form"), "5"}), 2);
  EXPECT_EQ(Read("uninst1.form"), once);
}

// A window whose control has a place of its own in each language, and one with a place recorded
// for its first language only; the default language is `defaultLanguage`.
std::string PlacedWindow(int defaultLanguage) {
  return "object PlacedForm: TPlacedForm\n  object Label1: TLabel\n    Width = 100\n  end\n"
         "  object Label2: TLabel\n    Width = 50\n  end\n"
         "  object MultiLang1: TMultiLang\n    DefaultLanguage = " +
         std::to_string(defaultLanguage) +
         "\n    Languages = 2\n"
         "    Words = (\n      \"Label1\"\n      \"Eins\"\n      \"One\"\n    )\n"
         "    SwitchPositions = spControlsOnly\n"
         "    Positions = (\n      \"label1,1.2.100.13,1.2.160.13\"\n"
         "      \"label2,1.2.50.13\"\n    )\n  end\nend\n";
}

// Without a value of its own the pseudo-language would show Label1 at the width of whichever
// language was shown before it: the check would measure its longer texts in another's room.
TEST_F(PseudoCommandTest, ANewLanguageTakesTheDefaultLanguagesPlaces) {
  const struct {
    int defaultLanguage;
    const char* label1;
  } kRows[] = {{0, "label1,1.2.100.13,1.2.160.13,1.2.100.13"},
               {1, "label1,1.2.100.13,1.2.160.13,1.2.160.13"}};
  for (const auto& row : kRows) {
    Write("placed.form", PlacedWindow(row.defaultLanguage));
    ASSERT_EQ(Run({"pseudo", Path("placed.form")}), 0) << output.err;
    const mltool::LoadedWindow window(*Read("placed.form"));
    EXPECT_EQ(window.Localizer().Positions().Items(),
              (std::vector<std::string>{row.label1, "label2,1.2.50.13"}))
        << "default language " << row.defaultLanguage;
  }
}

}  // namespace
