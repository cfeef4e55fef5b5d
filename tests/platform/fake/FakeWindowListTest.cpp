#include <gtest/gtest.h>

#include "platform/fake/FakeWindowList.h"

namespace {

TEST(FakeWindowListTest, TitlesAreCutLikeTheSystemReadsThem) {
  plat::FakeWindowList windows;
  std::string longTitle(250, 'x');
  longTitle += "Menü 6.1";
  windows.SetTitles({"", "Vuvavoredir Menü 6.1", longTitle});
  const std::vector<std::string> titles = windows.Titles();
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[0], "");
  EXPECT_EQ(titles[1], "Vuvavoredir Menü 6.1");
  EXPECT_EQ(titles[2], std::string(250, 'x') + "Menü ");
}

}  // namespace
