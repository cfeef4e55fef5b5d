#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/mltool/ToolFixture.h"
#include "tools/mltool/Commands.h"

namespace {

// A plain form with a label, a component without an entry, and two localization components.
constexpr char kTwoComponents[] =
    "object Form1: TForm\n"
    "  Caption = \"Fenster\"\n"
    "  object Label1: TLabel\n"
    "    Caption = \"Hallo\"\n"
    "  end\n"
    "  object Button1: TButton\n"
    "    Caption = \"Los\"\n"
    "  end\n"
    "  object MultiLang1: TMultiLang\n"
    "    Words = (\n"
    "      \"Label1\"\n      \"Hallo\"\n      \"Hello\"\n"
    "    )\n"
    "  end\n"
    "  object MultiLang2: TMultiLang\n"
    "    Languages = 1\n"
    "  end\n"
    "end\n";

class CommandsTest : public ToolTest {
 protected:
  CommandsTest() { Write("two.form", kTwoComponents); }
};

TEST_F(CommandsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"translate", "a", "b"}), 2);
  EXPECT_EQ(Run({"extract", Path("two.form")}), 2);
  EXPECT_EQ(Run({"merge", Path("two.form"), Path("a.csv"), "--new"}), 2);
  EXPECT_EQ(Run({"merge", Path("two.form"), Path("a.csv"), "--out"}), 2);
  EXPECT_EQ(Run({"stringlib", Path("two.form"), "pl", Path("out.rc")}), 2);
  EXPECT_EQ(Run({"po-export", Path("two.form")}), 2);
  EXPECT_EQ(Run({"po-export", Path("two.form"), Path(""), "--languages", "de,en,pl", "--component",
                 "MultiLang1"}),
            2);
  EXPECT_EQ(Run({"po-export", Path("two.form"), Path(""), "--languages", "de;en", "--component",
                 "MultiLang1"}),
            2);
  EXPECT_EQ(Run({"po-export", Path("two.form"), Path(""), "--languages", "en,en", "--component",
                 "MultiLang1"}),
            2);
  EXPECT_EQ(Run({"po-import", Path("two.form"), Path("a.po"), "--new"}), 2);
  EXPECT_EQ(Run({"po-import", Path("two.form"), Path("a.po"), "--language", "one"}), 2);
  EXPECT_EQ(Run({"pseudo"}), 2);
  EXPECT_NE(output.err.find("usage:"), std::string::npos);
}

TEST_F(CommandsTest, HelpShowsTheUsage) {
  EXPECT_EQ(Run({"help"}), 0);
  EXPECT_NE(output.out.find("mltool extract"), std::string::npos);
}

TEST_F(CommandsTest, AMissingDescriptionIsNamed) {
  EXPECT_EQ(Run({"extract", Path("none.form"), Path("out.csv")}), 1);
  EXPECT_NE(output.err.find("none.form: cannot read"), std::string::npos) << output.err;
}

TEST_F(CommandsTest, ADescriptionTheToolkitCannotReadIsReportedWithItsLine) {
  Write("bad.form", "object Form1: TForm\n  object Label1: TNoSuchClass\n  end\nend\n");
  EXPECT_EQ(Run({"extract", Path("bad.form"), Path("out.csv")}), 1);
  EXPECT_NE(output.err.find("bad.form: Line 2:"), std::string::npos) << output.err;
  EXPECT_FALSE(Read("out.csv").has_value());
}

// Extract once wrote such texts into a file that merge then refused as not UTF-8.
TEST_F(CommandsTest, ExtractAndMergeBothRefuseTextsThatAreNotUtf8) {
  Write("latin.form",
        "object Form1: TForm\n  object Label1: TLabel\n    Caption = \"caf\xE9\"\n"
        "  end\nend\n");
  Write("in.csv", "key,0,1\r\n");
  const std::vector<std::string> commands[] = {
      {"extract", Path("latin.form"), Path("out.csv"), "--new"},
      {"merge", Path("latin.form"), Path("in.csv"), "--out", Path("out.form")},
  };
  for (const std::vector<std::string>& command : commands) {
    EXPECT_EQ(Run(command), 1) << command[0];
    EXPECT_NE(output.err.find("latin.form: Line 3: the string is not UTF-8"), std::string::npos)
        << output.err;
  }
  EXPECT_FALSE(Read("out.csv").has_value());
  EXPECT_FALSE(Read("out.form").has_value());
}

