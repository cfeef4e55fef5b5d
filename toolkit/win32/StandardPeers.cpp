#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

void RegisterStandardPeers(PeerRegistry& registry) {
  RegisterFormPeer(registry);
  RegisterLabelPeer(registry);
  RegisterButtonPeer(registry);
  RegisterListBoxPeer(registry);
  RegisterStatusBarPeer(registry);
  RegisterAnimatePeer(registry);
  RegisterImagePeer(registry);
}

}  // namespace tk::win32
