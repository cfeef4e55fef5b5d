// The installation-directory guard, held against a second statement of what counts as a root, a
// device and a folder of Windows or of the user, written plainly here without the guard's
// helpers. What the guard accepts is absolute, without "." or ".." segments, "/" separators or
// names Windows would change, below a drive or share root, neither a known folder nor above one,
// and not below the Windows directory; judged again it is accepted as it stands; its spellings
// in other letter cases or with other separators get the same verdict. A value whose every part
// this statement can read is judged as the statement says.
//
// Input: the settings value on the first line, then the known folders, one a line in the order of
// plat::kKnownFolders (Windows, Program Files, its x86 and x64 forms, ProgramData, the profile,
// Desktop, Documents, Downloads, Temp); an empty or missing line leaves that folder unset.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/InstallDirGuard.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeKnownFolders.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

using app::InstallDirRefusal;
using app::InstallDirVerdict;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// The devices every directory holds, by the name before any extension or trailing spaces.
bool IsDeviceName(std::string_view name) {
  std::string base = Upper(name.substr(0, name.find_first_of(".:")));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (base == device) return true;
  }
  if (base.size() == 4 || base.size() == 5) {
    const std::string_view kind = std::string_view(base).substr(0, 3);
    const std::string_view digit = std::string_view(base).substr(3);
    if (kind == "COM" || kind == "LPT") {
      if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') return true;
      if (digit == "\xC2\xB9" || digit == "\xC2\xB2" || digit == "\xC2\xB3") return true;
    }
  }
  return false;
}

// A name Windows keeps as it stands in any path.
bool IsOrdinaryName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') {
    return false;
  }
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"/\\|?*").find(c) !=
                                                     std::string_view::npos) {
      return false;
    }
  }
  return !IsDeviceName(name);
}

std::vector<std::string> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of(separators, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// A place: the drive ("C:") or share ("\\SERVER\SHARE") it is on and the names below it, in
// capitals, so that two spellings of one place compare equal.
struct Place {
  std::string root;
  std::vector<std::string> names;
  bool operator==(const Place&) const = default;
  bool Holds(const Place& inner) const {
    if (root != inner.root || names.size() >= inner.names.size()) return false;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] != inner.names[i]) return false;
    }
    return true;
  }
};

// Takes the root off `parts` (a path split at every separator): "X:", "", "" + server + share,
// either behind "\\?\" or "\\.\" ("?" or "." and "UNC" for a share there). Nothing when the path
// is on neither a drive nor a share.
std::optional<std::string> TakeRoot(std::vector<std::string>& parts) {
  std::size_t used = 0;
  std::string root;
  const bool device = parts.size() >= 3 && parts[0].empty() && parts[1].empty() &&
                      (parts[2] == "?" || parts[2] == ".");
  const std::size_t first = device ? 3 : 0;
  const auto share = [&](std::size_t at) -> bool {
    if (parts.size() < at + 2 || !IsOrdinaryName(parts[at]) || !IsOrdinaryName(parts[at + 1])) {
      return false;
    }
    root = "\\\\" + Upper(parts[at]) + "\\" + Upper(parts[at + 1]);
    used = at + 2;
    return true;
  };
  // A drive needs the separator after it: "C:" alone is relative to the drive's current directory.
  if (parts.size() > first + 1 && parts[first].size() == 2 && IsLetter(parts[first][0]) &&
      parts[first][1] == ':') {
    root = Upper(parts[first]);
    used = first + 1;
  } else if (device ? !(parts.size() > 3 && Upper(parts[3]) == "UNC" && share(4))
                    : !(parts.size() >= 2 && parts[0].empty() && parts[1].empty() && share(2))) {
    return std::nullopt;
  }
  parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(used));
  return root;
}

// A known folder as this statement reads it: "/" for "\", no empty or "." names, ".." going up
// (never above the root); nothing for a spelling it does not read (a name Windows would change,
// a device, a relative path) or for a "\\?\" path that is not already plain.
std::optional<Place> ReadFolder(std::string_view spelled) {
  const bool verbatim = StartsWith(spelled, "\\\\?\\");
  std::vector<std::string> parts = Split(spelled, verbatim ? "\\" : "\\/");
  const std::optional<std::string> root = TakeRoot(parts);
  if (!root) return std::nullopt;
  Place place{*root, {}};
  for (const std::string& name : parts) {
    if (!verbatim && (name.empty() || name == ".")) continue;
    if (!verbatim && name == "..") {
      if (!place.names.empty()) place.names.pop_back();
      continue;
    }
    if (!IsOrdinaryName(name)) return std::nullopt;
    place.names.push_back(Upper(name));
  }
  return place;
}

// The folders, and whether this statement read every one that is set.
struct Folders {
  std::vector<Place> places;
  std::optional<Place> windows;
  bool allRead = true;
};

Folders ReadFolders(const std::vector<std::string>& lines, plat::FakeKnownFolders& known) {
  Folders folders;
  for (std::size_t i = 0; i < std::size(plat::kKnownFolders); ++i) {
    if (i + 1 >= lines.size() || lines[i + 1].empty()) continue;
    known.Set(plat::kKnownFolders[i], lines[i + 1]);
    const std::optional<Place> place = ReadFolder(lines[i + 1]);
    if (!place) {
      folders.allRead = false;
      continue;
    }
    folders.places.push_back(*place);
    if (plat::kKnownFolders[i] == plat::KnownFolder::kWindows) folders.windows = place;
  }
  return folders;
}

