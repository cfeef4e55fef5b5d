#include <map>
#include <memory>

#include "tests/multilang/TestWindow.h"

using namespace ml;

namespace {

// Counts the redraw changes that reach each control's peer.
class RedrawCountingBackend : public tk::HeadlessBackend {
 public:
  class Peer : public tk::ControlPeer {
   public:
    explicit Peer(int& redraws) : redraws_(redraws) {}
    void Changed(tk::Aspect aspect) override {
      if (aspect == tk::Aspect::Redraw) ++redraws_;
    }

   private:
    int& redraws_;
  };
  std::unique_ptr<tk::ControlPeer> CreatePeer(tk::TControl& control) override {
    return std::make_unique<Peer>(redraws[&control]);
  }
  std::map<const tk::TControl*, int> redraws;
};

class SwitchRedrawTest : public WindowTest {
 protected:
  SwitchRedrawTest() {
    tk::Application().SetBackend(&counting);
    for (const char* name : {"Label1", "Label2", "Button1", "Button2", "Label3", "StatusBar1"}) {
      Add(name);
    }
    Lang(3, UninstallerTable());
    form.HandleNeeded();
  }
  RedrawCountingBackend counting;
};

TEST_F(SwitchRedrawTest, WindowRedrawsOncePerSwitch) {
  std::vector<bool> offDuringWalk;
  ml_->onApply = [&](tk::TComponent&) { offDuringWalk.push_back(form.RedrawDisabled()); };
  ml_->SwitchLanguage(1);
  EXPECT_EQ(counting.redraws[&form], 2);  // off, then on
  EXPECT_EQ(offDuringWalk, std::vector<bool>(6, true));
  EXPECT_FALSE(form.RedrawDisabled());
}

TEST_F(SwitchRedrawTest, RedrawingComesBackWhenTheSwitchFails) {
  ml_->CharSets().Assign(std::vector<std::string>{"Arial,0", "Arial,x", "Arial,0"});
  EXPECT_THROW(ml_->SwitchLanguage(1), base::EConvertError);
  EXPECT_FALSE(form.RedrawDisabled());
  EXPECT_EQ(counting.redraws[&form], 2);
}

TEST_F(SwitchRedrawTest, VetoedSwitchLeavesRedrawingAlone) {
  ml_->BeforeLanguageChange.Set([](tk::TObject*, std::uint8_t, bool& allow) { allow = false; });
  ml_->SwitchLanguage(1);
  EXPECT_EQ(counting.redraws[&form], 0);
}

}  // namespace
