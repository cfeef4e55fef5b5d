#include <gtest/gtest.h>

#include "platform/CaseFold.h"

namespace {

TEST(CaseFoldTest, MatchesLettersOfTheProductLanguages) {
  EXPECT_TRUE(plat::SameName("Vuvavoredir Menü", "VUVAVOREDIR MENÜ"));
  EXPECT_TRUE(plat::SameName("ŚCIEŻKA ĄĘŁŃÓŹ", "ścieżka ąęłńóź"));
  EXPECT_TRUE(plat::SameName("ÿ", "Ÿ"));
}

TEST(CaseFoldTest, KeepsDifferentLettersApart) {
  EXPECT_FALSE(plat::SameName("u", "ü"));
  EXPECT_FALSE(plat::SameName("ß", "SS"));
  EXPECT_FALSE(plat::SameName("÷", "×"));  // neither is a letter
  EXPECT_FALSE(plat::SameName("ab", "abc"));
}

}  // namespace
