#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "multilang/UnitState.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeStringLibraries.h"
#include "tests/tools/mltool/ToolFixture.h"
#include "tools/mltool/StringLibraryScript.h"
#include "tools/mltool/ToolError.h"
#include "tools/mltool/WindowDescription.h"

extern const char kUninst1PolishScript[];

using namespace mltool;

namespace {

std::vector<std::string> Pairs(int entries, const std::string& prefix = "Label") {
  std::vector<std::string> lines;
  for (int i = 1; i <= entries; ++i) {
    lines.push_back(prefix + std::to_string(i));
    lines.push_back("text " + std::to_string(i));
  }
  return lines;
}

TEST(ResourceStringTest, AsciiStaysAsItIs) {
  EXPECT_EQ(ResourceString("%TForm1 a-z, 0-9!"), "L\"%TForm1 a-z, 0-9!\"");
}

TEST(ResourceStringTest, QuotesAreDoubledAndBackslashesEscaped) {
  EXPECT_EQ(ResourceString("say \"hi\" C:\\temp"), "L\"say \"\"hi\"\" C:\\\\temp\"");
}

TEST(ResourceStringTest, LineBreaksAndTabsAreEscaped) {
  EXPECT_EQ(ResourceString("a\r\nb\tc"), "L\"a\\r\\nb\\tc\"");
}

TEST(ResourceStringTest, OtherCharactersBecomeFourDigitUtf16Escapes) {
  // The letter after an escape is no hex digit of it: the escape always has four.
  EXPECT_EQ(ResourceString("Wyj\xC5\x9B"
                           "cie"),
            "L\"Wyj\\x015Bcie\"");
  EXPECT_EQ(ResourceString("\xC2\xAE\x01"), "L\"\\x00AE\\x0001\"");
  EXPECT_EQ(ResourceString("\xF0\x9F\x98\x80"), "L\"\\xD83D\\xDE00\"");
}

TEST(StringLibraryLayoutTest, TheFirstBlockHasItsHeaderAt1000AndItsBodyAfterIt) {
  const StringLibraryLayout layout = LayOutStringLibrary({{"TForm1", {"Label1", "Eins", "A", ""}}});
  EXPECT_EQ(layout.strings,
            (std::map<std::uint32_t, std::string>{
                {1000, "%TForm1"}, {1001, "Label1"}, {1002, "Eins"}, {1003, "A"}, {1004, ""}}));
  EXPECT_TRUE(layout.warnings.empty());
}

TEST(StringLibraryLayoutTest, EachFurtherHeaderTakesTheFirstHeaderIdPastTheBlockBefore) {
  const auto headerOfSecond = [](int entries) {
    const auto layout = LayOutStringLibrary({{"TFormA", Pairs(entries)}, {"TFormB", Pairs(1)}});
    for (const auto& [id, text] : layout.strings) {
      if (text == "%TFormB") return id;
    }
    return 0u;
  };
  EXPECT_EQ(headerOfSecond(7), 1100u);
  EXPECT_EQ(headerOfSecond(49), 1100u);  // last text at 1098, 1099 stays free
  EXPECT_EQ(headerOfSecond(50), 1200u);  // last text on the header id 1100
  EXPECT_EQ(headerOfSecond(60), 1200u);
}

TEST(StringLibraryLayoutTest, AnEmptyKeyWouldEndTheBlockAndIsRefused) {
  EXPECT_THROW(LayOutStringLibrary({{"TForm1", {"Label1", "a", "", "b"}}}), ToolError);
}

TEST(StringLibraryLayoutTest, AOneLetterClassGivesNoHeaderAndIsRefused) {
  EXPECT_THROW(LayOutStringLibrary({{"T", {"Label1", "a"}}}), ToolError);
}

TEST(StringLibraryLayoutTest, TwoWindowsOfOneClassAreRefused) {
  EXPECT_THROW(LayOutStringLibrary({{"TForm1", Pairs(1)}, {"tform1", Pairs(1)}}), ToolError);
}

TEST(StringLibraryLayoutTest, StringsLongerThanALibraryReadKeepsAreWarnedOf) {
  const std::string euro = "\xE2\x82\xAC", smiley = "\xF0\x9F\x98\x80";
  std::string euros299, smileys150;
  for (int i = 0; i < 299; ++i) euros299 += euro;
  for (int i = 0; i < 150; ++i) smileys150 += smiley;  // 300 UTF-16 units
  EXPECT_TRUE(LayOutStringLibrary({{"TForm1", {"Label1", euros299}}}).warnings.empty());
  const auto layout =
      LayOutStringLibrary({{"TForm1", {"Label1", euros299 + "x", "Label2", smileys150}}});
  ASSERT_EQ(layout.warnings.size(), 2u);
  EXPECT_NE(layout.warnings[0].find("1002"), std::string::npos);
  EXPECT_NE(layout.warnings[1].find("1004"), std::string::npos);
}

TEST(ResourceScriptTest, StringTableInIdOrder) {
  EXPECT_EQ(ResourceScript({{1001, "b"}, {1000, "%TForm1"}}, "About it."),
            "// About it.\r\n\r\nSTRINGTABLE\r\nBEGIN\r\n  1000, L\"%TForm1\"\r\n"
            "  1001, L\"b\"\r\nEND\r\n");
}

// The uninstaller's window.

class UninstallerStringLibraryTest : public ToolTest {
 protected:
  UninstallerStringLibraryTest() { Write("uninst1.form", kUninst1Form); }
  ~UninstallerStringLibraryTest() override {
    ml::SetLibraryServices(ml::DefaultLibraryServices());
    ml::SetStringLibraryFile("");
  }

  std::string Script(const std::string& language) {
    EXPECT_EQ(Run({"stringlib", Path("uninst1.form"), language, Path("out.rc")}), 0) << output.err;
    return Read("out.rc").value_or("");
  }

