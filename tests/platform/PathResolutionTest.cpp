#include <gtest/gtest.h>

#include "platform/PathResolution.h"
#include "tests/platform/PathSpellings.h"

namespace {

using plat::PathKind;

TEST(PathResolutionTest, ResolvesEverySpellingAsWindows) {
  for (const pathtest::PathSpelling& s : pathtest::PathSpellings()) {
    EXPECT_EQ(plat::ResolveFullPath(s.path), s.full) << s.path;
  }
}

TEST(PathResolutionTest, TellsKindsApartByTheFirstCharacters) {
  const struct {
    const char* path;
    PathKind kind;
  } cases[] = {
      {"", PathKind::kRelative},
      {"Trelvia", PathKind::kRelative},
      {"..\\Trelvia", PathKind::kRelative},
      {"\xF0\x9F\x98\x80:\\x", PathKind::kRelative},  // two UTF-16 units before the colon
      {"C:", PathKind::kDriveRelative},
      {"c:Trelvia", PathKind::kDriveRelative},
      {"\xC3\xA4:x", PathKind::kDriveRelative},
      {"\\Trelvia", PathKind::kRooted},
      {"/Trelvia", PathKind::kRooted},
      {"C:\\Trelvia", PathKind::kDriveAbsolute},
      {"C:/", PathKind::kDriveAbsolute},
      {"\\\\server\\share", PathKind::kUnc},
      {"\\\\", PathKind::kUnc},
      {"\\\\.x", PathKind::kUnc},
      {"\\\\.\\C:", PathKind::kLocalDevice},
      {"//?/C:", PathKind::kLocalDevice},
      {"\\\\.", PathKind::kRootLocalDevice},
      {"\\\\?", PathKind::kRootLocalDevice},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plat::ClassifyPath(c.path), c.kind) << c.path;
    if (c.kind <= PathKind::kRooted) {
      EXPECT_EQ(plat::ResolveFullPath(c.path), std::nullopt) << c.path;
    }
  }
}

TEST(PathResolutionTest, OnlyTheBackslashPrefixIsVerbatim) {
  EXPECT_TRUE(plat::IsVerbatimPath("\\\\?\\C:\\Trelvia"));
  EXPECT_FALSE(plat::IsVerbatimPath("//?/C:/Trelvia"));
  EXPECT_FALSE(plat::IsVerbatimPath("\\\\.\\C:\\Trelvia"));
  EXPECT_FALSE(plat::IsVerbatimPath("\\\\?"));
}

TEST(PathResolutionTest, ExtendedFormOfFullPaths) {
  const std::pair<const char*, const char*> cases[] = {
      {R"(C:\Trelvia\VLC)", R"(\\?\C:\Trelvia\VLC)"},
      {R"(d:\)", R"(\\?\d:\)"},
      {R"(\\server\share\Trelvia)", R"(\\?\UNC\server\share\Trelvia)"},
      {R"(\\.\C:\Trelvia)", R"(\\?\C:\Trelvia)"},
      {R"(\\.\UNC\server\share\x)", R"(\\?\UNC\server\share\x)"},
      {R"(\\?\C:\Trelvia)", R"(\\?\C:\Trelvia)"},
      {R"(Trelvia)", R"(Trelvia)"},
  };
  for (const auto& [full, extended] : cases) EXPECT_EQ(plat::ExtendedPath(full), extended) << full;
}

}  // namespace
