#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/Notebooks.h"
#include "toolkit/Properties.h"
#include "toolkit/Tabs.h"

using namespace tk;

namespace {

using TabsTest = PeerApp;

TEST_F(TabsTest, TabSetTabsAreAStringListByName) {
  TTabSet tabs(nullptr);
  auto* list = DynamicCast<TStrings>(GetObjectProp(tabs, "Tabs"));
  ASSERT_EQ(list, &tabs.Tabs());
  list->Add("One");
  EXPECT_EQ(tabs.TabIndex(), 0);
}

TEST_F(TabsTest, TabbedNotebookPagesAreItsTabs) {
  TTabbedNotebook book(nullptr);
  auto* pages = DynamicCast<TStrings>(GetObjectProp(book, "Pages"));
  ASSERT_EQ(pages, &book.Pages());
  pages->Add("General");
  pages->Add("Extra");
  EXPECT_EQ(book.Tabs().Count(), 2);
  book.SetActivePage("Extra");
  EXPECT_EQ(book.PageIndex(), 1);
  pages->Put(1, "Mehr");
  EXPECT_EQ(book.ActivePage(), "Mehr");
}

TEST_F(TabsTest, TabbedNotebookChangesReachThePeerAsPages) {
  TTabbedNotebook book(nullptr);
  book.Pages().Add("a");
  Show(book);
  book.Pages().Put(0, "b");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{ItemsNote(book, ItemList::Pages, ListChange::Put, 0)}));
}

}  // namespace
