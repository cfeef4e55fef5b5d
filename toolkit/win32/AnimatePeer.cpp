// The common-controls animation, playing the shell library's standard clips.
#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include <algorithm>

#include "toolkit/ComCtrls.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/native/SimpleControls.h"

namespace tk::win32 {

namespace {

class AnimatePeer : public WindowPeer {
 public:
  explicit AnimatePeer(TAnimate& animate) : WindowPeer(animate), animate_(animate) {
    CreateChild(ANIMATE_CLASSW, (animate.Center() ? ACS_CENTER : 0) |
                                    (animate.Transparent() ? ACS_TRANSPARENT : 0));
    Open();
  }

  ~AnimatePeer() override {
    // The clip lives in the shell library's memory: close it before the library goes.
    Native().Stop();
    Native().Close();
  }

  void Apply(Aspect aspect) override {
    switch (aspect) {
      case Aspect::Kind:
        Open();
        break;
      case Aspect::Animation:
        PlayOrStop();
        break;
      default:
        WindowPeer::Apply(aspect);
        break;
    }
  }

 private:
  native::Animation Native() const { return native::Animation(Handle()); }

  void Open() {
    Native().Stop();
    const int resource = CommonAviResource(animate_.CommonAVI());
    if (resource == 0) {
      Native().Close();
      return;
    }
    if (!shell_) {
      shell_.Reset(LoadLibraryExW(L"shell32.dll", nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    }
    if (!shell_) return;
    Native().Open(shell_.Get(), resource);
    PlayOrStop();
  }

  void PlayOrStop() {
    if (!animate_.Active()) {
      Native().Stop();
      return;
    }
    // The toolkit counts frames from 1 and means "to the end" by a stop frame of 0 and "until
    // stopped" by 0 repetitions; the control counts from 0 and uses -1 for both.
    const int from = std::max(animate_.StartFrame(), 1) - 1;
    const int to = animate_.StopFrame() > 0 ? animate_.StopFrame() - 1 : 0xFFFF;
    const int count = animate_.Repetitions() > 0 ? animate_.Repetitions() : -1;
    if (!Native().Play(count, from, to) && to != 0xFFFF) {
      // A clip shorter than the asked range plays to its end.
      Native().Play(count, from, 0xFFFF);
    }
  }

  bool DrawsOnParent() const override { return true; }

  TAnimate& animate_;
  plat::UniqueModule shell_;
};

}  // namespace

void RegisterAnimatePeer(PeerRegistry& registry) {
  registry.AddChild<TAnimate, AnimatePeer>();
}

}  // namespace tk::win32
