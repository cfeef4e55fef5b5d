#include <memory>
#include <utility>
#include <vector>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"

using namespace tk;

namespace {

// A peer that records what it is told.
class RecordingPeer : public ControlPeer {
 public:
  void Changed(Aspect aspect) override { aspects.push_back(aspect); }
  void ItemsChanged(ItemList, ListChange change, int index) override {
    items.emplace_back(change, index);
  }
  std::vector<Aspect> aspects;
  std::vector<std::pair<StringsChange, int>> items;
};

// Gives every control a recording peer.
class RecordingBackend : public HeadlessBackend {
 public:
  std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override {
    auto peer = std::make_unique<RecordingPeer>();
    created.push_back(&control);
    peers.push_back(peer.get());
    return peer;
  }
  std::vector<TControl*> created;
  std::vector<RecordingPeer*> peers;
};

class ControlTest : public HeadlessApp {
 protected:
  ControlTest() { Application().SetBackend(&recording); }
  RecordingBackend recording;
};

TEST_F(ControlTest, TabOrderedPutsOrderedControlsFirst) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* late = new TButton(&form);
  late->SetParent(&form);
  late->SetTabOrder(1);
  auto* unordered = new TListBox(&form);
  unordered->SetParent(&form);
  auto* early = new TButton(&form);
  early->SetParent(&form);
  early->SetTabOrder(0);
  EXPECT_EQ(form.TabOrdered(), (std::vector<TControl*>{early, late, label, unordered}));
}

TEST_F(ControlTest, PeersAreCreatedParentFirstThenInTabOrder) {
  TForm form(nullptr);
  auto* second = new TButton(&form);
  second->SetParent(&form);
  second->SetTabOrder(1);
  auto* first = new TButton(&form);
  first->SetParent(&form);
  first->SetTabOrder(0);
  form.HandleNeeded();
  EXPECT_EQ(recording.created, (std::vector<TControl*>{&form, first, second}));
}

TEST_F(ControlTest, ListBoxPeerHearsEachItemChange) {
  TForm form(nullptr);
  auto* list = new TListBox(&form);
  list->SetParent(&form);
  list->Items().Add("a");
  form.HandleNeeded();
  auto* peer = static_cast<RecordingPeer*>(list->Peer());
  list->Items().Add("b");
  list->Items().Insert(0, "c");
  list->Items().Put(1, "d");
  list->Items().Delete(2);
  list->Items().Clear();
  using C = StringsChange;
  EXPECT_EQ(peer->items,
            (std::vector<std::pair<C, int>>{
                {C::Insert, 1}, {C::Insert, 0}, {C::Put, 1}, {C::Delete, 2}, {C::Reset, -1}}));
}

}  // namespace