bool IsProtected(const Place& place, const Folders& folders) {
  for (const Place& folder : folders.places) {
    if (folder == place || place.Holds(folder)) return true;
  }
  return folders.windows && folders.windows->Holds(place);
}

// What the guard accepted: absolute on a drive or share, every name one Windows keeps, no "/".
void RequireAcceptable(const std::string& dir, const Folders& folders) {
  fuzz::Require(dir.find('/') == std::string::npos, "an accepted path holds a \"/\": " + dir);
  std::vector<std::string> parts = Split(dir, "\\");
  const std::optional<std::string> root = TakeRoot(parts);
  fuzz::Require(root.has_value(), "an accepted path is on neither a drive nor a share: " + dir);
  fuzz::Require(!parts.empty(), "an accepted path is a root: " + dir);
  Place place{*root, {}};
  for (const std::string& name : parts) {
    fuzz::Require(IsOrdinaryName(name), "an accepted path has the name \"" + name + "\": " + dir);
    place.names.push_back(Upper(name));
  }
  fuzz::Require(!IsProtected(place, folders),
                "an accepted path is, holds or lies below a protected folder: " + dir);
}

// The verdict this statement gives a value it reads whole: a drive or share path of names Windows
// keeps, with "\" or "/", at most one separator at its end.
std::optional<InstallDirRefusal> Expected(const std::string& value, const Folders& folders,
                                          std::string* dir) {
  if (!folders.allRead || StartsWith(value, "\\\\?\\") || value.size() > 1000) return std::nullopt;
  for (const char c : value) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;  // cases fold beyond ASCII
  }
  std::vector<std::string> parts = Split(value, "\\/");
  if (parts.size() >= 3 && parts[0].empty() && parts[1].empty() && parts[2].size() == 1 &&
      (parts[2] == "?" || parts[2] == ".")) {
    return std::nullopt;  // the device namespace
  }
  const std::optional<std::string> root = TakeRoot(parts);
  if (!root) return std::nullopt;
  if (!parts.empty() && parts.back().empty()) parts.pop_back();
  Place place{*root, {}};
  for (const std::string& name : parts) {
    if (!IsOrdinaryName(name)) return std::nullopt;
    place.names.push_back(Upper(name));
  }
  if (place.names.empty()) return InstallDirRefusal::kRoot;
  if (IsProtected(place, folders)) return InstallDirRefusal::kProtected;
  // The value with "\" for "/" and without its trailing separator.
  std::string canonical;
  for (const char c : value) canonical += c == '/' ? '\\' : c;
  if (canonical.back() == '\\') canonical.pop_back();
  *dir = canonical;
  return InstallDirRefusal::kNone;
}

std::string FlipCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (IsLetter(c)) c = static_cast<char>(c ^ 0x20);
  }
  return out;
}

// Every "\" as "/" and every "/" as "\"; nothing for a "\\?\" path, which takes "/" as part of a
// name, or where the swap would make one.
std::optional<std::string> SwapSeparators(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\\' || c == '/') c = c == '\\' ? '/' : '\\';
  }
  if (StartsWith(text, "\\\\?\\") || StartsWith(out, "\\\\?\\")) return std::nullopt;
  return out;
}

void RequireSameVerdict(const InstallDirVerdict& verdict, const InstallDirVerdict& other,
                        bool sameCase, const std::string& what) {
  fuzz::Require(verdict.refusal == other.refusal, what + " changes the verdict");
  fuzz::Require(sameCase ? verdict.dir == other.dir : Upper(verdict.dir) == Upper(other.dir),
                what + " changes the accepted path: " + verdict.dir + " against " + other.dir);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      fuzz::Sections(std::string_view(reinterpret_cast<const char*>(data), size), {}).front();
  if (lines.empty()) return 0;
  const std::string& value = lines.front();
  plat::FakeFileSystem fs;
  plat::FakeKnownFolders known;
  const Folders folders = ReadFolders(lines, known);

  const InstallDirVerdict verdict = app::JudgeInstallDir(value, fs, known);
  fuzz::Require(verdict.Accepted() != verdict.dir.empty(), "a verdict without its path: " + value);
  if (verdict.Accepted()) {
    RequireAcceptable(verdict.dir, folders);
    const InstallDirVerdict again = app::JudgeInstallDir(verdict.dir, fs, known);
    RequireSameVerdict(verdict, again, true, "judging the accepted path again");
  }
  std::string dir;
  if (const std::optional<InstallDirRefusal> expected = Expected(value, folders, &dir)) {
    fuzz::Require(verdict.refusal == *expected && verdict.dir == dir,
                  "a plain value judged otherwise than plainly: " + value);
  }
  RequireSameVerdict(verdict, app::JudgeInstallDir(FlipCase(value), fs, known), false,
                     "another letter case");
  if (const std::optional<std::string> swapped = SwapSeparators(value)) {
    RequireSameVerdict(verdict, app::JudgeInstallDir(*swapped, fs, known), true,
                       "other separators");
  }
  return 0;
}
