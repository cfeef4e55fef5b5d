// The peers of the toolkit's standard controls. A new kind of control brings one file with its
// peer class and a Register function, and one line in RegisterStandardPeers.
#pragma once

#include "toolkit/win32/PeerRegistry.h"

namespace tk::win32 {

void RegisterFormPeer(PeerRegistry& registry);
void RegisterLabelPeer(PeerRegistry& registry);
void RegisterButtonPeer(PeerRegistry& registry);
void RegisterListBoxPeer(PeerRegistry& registry);
void RegisterStatusBarPeer(PeerRegistry& registry);
void RegisterAnimatePeer(PeerRegistry& registry);
void RegisterImagePeer(PeerRegistry& registry);

void RegisterStandardPeers(PeerRegistry& registry);

}  // namespace tk::win32
