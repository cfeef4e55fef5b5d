#include <vector>

#include "tests/support/RecordingPeers.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"

using namespace tk;

namespace {

using ExtCtrlsTest = PeerApp;

TEST_F(ExtCtrlsTest, EditLabelIsASubObjectOwnedByTheEdit) {
  TForm form(nullptr);
  auto* edit = NewComponent<TLabeledEdit>(&form, "LabeledEdit1");
  TObject* label = GetObjectProp(*edit, "EditLabel");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label, edit->EditLabel());
  EXPECT_EQ(edit->EditLabel()->Owner(), edit);
  EXPECT_EQ(form.OwnedCount(), 1);  // the window's walk never meets the label on its own
  SetStrProp(*label, "Caption", "Name:");
  EXPECT_EQ(edit->EditLabel()->Caption(), "Name:");
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(ExtCtrlsTest, EditLabelGoesWithTheEditsParentAndSitsAboveIt) {
  TForm form(nullptr);
  auto* edit = NewComponent<TLabeledEdit>(&form, "LabeledEdit1");
  edit->SetParent(&form);
  edit->SetBounds(10, 40, 120, 21);
  TBoundLabel* label = edit->EditLabel();
  EXPECT_EQ(label->Parent(), &form);
  EXPECT_EQ(label->Left(), 10);
  EXPECT_EQ(label->Top() + label->Height() + edit->LabelSpacing(), 40);
  edit->SetLabelPosition(lpRight);
  EXPECT_EQ(label->Left(), 10 + 120 + 3);
}

TEST_F(ExtCtrlsTest, DestroyingALabeledEditTakesItsLabelOffTheWindow) {
  TForm form(nullptr);
  auto* edit = NewComponent<TLabeledEdit>(&form, "LabeledEdit1");
  edit->SetParent(&form);
  ASSERT_EQ(form.ControlCount(), 2);
  delete edit;
  EXPECT_EQ(form.ControlCount(), 0);
}

TEST_F(ExtCtrlsTest, EditLabelCaptionReachesTheLabelsOwnPeer) {
  TForm form(nullptr);
  auto* edit = NewComponent<TLabeledEdit>(&form, "LabeledEdit1");
  edit->SetParent(&form);
  Show(form);
  edit->EditLabel()->SetCaption("Name:");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{AspectNote(*edit->EditLabel(), Aspect::Text)}));
}

TEST_F(ExtCtrlsTest, RadioGroupKeepsItsCheckedButtonWhenItemsAreRenamed) {
  TRadioGroup group(nullptr);
  group.Items().Add("a");
  group.Items().Add("b");
  group.SetItemIndex(1);
  group.Items().Put(1, "B");
  EXPECT_EQ(group.ItemIndex(), 1);
  group.Items().Delete(0);
  EXPECT_EQ(group.ItemIndex(), 0);
  group.SetItemIndex(7);
  EXPECT_EQ(group.ItemIndex(), -1);
}

TEST_F(ExtCtrlsTest, RadioGroupItemChangesReachThePeer) {
  TRadioGroup group(nullptr);
  group.Items().Add("a");
  Show(group);
  group.Items().Put(0, "b");
  SetStrProp(group, "Caption", "Mode");
  EXPECT_EQ(notes(), (std::vector<PeerNote>{ItemsNote(group, ItemList::Items, ListChange::Put, 0),
                                            AspectNote(group, Aspect::Text)}));
}

TEST_F(ExtCtrlsTest, NotebookShowsAPageOnceItHasOne) {
  TNotebook book(nullptr);
  EXPECT_EQ(book.PageIndex(), -1);
  book.Pages().Add("First");
  book.Pages().Add("Second");
  EXPECT_EQ(book.PageIndex(), 0);
  book.SetActivePage("Second");
  EXPECT_EQ(book.PageIndex(), 1);
  book.SetActivePage("None");
  EXPECT_EQ(book.ActivePage(), "Second");
}

TEST_F(ExtCtrlsTest, NotebookKeepsShowingTheSamePageAcrossEdits) {
  TNotebook book(nullptr);
  for (const char* p : {"a", "b", "c"}) book.Pages().Add(p);
  book.SetPageIndex(1);
  book.Pages().Insert(0, "z");
  EXPECT_EQ(book.ActivePage(), "b");
  book.Pages().Put(2, "B");
  EXPECT_EQ(book.ActivePage(), "B");
  book.Pages().Delete(3);
  book.Pages().Delete(2);  // the page that showed: its neighbour shows
  EXPECT_EQ(book.ActivePage(), "a");
  book.Pages().Clear();
  EXPECT_EQ(book.PageIndex(), -1);
}

TEST_F(ExtCtrlsTest, HeaderSectionChangesReachThePeer) {
  THeader header(nullptr);
  Show(header);
  header.Sections().Add("Name");
  EXPECT_EQ(notes(),
            (std::vector<PeerNote>{ItemsNote(header, ItemList::Sections, ListChange::Insert, 0)}));
}

}  // namespace
