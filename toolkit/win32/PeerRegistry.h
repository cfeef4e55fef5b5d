// Which peer shows which kind of control. A kind is found through its class chain, so a derived
// class (a window's own form class) gets its base class's peer.
#pragma once

#include <memory>
#include <unordered_map>

#include "toolkit/ClassInfo.h"
#include "toolkit/Control.h"
#include "toolkit/Peer.h"
#include "toolkit/win32/WindowPeer.h"

namespace tk::win32 {

using PeerFactory = std::unique_ptr<ControlPeer> (*)(TControl& control);

class PeerRegistry {
 public:
  void Add(const ClassInfo& kind, PeerFactory factory) { factories_[&kind] = factory; }
  // The factory of the nearest class in the chain of `kind` that has one; null when none has.
  PeerFactory Find(const ClassInfo& kind) const;

  // Registers `Peer` for `Control` and its descendants. The peer is made only inside a parent
  // window; a control without one is not shown.
  template <class Control, class Peer>
  void AddChild() {
    Add(Control::StaticClass(), [](TControl& control) -> std::unique_ptr<ControlPeer> {
      if (WindowPeer::ParentWindowOf(control) == nullptr) return nullptr;
      return std::make_unique<Peer>(static_cast<Control&>(control));
    });
  }

 private:
  std::unordered_map<const ClassInfo*, PeerFactory> factories_;
};

}  // namespace tk::win32
