#include "toolkit/win32/StandardPeers.h"

namespace tk::win32 {

void RegisterStandardPeers(PeerRegistry& registry) {
  RegisterFormPeer(registry);
  RegisterLabelPeer(registry);
  RegisterButtonPeer(registry);
  RegisterCheckBoxPeer(registry);
  RegisterEditPeer(registry);
  RegisterMemoPeer(registry);
  RegisterListBoxPeer(registry);
  RegisterComboBoxPeer(registry);
  RegisterComboBoxExPeer(registry);
  RegisterGroupBoxPeer(registry);
  RegisterPanelPeer(registry);
  RegisterRadioGroupPeer(registry);
  RegisterStatusBarPeer(registry);
  RegisterHeaderControlPeer(registry);
  RegisterTabControlPeer(registry);
  RegisterTreeViewPeer(registry);
  RegisterListViewPeer(registry);
  RegisterStringGridPeer(registry);
  RegisterAnimatePeer(registry);
  RegisterImagePeer(registry);
}

}  // namespace tk::win32
