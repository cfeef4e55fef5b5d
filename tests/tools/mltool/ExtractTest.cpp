#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "multilang/MLang.h"
#include "tests/support/HeadlessApp.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"
#include "tools/mltool/Extract.h"

using namespace mltool;

namespace {

using Row = CollectedBlock::Row;

std::vector<std::string> Keys(const Entries& entries) {
  std::vector<std::string> keys;
  for (const Entry& e : entries) keys.push_back(e.key);
  return keys;
}

// A window with a label, a list box, an image without a hint and its localization component.
class CollectTest : public HeadlessApp {
 protected:
  CollectTest() : form(nullptr) {
    form.SetName("Form1");
    form.SetCaption("Fenster");
    label = tk::NewComponent<tk::TLabel>(&form, "Label1");
    label->SetCaption("Hallo");
    tk::NewComponent<tk::TImage>(&form, "Image1");
    list = tk::NewComponent<tk::TListBox>(&form, "ListBox1");
    list->Items().Assign(std::vector<std::string>{"a", "b"});
    list->SetHint("Liste");
    ml = tk::NewComponent<ml::TMultiLang>(&form, "MultiLang1");
    ml->ChangeLanguageCount(3);
  }

  tk::TForm form;
  tk::TLabel* label;
  tk::TListBox* list;
  ml::TMultiLang* ml;
};

TEST_F(CollectTest, WindowFirstThenOwnedComponentsWithTexts) {
  const std::vector<CollectedBlock> blocks = CollectWindowTexts(*ml);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_TRUE(blocks[0].isWindow);
  EXPECT_EQ(blocks[0].name, "Form1");
  ASSERT_EQ(blocks[0].rows.size(), 1u);
  EXPECT_EQ(blocks[0].rows[0].key, "%Form%");
  EXPECT_EQ(blocks[0].rows[0].text, "Fenster");
  EXPECT_EQ(blocks[1].name, "Label1");
  EXPECT_FALSE(blocks[1].isWindow);
  EXPECT_EQ(blocks[2].name, "ListBox1");
}

// No key could name it, and merge refuses rows without a key.
TEST_F(CollectTest, ComponentsWithoutANameGiveNoBlock) {
  tk::NewComponent<tk::TLabel>(&form, "")->SetCaption("unnamed");
  const std::vector<CollectedBlock> blocks = CollectWindowTexts(*ml);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[2].name, "ListBox1");
}

TEST_F(CollectTest, BlockRowsKeepTheirKeysAndTexts) {
  const CollectedBlock list = CollectWindowTexts(*ml)[2];
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].key, "ListBox1");
  EXPECT_EQ(list.rows[0].text, "a");
  EXPECT_EQ(list.rows[1].key, "\"");
  EXPECT_EQ(list.rows[1].text, "b");
  EXPECT_EQ(list.rows[2].key, "\".Hint");
  EXPECT_EQ(list.rows[2].text, "Liste");
}

TEST_F(CollectTest, TextsAreReadFromTheActiveLanguagesColumn) {
  ml->Words().Assign(std::vector<std::string>{"Label1", "Hallo", "Hello", "Cze\xC5\x9B\xC4\x87"});
  ml->SwitchLanguage(2);
  label->SetCaption("Witaj");
  EXPECT_EQ(CollectWindowTexts(*ml)[1].rows[0].text, "Witaj");
}

// Lining the collected texts up with the table.

const Entries kTable{
    {"%Form%", {"Fenster", "Window"}, 0},
    {"Button1", {"Start", "Start"}, 0},
    {"Label1", {"Hallo", "Hello"}, 0},
};

CollectedBlock Block(const std::string& name, std::vector<Row> rows, bool isWindow = false) {
  return CollectedBlock{name, isWindow, std::move(rows)};
}

TEST(LineUpTest, TableOrderAndEveryLanguageOfTheTableStay) {
  const std::vector<CollectedBlock> collected{
      Block("Label1", {{"Label1", "Hallo"}}),
      Block("Form1", {{"%Form%", "Fenster"}}, true),
      Block("Button1", {{"Button1", "Start"}}),
  };
  const Extraction e = LineUp(kTable, collected, 2, 0, false);
  EXPECT_EQ(Keys(e.entries), (std::vector<std::string>{"%Form%", "Button1", "Label1"}));
  EXPECT_EQ(e.entries[2].texts, (std::vector<std::string>{"Hallo", "Hello"}));
  EXPECT_TRUE(e.leftOut.empty());
}

TEST(LineUpTest, TheTablesTextWinsOverTheControlsText) {
  const Extraction e = LineUp(kTable, {Block("Label1", {{"Label1", "designed"}})}, 2, 0, false);
  EXPECT_EQ(e.entries[2].texts[0], "Hallo");
}

TEST(LineUpTest, EntriesThatNameNoComponentStayWhereTheyAre) {
  const Entries table{
      {"\"", {"stray"}, 0}, {"Gone1", {"x"}, 0}, {"\"", {"y"}, 0}, {"Label1", {"a"}, 0}};
  const Extraction e = LineUp(table, {Block("Label1", {{"Label1", "a"}})}, 1, 0, false);
  EXPECT_EQ(WordsOf(e.entries), WordsOf(table));
}

