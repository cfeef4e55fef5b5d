#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/mltool/ToolError.h"
#include "tools/mltool/TranslationTable.h"

using namespace mltool;

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

// The line a file's error names, or 0 when it reads.
int ErrorLine(const std::string& text, int languages) {
  try {
    ReadTranslationFile(text, languages);
  } catch (const ToolError& e) {
    return e.Line();
  }
  return 0;
}

std::vector<std::string> WordsFromFile(const std::string& text, int languages) {
  return WordsOf(ReadTranslationFile(text, languages));
}

TEST(EntriesTest, WordsDivideIntoEntriesOfAKeyAndATextPerLanguage) {
  tk::TStringList words;
  words.Assign(std::vector<std::string>{"%Form%", "a", "b", "Label1", "c", "d"});
  const Entries entries = EntriesOf(words, 2);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].key, "Label1");
  EXPECT_EQ(entries[1].texts, (std::vector<std::string>{"c", "d"}));
  EXPECT_EQ(WordsOf(entries), words.Items());
}

struct RefusedTable {
  std::vector<std::string> words;
  const char* message;
};

// Extract refuses what merge could not take back: a row without a key is refused, and a row of
// empty fields skipped.
TEST(EntriesTest, WordsThatAreNoWholeEntriesOrLackAKeyAreRefused) {
  const RefusedTable cases[] = {
      {{"%Form%", "a", "b", "Label1", "c"}, "the window's table has 5 lines"},
      {{"%Form%", "a", "b", "", "c", "d"}, "an entry without a key at its line 4"},
      {{"", "", ""}, "an entry without a key at its line 1"},
  };
  for (const RefusedTable& c : cases) {
    tk::TStringList words;
    words.Assign(c.words);
    try {
      EntriesOf(words, 2);
      ADD_FAILURE() << c.message << ": not refused";
    } catch (const ToolError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(EntriesTest, HintKeysInAnyCapitalisationAreContinuations) {
  EXPECT_TRUE(IsHintKey("\".Hint"));
  EXPECT_TRUE(IsHintKey("\".HINT"));
  EXPECT_FALSE(IsHintKey("\""));
  EXPECT_TRUE(IsContinuationKey("\""));
  EXPECT_TRUE(IsContinuationKey("\".hint"));
  EXPECT_FALSE(IsContinuationKey("Label1"));
  EXPECT_FALSE(IsContinuationKey(""));
}

TEST(TranslationFileTest, HeaderNamesTheLanguagesByNumber) {
  Entries entries{{"Label1", {"Eins", "One", "Jeden"}, 0}};
  EXPECT_EQ(WriteTranslationFile(entries, 3),
            std::string(kBom) + "key,0,1,2\r\nLabel1,Eins,One,Jeden\r\n");
}

TEST(TranslationFileTest, RowsBecomeEntriesWithTheirLines) {
  const Entries entries =
      ReadTranslationFile("key,0,1\r\nLabel1,\"a\r\nb\",c\r\n\"\"\"\",x,y\r\n", 2);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].line, 2);
  EXPECT_EQ(entries[1].key, "\"");
  EXPECT_EQ(entries[1].line, 4);
}

TEST(TranslationFileTest, LabelsAfterTheLanguageNumbersAreAccepted) {
  EXPECT_EQ(WordsFromFile("Key,0 Deutsch,1 English\r\nLabel1,a,b\r\n", 2),
            (std::vector<std::string>{"Label1", "a", "b"}));
}

TEST(TranslationFileTest, LineFeedsInsideTextsBecomeCrLf) {
  EXPECT_EQ(WordsFromFile("key,0\nLabel2,\"one\ntwo\r\nthree\rfour\"\n", 1),
            (std::vector<std::string>{"Label2", "one\r\ntwo\r\nthree\rfour"}));
}

TEST(TranslationFileTest, BlankRowsAreSkipped) {
  EXPECT_EQ(WordsFromFile("key,0,1\r\nA,a,b\r\n,,\r\n\r\nB,c,d\r\n,,\r\n", 2),
            (std::vector<std::string>{"A", "a", "b", "B", "c", "d"}));
}

TEST(TranslationFileTest, EmptyTextsStay) {
  EXPECT_EQ(WordsFromFile("key,0,1,2\r\nStatusBar1,,,\r\n", 3),
            (std::vector<std::string>{"StatusBar1", "", "", ""}));
}

TEST(TranslationFileErrorTest, HeaderMustBeginWithKey) {
  EXPECT_EQ(ErrorLine("name,0,1\r\nA,a,b\r\n", 2), 1);
}

TEST(TranslationFileErrorTest, HeaderMustNameAsManyLanguagesAsTheTable) {
  EXPECT_EQ(ErrorLine("key,0,1\r\nA,a,b\r\n", 3), 1);
  EXPECT_EQ(ErrorLine("key,0,1,2,3\r\nA,a,b,c,d\r\n", 3), 1);
}

TEST(TranslationFileErrorTest, HeaderMustNumberTheLanguagesInOrder) {
  EXPECT_EQ(ErrorLine("key,0,2\r\nA,a,b\r\n", 2), 1);
  EXPECT_EQ(ErrorLine("key,0,10\r\nA,a,b\r\n", 2), 1);
  EXPECT_EQ(ErrorLine("key,English,Deutsch\r\nA,a,b\r\n", 2), 1);
}

TEST(TranslationFileErrorTest, EmptyFileNamesLineOne) {
  EXPECT_EQ(ErrorLine("", 2), 1);
}

TEST(TranslationFileErrorTest, RowWithTooFewOrTooManyFieldsNamesItsLine) {
  const std::string head = "key,0,1\r\nA,\"x\r\ny\",b\r\n";
  EXPECT_EQ(ErrorLine(head + "B,only one\r\n", 2), 4);
  EXPECT_EQ(ErrorLine(head + "B,a,b,c\r\n", 2), 4);
}

TEST(TranslationFileErrorTest, EmptyKeyNamesItsLine) {
  EXPECT_EQ(ErrorLine("key,0,1\r\nA,a,b\r\n,c,d\r\n", 2), 3);
}

TEST(TranslationFileErrorTest, CsvErrorsKeepTheirLine) {
  EXPECT_EQ(ErrorLine("key,0,1\r\nA,a,b\r\nB,\"open,d\r\n", 2), 3);
  EXPECT_EQ(ErrorLine("key,0,1\r\nA,a,b\r\nB,\xFF,d\r\n", 2), 3);
}

}  // namespace
