#include <gtest/gtest.h>

#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/PeerRegistry.h"

using namespace tk;
using tk::win32::PeerRegistry;

namespace {

std::unique_ptr<ControlPeer> ForControls(TControl&) {
  return nullptr;
}
std::unique_ptr<ControlPeer> ForButtons(TControl&) {
  return nullptr;
}

TEST(PeerRegistryTest, FindsTheNearestRegisteredClass) {
  PeerRegistry registry;
  registry.Add(TControl::StaticClass(), &ForControls);
  registry.Add(TButton::StaticClass(), &ForButtons);
  EXPECT_EQ(registry.Find(TButton::StaticClass()), &ForButtons);
  EXPECT_EQ(registry.Find(TLabel::StaticClass()), &ForControls);
  EXPECT_EQ(registry.Find(TForm::StaticClass()), &ForControls);
}

TEST(PeerRegistryTest, UnregisteredChainFindsNothing) {
  PeerRegistry registry;
  registry.Add(TButton::StaticClass(), &ForButtons);
  EXPECT_EQ(registry.Find(TLabel::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TComponent::StaticClass()), nullptr);
}

TEST(PeerRegistryTest, LaterRegistrationReplacesTheEarlier) {
  PeerRegistry registry;
  registry.Add(TButton::StaticClass(), &ForControls);
  registry.Add(TButton::StaticClass(), &ForButtons);
  EXPECT_EQ(registry.Find(TButton::StaticClass()), &ForButtons);
}

}  // namespace
