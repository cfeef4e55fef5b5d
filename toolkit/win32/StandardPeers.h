// The peers of the toolkit's standard controls. A new kind of control brings one file with its
// peer class and a Register function, and one line in RegisterStandardPeers.
#pragma once

#include "toolkit/win32/PeerRegistry.h"

namespace tk::win32 {

void RegisterFormPeer(PeerRegistry& registry);
void RegisterLabelPeer(PeerRegistry& registry);
void RegisterButtonPeer(PeerRegistry& registry);
void RegisterCheckBoxPeer(PeerRegistry& registry);
void RegisterEditPeer(PeerRegistry& registry);
void RegisterMemoPeer(PeerRegistry& registry);
void RegisterListBoxPeer(PeerRegistry& registry);
void RegisterComboBoxPeer(PeerRegistry& registry);
void RegisterComboBoxExPeer(PeerRegistry& registry);
void RegisterGroupBoxPeer(PeerRegistry& registry);
void RegisterPanelPeer(PeerRegistry& registry);
void RegisterRadioGroupPeer(PeerRegistry& registry);
void RegisterStatusBarPeer(PeerRegistry& registry);
void RegisterHeaderControlPeer(PeerRegistry& registry);
void RegisterTabControlPeer(PeerRegistry& registry);
void RegisterTreeViewPeer(PeerRegistry& registry);
void RegisterListViewPeer(PeerRegistry& registry);
void RegisterStringGridPeer(PeerRegistry& registry);
void RegisterAnimatePeer(PeerRegistry& registry);
void RegisterImagePeer(PeerRegistry& registry);

void RegisterStandardPeers(PeerRegistry& registry);

}  // namespace tk::win32