  // Windows made from descriptions from now on find their blocks in this library.
  void UseLibrary(const std::map<std::uint32_t, std::string>& strings) {
    const std::string path = "C:\\lang\\strings.dll";
    files.AddFile(path);
    libraries.AddLibrary(path, strings);
    ml::SetLibraryServices({&files, &libraries});
    ml::SetStringLibraryFile(path);
  }

  plat::FakeFileSystem files;
  plat::FakeStringLibraries libraries;
};

TEST_F(UninstallerStringLibraryTest, EnglishScriptHoldsTheClassHeaderThenKeysAndTexts) {
  EXPECT_EQ(Script("1"),
            "// String library of language 1 for TForm1, made by mltool stringlib.\r\n"
            "\r\n"
            "STRINGTABLE\r\n"
            "BEGIN\r\n"
            "  1000, L\"%TForm1\"\r\n"
            "  1001, L\"%Form%\"\r\n"
            "  1002, L\"Trelvia\\x00AEplus Uninstaller\"\r\n"
            "  1003, L\"Label1\"\r\n"
            "  1004, L\"Trelvia\\x00AEplus Uninstaller\"\r\n"
            "  1005, L\"Label2\"\r\n"
            "  1006, L\"Uninstall\\r\\n    Vuvavoredir Menu\\r\\n"
            "    Vuvavoredir planning programme 6.1\"\r\n"
            "  1007, L\"Button1\"\r\n"
            "  1008, L\"Start\"\r\n"
            "  1009, L\"Button2\"\r\n"
            "  1010, L\"Cancel\"\r\n"
            "  1011, L\"Label3\"\r\n"
            "  1012, L\"Please all Vuvavoredir application close!\"\r\n"
            "  1013, L\"StatusBar1\"\r\n"
            "  1014, L\"\"\r\n"
            "END\r\n");
}

// The Windows build compiles the checked-in script into a library; it must be what the tool makes.
TEST_F(UninstallerStringLibraryTest, CheckedInPolishScriptIsWhatTheToolMakes) {
  EXPECT_EQ(Script("2"), kUninst1PolishScript)
      << "regenerate tests/tools/mltool/uninst1-pl.rc with: mltool stringlib "
         "resources/uninst1.form 2 tests/tools/mltool/uninst1-pl.rc";
}

TEST_F(UninstallerStringLibraryTest, ALanguageTheTableLacksWritesNothing) {
  EXPECT_EQ(Run({"stringlib", Path("uninst1.form"), "3", Path("out.rc")}), 1);
  EXPECT_NE(output.err.find("uninst1.form: the window's table has 3 languages"), std::string::npos)
      << output.err;
  EXPECT_FALSE(Read("out.rc").has_value());
}

TEST_F(UninstallerStringLibraryTest, TheWindowTakesItsPolishTableFromTheLibrary) {
  const std::vector<std::string> polish = [] {
    LoadedWindow window(kUninst1Form);
    std::vector<std::string> lines;
    const auto& words = window.Localizer().Words();
    for (int i = 0; i < words.Count(); i += 4) {
      lines.push_back(words[i]);
      lines.push_back(words[i + 3]);
    }
    return lines;
  }();
  UseLibrary(LayOutStringLibrary({{"TForm1", polish}}).strings);
  const LoadedWindow window(kUninst1Form);
  const ml::TBaseMultiLang& localizer = window.Localizer();
  EXPECT_EQ(localizer.Words().Items(), polish);
  EXPECT_EQ(localizer.Languages(), 1);
  EXPECT_EQ(window.Window().Caption(), "Deinstaluj Morlen");
}

TEST_F(UninstallerStringLibraryTest, EveryWindowOfALibraryFindsItsBlock) {
  const std::string second =
      "object Form2: TForm\n"
      "  Caption = \"Zwei\"\n"
      "  object MultiLang1: TMultiLang\n"
      "    Languages = 1\n"
      "    Words = (\n"
      "      \"%Form%\"\n"
      "      \"Zwei\"\n"
      "    )\n"
      "  end\n"
      "end\n";
  // The first block runs past the header id 1100.
  std::vector<std::string> first = Pairs(60);
  first.insert(first.begin(), {"%Form%", "Erstes"});
  UseLibrary(LayOutStringLibrary({{"TForm1", first}, {"TForm", {"%Form%", "Second"}}}).strings);

  const LoadedWindow one(kUninst1Form);
  EXPECT_EQ(one.Localizer().Words().Items(), first);
  EXPECT_EQ(one.Window().Caption(), "Erstes");
  const LoadedWindow two(second);
  EXPECT_EQ(two.Localizer().Words().Items(), (std::vector<std::string>{"%Form%", "Second"}));
  EXPECT_EQ(two.Window().Caption(), "Second");
}

TEST_F(UninstallerStringLibraryTest, SeveralDescriptionsMakeOneScript) {
  Write("other.form",
        "object Form2: TForm\n"
        "  object MultiLang1: TMultiLang\n"
        "    Languages = 3\n"
        "    Words = (\n      \"%Form%\"\n      \"a\"\n      \"b\"\n      \"c\"\n    )\n"
        "  end\n"
        "end\n");
  ASSERT_EQ(Run({"stringlib", Path("uninst1.form"), Path("other.form"), "2", Path("out.rc")}), 0)
      << output.err;
  const std::string script = *Read("out.rc");
  EXPECT_NE(script.find("\r\n  1100, L\"%TForm\"\r\n  1101, L\"%Form%\"\r\n  1102, L\"c\"\r\nEND"),
            std::string::npos)
      << script;
  EXPECT_NE(script.find("for TForm1, TForm,"), std::string::npos);
}

}  // namespace
