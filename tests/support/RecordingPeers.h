// A test fixture whose backend gives every control a peer that records what it was told, so
// tests can check the notifications that a native control would act on.
#pragma once

#include <memory>
#include <vector>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Control.h"

struct PeerNote {
  const tk::TControl* control;
  bool items;  // ItemsChanged; otherwise Changed(aspect)
  tk::Aspect aspect;
  tk::ItemList list;
  tk::ListChange change;
  int index;
};

inline bool operator==(const PeerNote& a, const PeerNote& b) {
  if (a.control != b.control || a.items != b.items) return false;
  if (!a.items) return a.aspect == b.aspect;
  return a.list == b.list && a.change == b.change && a.index == b.index;
}

class RecordingPeer : public tk::ControlPeer {
 public:
  RecordingPeer(const tk::TControl& control, std::vector<PeerNote>* notes)
      : control_(&control), notes_(notes) {}
  void Changed(tk::Aspect aspect) override {
    notes_->push_back({control_, false, aspect, {}, {}, 0});
  }
  void ItemsChanged(tk::ItemList list, tk::ListChange change, int index) override {
    notes_->push_back({control_, true, {}, list, change, index});
  }

 private:
  const tk::TControl* control_;
  std::vector<PeerNote>* notes_;
};

class RecordingBackend : public tk::HeadlessBackend {
 public:
  std::unique_ptr<tk::ControlPeer> CreatePeer(tk::TControl& control) override {
    return std::make_unique<RecordingPeer>(control, &notes);
  }
  std::vector<PeerNote> notes;
};

class PeerApp : public HeadlessApp {
 protected:
  PeerApp() { tk::Application().SetBackend(&recording); }

  // Gives the control its peer and forgets what was said before.
  void Show(tk::TControl& control) {
    control.HandleNeeded();
    recording.notes.clear();
  }
  std::vector<PeerNote>& notes() { return recording.notes; }
  static PeerNote ItemsNote(const tk::TControl& c, tk::ItemList list, tk::ListChange change,
                            int index) {
    return {&c, true, {}, list, change, index};
  }
  static PeerNote AspectNote(const tk::TControl& c, tk::Aspect aspect) {
    return {&c, false, aspect, {}, {}, 0};
  }
  bool Told(const PeerNote& note) const {
    for (const PeerNote& n : recording.notes) {
      if (n == note) return true;
    }
    return false;
  }

  RecordingBackend recording;
};
