// The tool on the uninstaller's own window description.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/mltool/ToolFixture.h"
#include "toolkit/StdCtrls.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

class UninstallerWindowTest : public ToolTest {
 protected:
  UninstallerWindowTest() { Write("uninst1.form", kUninst1Form); }

  std::string Extracted() {
    EXPECT_EQ(Run({"extract", Path("uninst1.form"), Path("uninst1.csv")}), 0) << output.err;
    return Read("uninst1.csv").value_or("");
  }
  std::vector<std::string> WordsOf(const std::string& description) {
    mltool::LoadedWindow window(description);
    return window.Localizer().Words().Items();
  }
  static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  }
};

TEST_F(UninstallerWindowTest, TheDescriptionIsInTheWritersCanonicalForm) {
  EXPECT_EQ(mltool::LoadedWindow(kUninst1Form).Write(), kUninst1Form);
}

TEST_F(UninstallerWindowTest, ExtractGivesEveryEntryOfTheTableInAllThreeLanguages) {
  const std::string csv = Extracted();
  EXPECT_EQ(csv.substr(0, 3 + 11), std::string(kBom) + "key,0,1,2\r\n");
  EXPECT_NE(csv.find("\r\n%Form%,Trelvia\xC2\xAEplus Deinstaller,Trelvia\xC2\xAEplus "
                     "Uninstaller,Deinstaluj Morlen\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\nLabel2,\"Deinstallieren\r\n     Vuvavoredir Men\xC3\xBC 6.1\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\r\nLabel3,\"Bitte, alle Vuvavoredir programm abbrechen!\",Please all "
                     "Vuvavoredir application close!,\xC5\x9A"
                     "cie\xC5\xBCka AutuCAD\r\n"),
            std::string::npos);
  EXPECT_EQ(csv.substr(csv.size() - 17), "\r\nStatusBar1,,,\r\n");
  const mltool::Entries entries = mltool::ReadTranslationFile(csv, 3);
  std::vector<std::string> keys;
  for (const auto& e : entries) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"%Form%", "Label1", "Label2", "Button1", "Button2",
                                            "Label3", "StatusBar1"}));
}

TEST_F(UninstallerWindowTest, TheListOfDirectoriesIsNoTextToTranslate) {
  Extracted();
  EXPECT_NE(output.err.find("ListBox1"), std::string::npos);
  EXPECT_EQ(Read("uninst1.csv")->find("VLC"), std::string::npos);
}

TEST_F(UninstallerWindowTest, ExtractThenMergeUnchangedLeavesTheDescriptionByteForByte) {
  Extracted();
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("uninst1.csv")}), 0) << output.err;
  EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
  EXPECT_EQ(output.err, "");
}

TEST_F(UninstallerWindowTest, AFileSavedBySpreadsheetConventionsMergesToTheSameDescription) {
  // No byte-order mark, semicolons, line feeds alone (inside the texts too), labelled languages.
  const std::string csv = Extracted().substr(3);
  std::string saved;
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (c == '"') quoted = !quoted;
    if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') continue;
    saved += (!quoted && c == ',') ? ';' : c;
  }
  Write("saved.csv", Replaced(saved, "key;0;1;2\n", "key;0 Deutsch;1 English;2 Polski\n"));
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("saved.csv")}), 0) << output.err;
  EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
}

TEST_F(UninstallerWindowTest, ATranslatedCellLandsInWordsAtItsLine) {
  Write("uninst1.csv",
        Replaced(Extracted(), "Button2,Abbrechen,Cancel,", "Button2,Abbrechen,Close,"));
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("uninst1.csv")}), 0) << output.err;
  std::vector<std::string> expected = WordsOf(kUninst1Form);
  ASSERT_EQ(expected[18], "Cancel");
  expected[18] = "Close";
  const std::string merged = *Read("uninst1.form");
  EXPECT_EQ(WordsOf(merged), expected);
  // Nothing else of the description changed.
  EXPECT_EQ(merged, Replaced(kUninst1Form, "      \"Cancel\"\n", "      \"Close\"\n"));
}