TEST_F(CommandsTest, AWindowClassTheToolDoesNotKnowKeepsItsName) {
  std::string other = kTwoComponents;
  other.replace(0, other.find('\n'), "object Form1: TForm9");
  Write("other.form", other);
  EXPECT_EQ(Run({"extract", Path("other.form"), Path("out.csv"), "--component", "MultiLang1"}), 0)
      << output.err;
  EXPECT_EQ(Run({"merge", Path("other.form"), Path("out.csv"), "--component", "MultiLang1", "--out",
                 Path("out.form")}),
            0)
      << output.err;
  EXPECT_EQ(Read("out.form").value_or("").substr(0, 21), "object Form1: TForm9\n");
}

TEST_F(CommandsTest, SeveralLocalizationComponentsMustBeChosenBetween) {
  EXPECT_EQ(Run({"extract", Path("two.form"), Path("out.csv")}), 1);
  EXPECT_NE(output.err.find("MultiLang1, MultiLang2"), std::string::npos) << output.err;
  EXPECT_EQ(Run({"extract", Path("two.form"), Path("out.csv"), "--component", "multilang1"}), 0)
      << output.err;
  EXPECT_EQ(Read("out.csv"), "\xEF\xBB\xBFkey,0,1\r\nLabel1,Hallo,Hello\r\n");
}

TEST_F(CommandsTest, ExtractNamesWhatItLeftOutAndNewAddsIt) {
  ASSERT_EQ(Run({"extract", Path("two.form"), Path("out.csv"), "--component", "MultiLang1"}), 0);
  EXPECT_NE(output.err.find("Form1, Button1"), std::string::npos) << output.err;
  ASSERT_EQ(
      Run({"extract", Path("two.form"), Path("out.csv"), "--component", "MultiLang1", "--new"}), 0);
  EXPECT_EQ(Read("out.csv"),
            "\xEF\xBB\xBFkey,0,1\r\nLabel1,Hallo,Hello\r\n%Form%,Fenster,\r\nButton1,Los,\r\n");
}

TEST_F(CommandsTest, MergeOfANewEntryTakesEffectAfterTheTableIsRead) {
  Write("in.csv", "key,0,1\r\n%Form%,Fenster,Window\r\nLabel1,Hallo,Hello\r\n");
  ASSERT_EQ(Run({"merge", Path("two.form"), Path("in.csv"), "--component", "MultiLang1"}), 0)
      << output.err;
  ASSERT_EQ(Run({"extract", Path("two.form"), Path("out.csv"), "--component", "MultiLang1"}), 0);
  EXPECT_EQ(Read("out.csv"),
            "\xEF\xBB\xBFkey,0,1\r\n%Form%,Fenster,Window\r\nLabel1,Hallo,Hello\r\n");
}

TEST_F(CommandsTest, ATableOfIncompleteEntriesIsRefused) {
  Write("odd.form",
        "object Form1: TForm\n"
        "  object MultiLang1: TMultiLang\n"
        "    Words = (\n      \"Label1\"\n      \"Hallo\"\n    )\n"
        "  end\n"
        "end\n");
  EXPECT_EQ(Run({"extract", Path("odd.form"), Path("out.csv")}), 1);
  EXPECT_NE(output.err.find("odd.form: the window's table has 2 lines"), std::string::npos)
      << output.err;
}

TEST_F(CommandsTest, AWindowWithoutLocalizationComponentIsReported) {
  Write("plain.form", "object Form1: TForm\nend\n");
  EXPECT_EQ(Run({"stringlib", Path("plain.form"), "0", Path("out.rc")}), 1);
  EXPECT_NE(output.err.find("no localization component"), std::string::npos) << output.err;
}

TEST_F(CommandsTest, StringLibraryWarnsOfTextsALibraryCuts) {
  Write("long.form",
        "object Form1: TForm\n"
        "  object MultiLang1: TMultiLang\n"
        "    Languages = 1\n"
        "    Words = (\n      \"Label1\"\n      \"" +
            std::string(300, 'x') +
            "\"\n    )\n"
            "  end\n"
            "end\n");
  EXPECT_EQ(Run({"stringlib", Path("long.form"), "0", Path("out.rc")}), 0);
  EXPECT_NE(output.err.find("warning: TForm: string 1002 has 300 characters"), std::string::npos)
      << output.err;
  EXPECT_TRUE(Read("out.rc").has_value());
}

TEST_F(CommandsTest, PathsWithLettersBeyondAsciiAreUsed) {
  const std::string form =
                        "\xC5\x9B"
                        "cie\xC5\xBCka.form",
                    csv = "\xC5\xBC\xC3\xB3\xC5\x82w.csv";
  Write(form, kTwoComponents);
  EXPECT_EQ(Run({"extract", Path(form), Path(csv), "--component", "MultiLang1"}), 0) << output.err;
  EXPECT_TRUE(Read(csv).has_value());
}

}  // namespace
