#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/Properties.h"
#include "toolkit/ValEdit.h"

using namespace tk;

namespace {

using ValEditTest = PeerApp;

TEST_F(ValEditTest, ShowsTitlesAboveKeysAndValues) {
  TValueListEditor editor(nullptr);
  editor.Strings().Add("Colour=red");
  editor.Strings().Add("Size=10");
  EXPECT_EQ(editor.Cells(0, 0), "Key");
  EXPECT_EQ(editor.Cells(1, 0), "Value");
  EXPECT_EQ(editor.Cells(0, 2), "Size");
  EXPECT_EQ(editor.Cells(1, 1), "red");
  EXPECT_EQ(editor.Keys(1), "Colour");
  EXPECT_EQ(editor.Values("size"), "10");
}

TEST_F(ValEditTest, RowsFollowTheStrings) {
  TValueListEditor editor(nullptr);
  EXPECT_EQ(editor.RowCount(), 2);  // the title row and one empty row
  for (const char* s : {"a=1", "b=2", "c=3"}) editor.Strings().Add(s);
  EXPECT_EQ(editor.RowCount(), 4);
  editor.Strings().Clear();
  EXPECT_EQ(editor.RowCount(), 2);
}

TEST_F(ValEditTest, TitleCaptionsChangeWithoutARefresh) {
  TValueListEditor editor(nullptr);
  const int before = editor.RefreshCount();
  editor.TitleCaptions().Put(0, "Schlüssel");
  EXPECT_EQ(editor.Cells(0, 0), "Schlüssel");
  EXPECT_EQ(editor.RefreshCount(), before);
  editor.StringsChanged();
  EXPECT_EQ(editor.RefreshCount(), before + 1);
}

TEST_F(ValEditTest, RefreshRepaintsThroughThePeer) {
  TValueListEditor editor(nullptr);
  Show(editor);
  editor.TitleCaptions().Put(1, "Wert");
  editor.StringsChanged();
  EXPECT_EQ(notes(), (std::vector<PeerNote>{
                         ItemsNote(editor, ItemList::TitleCaptions, ListChange::Put, 1),
                         AspectNote(editor, Aspect::Repaint),
                     }));
}

TEST_F(ValEditTest, ListsArePublishedAndStoredWithItems) {
  TValueListEditor editor(nullptr);
  const PropInfo* titles = FindProperty(editor, "TitleCaptions", PropKind::Object);
  const PropInfo* strings = FindProperty(editor, "Strings", PropKind::Object);
  ASSERT_NE(titles, nullptr);
  ASSERT_NE(strings, nullptr);
  EXPECT_TRUE(IsPropertyStored(editor, *titles));
  EXPECT_FALSE(IsPropertyStored(editor, *strings));
}

}  // namespace