TEST_F(UninstallerWindowTest, AMultiLineTranslationStaysOneTableLine) {
  Write("uninst1.csv",
        Replaced(Extracted(), "Button1,Start,Start,Start", "Button1,Start,\"Go\nnow\",Start"));
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("uninst1.csv")}), 0) << output.err;
  EXPECT_EQ(WordsOf(*Read("uninst1.form"))[14], "Go\r\nnow");
}

TEST_F(UninstallerWindowTest, AMalformedRowWritesNothing) {
  const std::string csv = Extracted();
  const std::vector<std::string> before = Files();
  for (const std::string& bad : {
           Replaced(csv, "Button1,Start,Start,Start", "Button1,Start,Start"),
           Replaced(csv, "Button1,Start,Start,Start", "Button1,Start,\"Start,Start"),
           Replaced(csv, "Button1,Start,Start,Start", "Button1,Start,St\xE4rt,Start"),
           Replaced(csv, "Button1,Start,Start,Start", ",Start,Start,Start"),
       }) {
    Write("bad.csv", bad);
    EXPECT_EQ(Run({"merge", Path("uninst1.form"), Path("bad.csv")}), 1);
    EXPECT_NE(output.err.find("bad.csv:11:"), std::string::npos) << output.err;
    EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
    EXPECT_EQ(Run({"merge", Path("uninst1.form"), Path("bad.csv"), "--out", Path("out.form")}), 1);
    EXPECT_FALSE(Read("out.form").has_value());
  }
  std::vector<std::string> after = Files();
  after.erase(std::remove(after.begin(), after.end(), "bad.csv"), after.end());
  EXPECT_EQ(after, before);
}

TEST_F(UninstallerWindowTest, AHeaderForAnotherNumberOfLanguagesWritesNothing) {
  Write("two.csv", "key,0,1\r\nLabel1,a,b\r\n");
  EXPECT_EQ(Run({"merge", Path("uninst1.form"), Path("two.csv")}), 1);
  EXPECT_NE(output.err.find("two.csv:1:"), std::string::npos) << output.err;
  EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
}

TEST_F(UninstallerWindowTest, MergeWithOutLeavesTheDescriptionAlone) {
  Write("uninst1.csv", Replaced(Extracted(), "Button1,Start,Start,Start", "Button1,Los,Go,Start"));
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("uninst1.csv"), "--out", Path("new.form")}),
            0);
  EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
  EXPECT_EQ(WordsOf(*Read("new.form"))[13], "Los");
}

TEST_F(UninstallerWindowTest, AKeyThatNamesNoComponentIsWarnedOf) {
  Write("uninst1.csv", Replaced(Extracted(), "Button1,", "Buton1,"));
  ASSERT_EQ(Run({"merge", Path("uninst1.form"), Path("uninst1.csv")}), 0);
  EXPECT_NE(output.err.find("uninst1.csv:11: warning: the key Buton1"), std::string::npos)
      << output.err;
}

TEST_F(UninstallerWindowTest, ExtractWithNewAddsTheListItemsInGerman) {
  ASSERT_EQ(Run({"extract", Path("uninst1.form"), Path("all.csv"), "--new"}), 0);
  const mltool::Entries entries = mltool::ReadTranslationFile(*Read("all.csv"), 3);
  const mltool::LoadedWindow window(kUninst1Form);
  const auto* list = tk::DynamicCast<tk::TListBox>(window.Window().FindOwnedComponent("ListBox1"));
  ASSERT_NE(list, nullptr);
  ASSERT_GT(list->Items().Count(), 100);
  ASSERT_EQ(entries.size(), 7u + static_cast<std::size_t>(list->Items().Count()));
  EXPECT_EQ(entries[7].key, "ListBox1");
  EXPECT_EQ(entries[7].texts, (std::vector<std::string>{"VLC", "", ""}));
  EXPECT_EQ(entries[8].key, "\"");
  EXPECT_EQ(output.err, "");
}

}  // namespace
