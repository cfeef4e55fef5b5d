#include <gtest/gtest.h>

#include "platform/fake/FakeRegistry.h"

namespace {

constexpr const char* kExplorer = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";

TEST(FakeRegistryTest, OpeningCreatesTheKey) {
  plat::FakeRegistry registry;
  ASSERT_NE(registry.OpenCurrentUserKey(kExplorer), nullptr);
  EXPECT_TRUE(registry.HasKey("software\\microsoft\\windows\\currentversion\\explorer"));
  EXPECT_TRUE(registry.HasKey("Software\\Microsoft"));
}

TEST(FakeRegistryTest, ReadsValueOfSubKeyWithoutRegardToCase) {
  plat::FakeRegistry registry;
  registry.SetString(std::string(kExplorer) + "\\Shell Folders", "Programs", "C:\\Start\\Programs");
  const auto key = registry.OpenCurrentUserKey(kExplorer);
  EXPECT_EQ(key->ReadString("shell folders", "PROGRAMS"), "C:\\Start\\Programs");
  EXPECT_EQ(key->ReadString("Shell Folders", "Desktop"), std::nullopt);
  EXPECT_EQ(key->ReadString("Missing", "Programs"), std::nullopt);
}

TEST(FakeRegistryTest, DeniedKeyCannotBeOpened) {
  plat::FakeRegistry registry;
  registry.DenyAccess("Software\\Microsoft");
  EXPECT_EQ(registry.OpenCurrentUserKey(kExplorer), nullptr);
  EXPECT_NE(registry.OpenCurrentUserKey("Software\\Other"), nullptr);
}

}  // namespace
