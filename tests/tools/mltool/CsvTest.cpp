#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/mltool/Csv.h"

using mltool::CsvError;
using mltool::ReadCsv;
using mltool::WriteCsv;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Fields(const std::vector<mltool::CsvRecord>& records) {
  Rows rows;
  for (const auto& r : records) rows.push_back(r.fields);
  return rows;
}

int ErrorLine(const std::string& text) {
  try {
    ReadCsv(text);
  } catch (const CsvError& e) {
    return e.Line();
  }
  return 0;
}

TEST(CsvWriteTest, StartsWithByteOrderMarkAndEndsRecordsWithCrLf) {
  EXPECT_EQ(WriteCsv({{"key", "0"}, {"a", "b"}}), "\xEF\xBB\xBFkey,0\r\na,b\r\n");
}

TEST(CsvWriteTest, QuotesFieldsWithSeparatorsQuotesAndLineBreaks) {
  EXPECT_EQ(WriteCsv({{"a,b", "say \"hi\"", "x\r\ny", "semi;colon", "tab\there", "\""}}),
            "\xEF\xBB\xBF\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\",\"semi;colon\",\"tab\there\","
            "\"\"\"\"\r\n");
}

TEST(CsvWriteTest, QuotesFieldsWithBlanksAtTheirEnds) {
  EXPECT_EQ(WriteCsv({{"  indented", "trailing ", "in side"}}),
            "\xEF\xBB\xBF\"  indented\",\"trailing \",in side\r\n");
}

TEST(CsvWriteTest, EmptyFieldsAreLeftEmpty) {
  EXPECT_EQ(WriteCsv({{"", "", "x", ""}}), "\xEF\xBB\xBF,,x,\r\n");
}

TEST(CsvReadTest, ReadsBackWhatIsWritten) {
  const Rows rows{{"key", "0", "1"},
                  {"\"", "Zeile 1\r\nZeile 2", ""},
                  {"\".Hint", "a, \"b\"", "  x  "},
                  {"Label3",
                   "\xC5\x9A"
                   "cie\xC5\xBC"
                   "ka",
                   "\xF0\x9F\x98\x80"}};
  EXPECT_EQ(Fields(ReadCsv(WriteCsv(rows))), rows);
}

TEST(CsvReadTest, ByteOrderMarkIsOptional) {
  EXPECT_EQ(Fields(ReadCsv("\xEF\xBB\xBF"
                           "a,b\r\n")),
            (Rows{{"a", "b"}}));
  EXPECT_EQ(Fields(ReadCsv("a,b\r\n")), (Rows{{"a", "b"}}));
}

TEST(CsvReadTest, AcceptsLineFeedAndCarriageReturnLineEnds) {
  EXPECT_EQ(Fields(ReadCsv("a,b\nc,d\re,f")), (Rows{{"a", "b"}, {"c", "d"}, {"e", "f"}}));
}

TEST(CsvReadTest, KeepsLineBreaksInsideQuotesAsTheyAre) {
  EXPECT_EQ(Fields(ReadCsv("k,\"one\r\ntwo\nthree\"\r\n")), (Rows{{"k", "one\r\ntwo\nthree"}}));
}

TEST(CsvReadTest, RecordsKnowTheLineTheyBeginOn) {
  const auto records = ReadCsv("h,h\r\na,\"x\r\ny\r\nz\"\r\nb,c\r\n\r\nd,e");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2].line, 5);
  EXPECT_EQ(records[3].line, 6);
  EXPECT_EQ(records[3].fields, (std::vector<std::string>{""}));
  EXPECT_EQ(records[4].line, 7);
}

TEST(CsvReadTest, EmptyFieldsAndQuotedEmptyFields) {
  EXPECT_EQ(Fields(ReadCsv(",\"\",x,\r\n")), (Rows{{"", "", "x", ""}}));
}

TEST(CsvReadTest, SeparatorIsTakenFromTheFirstLine) {
  EXPECT_EQ(Fields(ReadCsv("key;0;1\r\nLabel1;a,b;c\r\n")),
            (Rows{{"key", "0", "1"}, {"Label1", "a,b", "c"}}));
  EXPECT_EQ(Fields(ReadCsv("key\t0\nx\ty;z\n")), (Rows{{"key", "0"}, {"x", "y;z"}}));
  // A quoted comma on the first line is no separator.
  EXPECT_EQ(Fields(ReadCsv("\"a,b\";c\n")), (Rows{{"a,b", "c"}}));
}

TEST(CsvReadTest, EmptyTextHasNoRecords) {
  EXPECT_TRUE(ReadCsv("").empty());
}

TEST(CsvReadErrorTest, UnclosedQuoteNamesTheLineItOpensOn) {
  EXPECT_EQ(ErrorLine("a,b\r\nc,\"open\r\nmore\r\n"), 2);
}

TEST(CsvReadErrorTest, QuoteInsideAnUnquotedField) {
  EXPECT_EQ(ErrorLine("a,b\r\nc,d\r\n5\" screen,x\r\n"), 3);
}

TEST(CsvReadErrorTest, TextAfterAClosingQuoteNamesItsLine) {
  EXPECT_EQ(ErrorLine("a,b\r\na,\"x\"z,b\r\n"), 2);
}

TEST(CsvReadErrorTest, AQuotedFieldRunningOverLinesNamesTheLineItBeginsOn) {
  // A missing closing quote on line 2; the next field's opening quote closes the field.
  EXPECT_EQ(ErrorLine("a,b\r\nc,\"open\r\nd,\"e\"\r\n"), 2);
}

TEST(CsvReadErrorTest, BytesThatAreNotUtf8NameTheirLine) {
  EXPECT_EQ(ErrorLine("a,b\r\nc,d\r\ne,caf\xE9\r\n"), 3);  // Latin-1
  EXPECT_EQ(ErrorLine("a\r\n\xC0\xAF\r\n"), 2);            // overlong
  EXPECT_EQ(ErrorLine("a\n\n\xED\xA0\x80\n"), 3);          // a surrogate
  EXPECT_EQ(ErrorLine("a,\"x\ny\",\xC5"), 2);              // cut short at the end
  EXPECT_EQ(ErrorLine("\xF4\x90\x80\x80"), 1);             // beyond U+10FFFF
  EXPECT_EQ(ErrorLine("ok \xC5\x9B \xE2\x82\xAC \xF0\x9F\x98\x80\n"), 0);
}

}  // namespace