TEST(LineUpTest, ComponentsMissingFromTheTableAreNamedAndLeftOut) {
  const std::vector<CollectedBlock> collected{
      Block("Label1", {{"Label1", "Hallo"}}),
      Block("ListBox1", {{"ListBox1", "VLC"}, {"\"", "VLC\\http"}}),
  };
  const Extraction e = LineUp(kTable, collected, 2, 0, false);
  EXPECT_EQ(e.entries.size(), 3u);
  EXPECT_EQ(e.leftOut, (std::vector<std::string>{"ListBox1"}));
}

TEST(LineUpTest, NewComponentsAreAddedAfterTheTableInTheActiveLanguage) {
  const std::vector<CollectedBlock> collected{
      Block("Label2", {{"Label2", "Zwei"}}),
      Block("ListBox1", {{"ListBox1", "one"}, {"\"", "two"}}),
  };
  const Extraction e = LineUp(kTable, collected, 2, 1, true);
  EXPECT_EQ(Keys(e.entries),
            (std::vector<std::string>{"%Form%", "Button1", "Label1", "Label2", "ListBox1", "\""}));
  EXPECT_EQ(e.entries[3].texts, (std::vector<std::string>{"", "Zwei"}));
  EXPECT_EQ(e.entries[5].texts, (std::vector<std::string>{"", "two"}));
  EXPECT_TRUE(e.leftOut.empty());
}

TEST(LineUpTest, ItemsBeyondTheTablesBlockAreAddedBeforeItsHint) {
  const Entries table{{"ListBox1", {"eins", "one"}, 0},
                      {"\".Hint", {"Liste", "List"}, 0},
                      {"Label1", {"Hallo", "Hello"}, 0}};
  const std::vector<CollectedBlock> collected{Block(
      "ListBox1", {{"ListBox1", "eins"}, {"\"", "zwei"}, {"\"", "drei"}, {"\".Hint", "Liste"}})};
  const Extraction e = LineUp(table, collected, 2, 0, false);
  EXPECT_EQ(Keys(e.entries),
            (std::vector<std::string>{"ListBox1", "\"", "\"", "\".Hint", "Label1"}));
  EXPECT_EQ(e.entries[1].texts, (std::vector<std::string>{"zwei", ""}));
  EXPECT_EQ(e.entries[2].texts, (std::vector<std::string>{"drei", ""}));
  EXPECT_EQ(e.entries[3].texts, (std::vector<std::string>{"Liste", "List"}));
}

TEST(LineUpTest, AHintTheTableLacksIsAddedAtTheBlocksEnd) {
  const Entries table{{"Image1", {"", ""}, 0}, {"Label1", {"Hallo", "Hello"}, 0}};
  const std::vector<CollectedBlock> collected{
      Block("Image1", {{"Image1", ""}, {"\".Hint", "Bild"}})};
  const Extraction e = LineUp(table, collected, 2, 0, false);
  EXPECT_EQ(Keys(e.entries), (std::vector<std::string>{"Image1", "\".Hint", "Label1"}));
  EXPECT_EQ(e.entries[1].texts, (std::vector<std::string>{"Bild", ""}));
}

TEST(LineUpTest, ATableBlockLongerThanTheComponentsRowsStaysWhole) {
  const Entries table{{"ListBox1", {"a"}, 0}, {"\"", {"b"}, 0}, {"\"", {"c"}, 0}};
  const Extraction e = LineUp(table, {Block("ListBox1", {{"ListBox1", "a"}})}, 1, 0, false);
  EXPECT_EQ(WordsOf(e.entries), WordsOf(table));
}

TEST(LineUpTest, ComponentNamesMatchWithoutRegardToCase) {
  const Entries table{{"label1", {"Hallo"}, 0}};
  const Extraction e = LineUp(table, {Block("Label1", {{"Label1", "Hallo"}})}, 1, 0, false);
  EXPECT_TRUE(e.leftOut.empty());
}

TEST(LineUpTest, OnlyTheFormKeyClaimsTheWindowsTexts) {
  const Entries table{{"Form1", {"x"}, 0}, {"%form%", {"y"}, 0}};
  const Extraction e = LineUp(table, {Block("Form1", {{"%Form%", "Fenster"}}, true)}, 1, 0, false);
  EXPECT_EQ(e.leftOut, (std::vector<std::string>{"Form1"}));
}

TEST(LineUpTest, ASecondBlockOfTheSameComponentIsNotExtended) {
  const Entries table{{"ListBox1", {"a"}, 0}, {"ListBox1", {"x"}, 0}};
  const std::vector<CollectedBlock> collected{Block("ListBox1", {{"ListBox1", "a"}, {"\"", "b"}})};
  const Extraction e = LineUp(table, collected, 1, 0, false);
  EXPECT_EQ(Keys(e.entries), (std::vector<std::string>{"ListBox1", "\"", "ListBox1"}));
}

}  // namespace
