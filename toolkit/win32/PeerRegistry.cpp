#include "toolkit/win32/PeerRegistry.h"

namespace tk::win32 {

PeerFactory PeerRegistry::Find(const ClassInfo& kind) const {
  for (const ClassInfo* c = &kind; c != nullptr; c = c->parent) {
    if (auto it = factories_.find(c); it != factories_.end()) return it->second;
  }
  return nullptr;
}

}  // namespace tk::win32
