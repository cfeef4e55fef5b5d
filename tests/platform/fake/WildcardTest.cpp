#include <gtest/gtest.h>

#include "platform/fake/Wildcard.h"

namespace {

using plat::MatchesWildcard;

TEST(WildcardTest, StarDotStarMatchesEveryName) {
  for (const char32_t* name : {U"a", U"a.b", U".", U"..", U"NO.EXT.HERE", U"X"}) {
    EXPECT_TRUE(MatchesWildcard(U"*.*", name));
    EXPECT_TRUE(MatchesWildcard(U"*", name));
  }
}

TEST(WildcardTest, StarAndQuestionMark) {
  EXPECT_TRUE(MatchesWildcard(U"*.TXT", U"A.B.TXT"));
  EXPECT_FALSE(MatchesWildcard(U"*.TXT", U"A.TXTX"));
  EXPECT_TRUE(MatchesWildcard(U"?.LOG", U"Ü.LOG"));
  EXPECT_FALSE(MatchesWildcard(U"?.LOG", U"AB.LOG"));
  EXPECT_TRUE(MatchesWildcard(U"A*B*C", U"AXXBYYBC"));
  EXPECT_FALSE(MatchesWildcard(U"A*B*C", U"AXXBYY"));
}

TEST(WildcardTest, DotStarAlsoMatchesNamesWithoutExtension) {
  EXPECT_TRUE(MatchesWildcard(U"README.*", U"README"));
  EXPECT_TRUE(MatchesWildcard(U"README.*", U"README.MD"));
  EXPECT_FALSE(MatchesWildcard(U"README.*", U"READ"));
}

}  // namespace
