// PO files on real files, checked with the gettext tools themselves: every file po-export writes
// passes msgfmt --check, and po-import of an unchanged file gives the description back byte for
// byte; msgmerge brings a translation up to a changed description, and po-import keeps what it
// left untranslated or marked fuzzy out of the table; a broken file writes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/tools/mltool/ToolFixture.h"
#include "tools/mltool/PoReader.h"
#include "tools/mltool/TranslationTable.h"
#include "tools/mltool/WindowDescription.h"

namespace {

// Multi-line texts (one ending in a line break), quotes, backslashes, tabs, a control character
// before a letter that is a hex digit, letters beyond ASCII, list items with the same text, a
// hint, and an entry without a default-language text; of a window class the tool does not know.
constexpr char kSpecialForm[] =
    "object Form2: TForm2\n"
    "  object MultiLang1: TMultiLang\n"
    "    Words = (\n"
    "      \"%Form%\"\n      \"Fenster \\\"eins\\\"\"\n      \"Window \\\"one\\\"\"\n"
    "      \"Label1\"\n      \"Zeile 1\\r\\nZeile 2\\r\\n\"\n      \"Line 1\\r\\nLine 2\\r\\n\"\n"
    "      \"ListBox1\"\n      \"C:\\\\Daten\\\\\"\n      \"C:\\\\Data\\\\\"\n"
    "      \"\\\"\"\n      \"Tab\\there\"\n      \"\"\n"
    "      \"\\\"\"\n      \"Tab\\there\"\n      \"?\"\n"
    "      \"\\\".Hint\"\n      \"Gr\\xC3\\xB6\\xC3\\x9Fe \\xE2\\x82\\xAC\"\n"
    "      \"Size \\xF0\\x9F\\x98\\x80 \\x01a\"\n"
    "      \"Label2\"\n      \"\"\n      \"only English\"\n"
    "    )\n"
    "  end\n"
    "end\n";

struct Window {
  const char* name;
  const char* form;
  const char* codes;               // for --languages, or none
  std::vector<std::string> files;  // what po-export writes
};

const Window kWindows[] = {
    {"uninst1.form", kUninst1Form, "de,en,pl", {"TForm1.pot", "en.po", "pl.po"}},
    {"special.form", kSpecialForm, nullptr, {"TForm2.pot", "1.po"}},
};

// A gettext tool run on files of the scratch directory; a tool that is missing fails the test, as
// scripts/setup.sh installs them.
int Gettext(const char* tool, const std::string& arguments) {
  return std::system((std::string(tool) + " " + arguments + " 2>&1").c_str());
}

class PoFilesTest : public ToolTest {
 protected:
  std::string Exported(const Window& window, const std::string& dir) {
    std::filesystem::create_directories(Path(dir));
    std::vector<std::string> args{"po-export", Path(window.name), Path(dir)};
    if (window.codes != nullptr) args.insert(args.end(), {"--languages", window.codes});
    EXPECT_EQ(Run(args), 0) << output.err;
    return output.out + output.err;
  }
};

TEST_F(PoFilesTest, EveryExportedFilePassesMsgfmtAndImportsBackByteForByte) {
  for (const Window& window : kWindows) {
    SCOPED_TRACE(window.name);
    // As the toolkit writes it: import writes the description in that form.
    const std::string form = mltool::LoadedWindow(window.form).Write();
    Write(window.name, form);
    Exported(window, "po");
    for (const std::string& file : window.files) {
      ASSERT_TRUE(Read("po/" + file).has_value()) << file;
      EXPECT_EQ(Gettext(MSGFMT, "--check -o /dev/null " + Path("po/" + file)), 0) << file;
      if (file.ends_with(".pot")) continue;
      ASSERT_EQ(Run({"po-import", Path(window.name), Path("po/" + file)}), 0) << output.err;
      EXPECT_EQ(Read(window.name), form) << file;
    }
  }
}

TEST_F(PoFilesTest, AnEntryWithoutADefaultTextIsLeftOutAndKeepsItsTexts) {
  Write("special.form", kSpecialForm);
  EXPECT_NE(Exported(kWindows[1], "po")
                .find("left out, having no text in the default language: "
                      "Label2"),
            std::string::npos);
  const mltool::PoCatalog catalog = mltool::ReadPoFile(Path("po/1.po"), *Read("po/1.po"));
  ASSERT_EQ(catalog.messages.size(), 6u);
  EXPECT_EQ(catalog.messages[3].context, "TForm2|ListBox1\"1");
  EXPECT_EQ(catalog.messages[4].context, "TForm2|ListBox1\"2");
  EXPECT_EQ(catalog.messages[1].id, "Zeile 1\nZeile 2\n");
}

// The description gains an entry and changes a German text; msgmerge takes the Polish file to the
// new template.
TEST_F(PoFilesTest, MsgmergeLeavesNewEntriesUntranslatedAndChangedOnesFuzzyAndImportKeepsThemOut) {
  Write("uninst1.form", kUninst1Form);
  Exported(kWindows[0], "old");
  {
    const mltool::LoadedWindow window(kUninst1Form);
    ml::TBaseMultiLang& localizer = window.Localizer();
    mltool::Entries entries = mltool::EntriesOf(localizer.Words(), 3);
    ASSERT_EQ(entries[4].key, "Button2");
    entries[4].texts[0] = "Jetzt abbrechen";
    entries.push_back({"Label4", {"Bitte warten", "Please wait", "?"}, 0});
    localizer.Words().Assign(mltool::WordsOf(entries));
    Write("uninst1.form", window.Write());
  }
  const std::string changed = *Read("uninst1.form");
  Exported(kWindows[0], "new");
  ASSERT_EQ(Gettext(MSGMERGE, "-q -o " + Path("merged.po") + " " + Path("old/pl.po") + " " +
                                  Path("new/TForm1.pot")),
            0);
  EXPECT_EQ(Gettext(MSGFMT, "--check -o /dev/null " + Path("merged.po")), 0);

  const mltool::PoCatalog merged = mltool::ReadPoFile(Path("merged.po"), *Read("merged.po"));
  ASSERT_EQ(merged.messages.size(), 7u);
  EXPECT_TRUE(merged.messages[4].fuzzy);
  EXPECT_EQ(merged.messages[4].translation,
            "Wyj\xC5\x9B"
            "cie");
  EXPECT_EQ(merged.messages[6].context, "TForm1|Label4");
  EXPECT_EQ(merged.messages[6].translation, "");

  ASSERT_EQ(Run({"po-import", Path("uninst1.form"), Path("merged.po")}), 0) << output.err;
  EXPECT_NE(output.out.find("5 translated; kept out: 1 untranslated, 1 fuzzy"), std::string::npos)
      << output.out;
  std::vector<std::string> expected = mltool::LoadedWindow(changed).Localizer().Words().Items();
  ASSERT_EQ(expected[19],
            "Wyj\xC5\x9B"
            "cie");
  expected[19] = "";  // Button2, fuzzy
  ASSERT_EQ(expected[31], "?");
  expected[31] = "";  // Label4, new
  EXPECT_EQ(mltool::LoadedWindow(*Read("uninst1.form")).Localizer().Words().Items(), expected);
}

struct BrokenFile {
  const char* what;
  const char* from;  // replaced in the exported Polish file
  const char* to;
  const char* error;  // what the message says after the file and line
};

const BrokenFile kBroken[] = {
    {"a string never closed", "msgstr \"Start\"", "msgstr \"Start", "pl.po:40: end-of-line"},
    {"an unknown context", "TForm1|Button2", "TForm1|Button9",
     "pl.po:42: no entry of the window's table has the context \"TForm1|Button9\""},
    {"another window's message", "TForm1|Button2", "TForm2|Button2",
     "pl.po:42: the message is for another window: its context \"TForm2|Button2\""},
    {"a message without context", "msgctxt \"TForm1|Button2\"\n", "",
     "pl.po:42: the message has no context"},
    {"a context twice", "TForm1|Button2", "TForm1|Button1",
     "pl.po:42: a second message for the context \"TForm1|Button1\""},
    {"a message twice", "msgctxt \"TForm1|Button2\"\nmsgid \"Abbrechen\"",
     "msgctxt \"TForm1|Button1\"\nmsgid \"Start\"", "pl.po:43: duplicate message definition"},
    {"plural forms", "msgstr \"Wyj", "msgid_plural \"x\"\nmsgstr[0] \"Wyj",
     "pl.po:42: the message has plural forms"},
    {"another charset", "charset=UTF-8", "charset=ISO-8859-2",
     "pl.po:2: the file's charset is ISO-8859-2"},
    {"bytes that are not UTF-8", "msgstr \"Start\"", "msgstr \"St\xE4rt\"",
     "pl.po:39: bytes that are not UTF-8"},
    {"an escape that makes no UTF-8", "msgstr \"Start\"", "msgstr \"St\\xE4rt\"",
     "pl.po:37: the message's escapes make bytes that are not UTF-8"},
    {"the default language", "X-Table-Language: 2", "X-Table-Language: 0",
     "pl.po: language 0 is the table's default language"},
    {"a language the table lacks", "X-Table-Language: 2", "X-Table-Language: 3",
     "pl.po: the window's table has 3 languages, no language 3"},
    {"no language", "\"X-Table-Language: 2\\n\"\n", "",
     "pl.po: the file does not say which language"},
};

TEST_F(PoFilesTest, ABrokenFileIsRefusedWithItsLineAndWritesNothing) {
  Write("uninst1.form", kUninst1Form);
  Exported(kWindows[0], "po");
  const std::string good = *Read("po/pl.po");
  for (const BrokenFile& c : kBroken) {
    SCOPED_TRACE(c.what);
    std::string bad = good;
    const std::size_t at = bad.find(c.from);
    ASSERT_NE(at, std::string::npos);
    bad.replace(at, std::string(c.from).size(), c.to);
    Write("po/pl.po", bad);
    EXPECT_EQ(Run({"po-import", Path("uninst1.form"), Path("po/pl.po"), "--out", Path("out.form")}),
              1);
    EXPECT_NE(output.err.find(c.error), std::string::npos) << output.err;
    EXPECT_FALSE(Read("out.form").has_value());
  }
  EXPECT_EQ(Read("uninst1.form"), std::string(kUninst1Form));
}

}  // namespace
