#include <gtest/gtest.h>

#include "toolkit/DBCtrls.h"
#include "toolkit/DBGrids.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Form.h"
#include "toolkit/Grids.h"
#include "toolkit/Notebooks.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/ValEdit.h"
#include "toolkit/win32/PeerRegistry.h"
#include "toolkit/win32/StandardPeers.h"

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

TEST(PeerRegistryTest, DataAwareKindsShareThePeersOfTheirPlainKinds) {
  PeerRegistry registry;
  tk::win32::RegisterStandardPeers(registry);
  ASSERT_NE(registry.Find(TListBox::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TDBListBox::StaticClass()), registry.Find(TListBox::StaticClass()));
  EXPECT_EQ(registry.Find(TDBComboBox::StaticClass()), registry.Find(TComboBox::StaticClass()));
  EXPECT_EQ(registry.Find(TFilterComboBox::StaticClass()), registry.Find(TComboBox::StaticClass()));
  EXPECT_EQ(registry.Find(TDBRadioGroup::StaticClass()), registry.Find(TRadioGroup::StaticClass()));
  EXPECT_NE(registry.Find(TRadioGroup::StaticClass()), registry.Find(TGroupBox::StaticClass()));
}

TEST(PeerRegistryTest, KindsWithoutANativeControlStayModels) {
  PeerRegistry registry;
  tk::win32::RegisterStandardPeers(registry);
  EXPECT_NE(registry.Find(TStringGrid::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TValueListEditor::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TDBGrid::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TDBNavigator::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(TNotebook::StaticClass()), nullptr);
  EXPECT_EQ(registry.Find(THeader::StaticClass()), nullptr);
}

}  // namespace
