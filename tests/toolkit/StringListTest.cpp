#include <gtest/gtest.h>

#include "base/Errors.h"
#include "toolkit/StringList.h"

using namespace tk;

namespace {

TEST(StringListTest, EditsInPlace) {
  TStringList list;
  list.Add("a");
  list.Add("c");
  list.Insert(1, "b");
  list.Put(0, "A");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], "A");
  EXPECT_EQ(list[1], "b");
  list.Delete(0);
  EXPECT_EQ(list[0], "b");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, OutOfBoundsRaisesTheIndexError) {
  TStringList list;
  list.Add("x");
  try {
    list.Get(5);
    FAIL();
  } catch (const base::EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
  EXPECT_THROW(list.Put(-1, "y"), base::EStringListError);
  EXPECT_THROW(list.Delete(1), base::EStringListError);
  EXPECT_THROW(list.Insert(3, "z"), base::EStringListError);
  EXPECT_NO_THROW(list.Insert(1, "end"));
}

TEST(StringListTest, AssignCopiesItems) {
  TStringList a, b;
  a.Add("1");
  b.Add("x");
  b.Add("y");
  a.Assign(b);
  b.Put(0, "changed");
  EXPECT_EQ(a.Count(), 2);
  EXPECT_EQ(a[0], "x");
}

TEST(StringListTest, CommaSplitKeepsEmptyItems) {
  TStringList list;
  list.SetCommaText("button1,48.160.75.25,,");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[2], "");
  EXPECT_EQ(list[3], "");
  EXPECT_EQ(list.JoinWithCommas(), "button1,48.160.75.25,,");
  TStringList empty;
  EXPECT_EQ(empty.JoinWithCommas(), "");
}

TEST(StringListTest, ObserverSeesEveryChange) {
  TStringList list;
  int changes = 0;
  list.SetObserver([&](StringsChange, int) { ++changes; });
  list.Add("a");
  list.Put(0, "b");
  list.Delete(0);
  EXPECT_EQ(changes, 3);
}

}  // namespace
