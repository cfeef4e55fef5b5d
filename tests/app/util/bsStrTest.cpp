#include <gtest/gtest.h>

#include "app/util/bsStr.h"

namespace {

using app::ExtractField;

TEST(ExtractFieldTest, CutsFieldsBetweenSeparators) {
  EXPECT_EQ(ExtractField("a\tb", '\t', 1), "a");
  EXPECT_EQ(ExtractField("a\tb", '\t', 2), "b");
  EXPECT_EQ(ExtractField("one\t\tthree", '\t', 2), "");
  EXPECT_EQ(ExtractField("one\t\tthree", '\t', 3), "three");
  EXPECT_EQ(ExtractField("\tlead", '\t', 1), "");
  EXPECT_EQ(ExtractField("\tlead", '\t', 2), "lead");
}

TEST(ExtractFieldTest, TextWithoutSeparatorIsTheFirstField) {
  EXPECT_EQ(ExtractField("VLC\\http\\old", '\t', 1), "VLC\\http\\old");
}

TEST(ExtractFieldTest, TrailingSeparatorEndsTheField) {
  EXPECT_EQ(ExtractField("VLC\\locale\\de\t", '\t', 1), "VLC\\locale\\de");
  EXPECT_EQ(ExtractField("x\t", '\t', 1), "x");
  EXPECT_EQ(ExtractField("x\t", '\t', 2), "");
}

TEST(ExtractFieldTest, EmptyTextGivesEmptyField) {
  EXPECT_EQ(ExtractField("", '\t', 1), "");
}

TEST(ExtractFieldTest, FieldNumbersOutsideTheTextGiveEmpty) {
  EXPECT_EQ(ExtractField("a\tb", '\t', 0), "");
  EXPECT_EQ(ExtractField("a\tb", '\t', -1), "");
  EXPECT_EQ(ExtractField("a\tb", '\t', -32768), "");
  EXPECT_EQ(ExtractField("a\tb", '\t', 3), "");
  EXPECT_EQ(ExtractField("a\tb", '\t', 32767), "");
}

TEST(ExtractFieldTest, OtherSeparatorsAndMultiByteText) {
  EXPECT_EQ(ExtractField("Menü;Planungsprogramm;Ścieżka", ';', 3), "Ścieżka");
  EXPECT_EQ(ExtractField("a\tb;c", ';', 1), "a\tb");
}

}  // namespace
