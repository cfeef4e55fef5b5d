#include <gtest/gtest.h>

#include "tools/uidriver/TextFormat.h"

using namespace uidriver;

namespace {

TEST(EscapeTest, LineBreaksTabsAndBackslashesAreEscaped) {
  EXPECT_EQ(Escape("a\r\nb"), "a\\r\\nb");
  EXPECT_EQ(Escape("c:\\temp\tx"), "c:\\\\temp\\tx");
  EXPECT_EQ(Escape("\xC5\x9A"
                   "cie\xC5\xBCka"),
            "\xC5\x9A"
            "cie\xC5\xBCka");
  EXPECT_EQ(Escape(""), "");
}

TEST(LineTest, FieldsAreTabSeparatedAndTheLineEnded) {
  EXPECT_EQ(Line({"control", "Button", "", "1"}), "control\tButton\t\t1\n");
  EXPECT_EQ(Line({"one"}), "one\n");
}

TEST(LabelTest, AccessKeyMarksMayBeLeftOut) {
  EXPECT_EQ(WithoutAccessKeys("&Yes"), "Yes");
  EXPECT_EQ(WithoutAccessKeys("Save && close"), "Save & close");
  EXPECT_EQ(WithoutAccessKeys("OK"), "OK");
  EXPECT_TRUE(SameLabel("&No", "&No"));
  EXPECT_TRUE(SameLabel("&No", "No"));
  EXPECT_FALSE(SameLabel("&No", "Now"));
  EXPECT_FALSE(SameLabel("No", "&No"));
}

TEST(IsCentredTest, WithinAPixelOfTheAreasCentre) {
  const Box area{0, 0, 1280, 1024};
  EXPECT_TRUE(IsCentred(Box{452, 381, 829, 643}, area));  // centre 640.5, 512
  EXPECT_TRUE(IsCentred(Box{453, 381, 829, 643}, area));
  EXPECT_FALSE(IsCentred(Box{440, 381, 817, 643}, area));
  EXPECT_FALSE(IsCentred(Box{452, 300, 829, 562}, area));
  EXPECT_TRUE(IsCentred(Box{110, 20, 210, 60}, Box{100, 0, 220, 80}));
}

TEST(ParseSecondsTest, NumbersOrTheFallback) {
  double seconds = -1;
  EXPECT_TRUE(ParseSeconds("", 10, seconds));
  EXPECT_EQ(seconds, 10);
  EXPECT_TRUE(ParseSeconds("2.5", 10, seconds));
  EXPECT_EQ(seconds, 2.5);
  EXPECT_FALSE(ParseSeconds("soon", 10, seconds));
  EXPECT_FALSE(ParseSeconds("3s", 10, seconds));
  EXPECT_FALSE(ParseSeconds("-1", 10, seconds));
}

}  // namespace
