#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "toolkit/Collections.h"

using namespace tk;

namespace {

class TNote : public TCollectionItem {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) {
    text_ = text;
    Changed();
  }

 private:
  std::string text_;
};

class TNotes : public TOwnedCollection<TNote> {};

using Seen = std::vector<std::pair<ListChange, int>>;

struct Watched {
  Watched() {
    notes.SetObserver([this](ListChange c, int i) { seen.emplace_back(c, i); });
  }
  TNotes notes;
  Seen seen;
};

TEST(CollectionsTest, ItemsKnowTheirIndexAcrossInsertsAndDeletes) {
  TNotes notes;
  TNote* a = notes.Add();
  TNote* c = notes.Add();
  TNote* b = notes.Insert(1);
  EXPECT_EQ(notes.Count(), 3);
  EXPECT_EQ(a->Index(), 0);
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(c->Index(), 2);
  notes.Delete(0);
  EXPECT_EQ(notes[0], b);
  EXPECT_EQ(c->Index(), 1);
  EXPECT_EQ(c->Collection(), &notes);
}

TEST(CollectionsTest, IndexOutsideRaisesTheListIndexError) {
  TNotes notes;
  notes.Add();
  try {
    notes.Items(1);
    FAIL();
  } catch (const base::EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (1)");
  }
  EXPECT_THROW(notes.Delete(-1), base::EStringListError);
  EXPECT_THROW(notes.Insert(3), base::EStringListError);
}

TEST(CollectionsTest, ObserverHearsEachChangeWithItsIndex) {
  Watched w;
  w.notes.Add();
  TNote* second = w.notes.Add();
  w.notes.Insert(0);
  second->SetText("x");  // now at index 2
  w.notes.Delete(0);
  w.notes.Clear();
  EXPECT_EQ(w.seen, (Seen{{ListChange::Insert, 0},
                          {ListChange::Insert, 1},
                          {ListChange::Insert, 0},
                          {ListChange::Put, 2},
                          {ListChange::Delete, 0},
                          {ListChange::Reset, -1}}));
}

TEST(CollectionsTest, UpdatesAreGatheredIntoOneReset) {
  Watched w;
  w.notes.BeginUpdate();
  w.notes.BeginUpdate();
  w.notes.Add()->SetText("a");
  w.notes.Add();
  w.notes.EndUpdate();
  EXPECT_TRUE(w.seen.empty());
  w.notes.EndUpdate();
  EXPECT_EQ(w.seen, (Seen{{ListChange::Reset, -1}}));
}

TEST(CollectionsTest, AnUpdateWithoutChangesSaysNothing) {
  Watched w;
  w.notes.BeginUpdate();
  w.notes.EndUpdate();
  w.notes.EndUpdate();  // unbalanced: ignored
  EXPECT_TRUE(w.seen.empty());
}

TEST(CollectionsTest, ClearingAnEmptyCollectionSaysNothing) {
  Watched w;
  w.notes.Clear();
  EXPECT_TRUE(w.seen.empty());
}

}  // namespace
