#include "app/InstallDirGuard.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/CaseFold.h"
#include "platform/PathResolution.h"

namespace app {

namespace {

using Refusal = InstallDirRefusal;
using plat::KnownFolder;
constexpr std::size_t npos = std::string_view::npos;

// A resolved path split where its root ends.
struct Located {
  std::string root;     // as the path spells it, device prefix included: "C:", "\\?\UNC\srv\share"
  std::string dosRoot;  // the same without a device prefix: "C:", "\\srv\share"
  std::vector<std::string> names;  // below the root
};

// The folded segments that comparisons run on: the root, then each name.
using Key = std::vector<std::string>;

std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\\', start);
    parts.emplace_back(text.substr(start, end == npos ? npos : end - start));
    if (end == npos) return parts;
    start = end + 1;
  }
}

bool IsDrive(std::string_view name) {
  return name.size() == 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// Why Windows could not keep `name` as a segment's name as it stands; kNone when it can. A name
// ending in a dot or a space would lose them the next time the path is resolved.
Refusal JudgeName(std::string_view name) {
  if (plat::IsDosDeviceName(name)) return Refusal::kDevice;
  if (name.empty() || name.back() == '.' || name.back() == ' ') return Refusal::kBadName;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"/|?*").find(c) != npos) {
      return Refusal::kBadName;
    }
  }
  return Refusal::kNone;
}

// Takes a share's server and share off the front of `parts`; kRoot when either is missing.
Refusal TakeShare(std::vector<std::string>& parts, std::string& share) {
  if (parts.size() < 2 || parts[0].empty() || parts[1].empty()) return Refusal::kRoot;
  for (int i = 0; i < 2; ++i) {
    if (const Refusal why = JudgeName(parts[i]); why != Refusal::kNone) return why;
  }
  share = "\\\\" + parts[0] + "\\" + parts[1];
  parts.erase(parts.begin(), parts.begin() + 2);
  return Refusal::kNone;
}

// Splits a resolved path at its root. A device path must lead to a drive ("\\?\C:\") or a share
// ("\\?\UNC\srv\share"); anything else there (pipes, volumes, "\\?\C:" as the volume itself) is
// a device.
Refusal Locate(std::string_view full, Located& at) {
  std::vector<std::string> parts;
  switch (plat::ClassifyPath(full)) {
    case plat::PathKind::kDriveAbsolute:
      if (!IsDrive(full.substr(0, 2))) return Refusal::kDevice;
      at.root = at.dosRoot = full.substr(0, 2);
      parts = Split(full.substr(3));
      break;
    case plat::PathKind::kUnc:
      parts = Split(full.substr(2));
      if (const Refusal why = TakeShare(parts, at.dosRoot); why != Refusal::kNone) return why;
      at.root = at.dosRoot;
      break;
    case plat::PathKind::kLocalDevice: {
      const std::string prefix(full.substr(0, 4));
      parts = Split(full.substr(4));
      const std::string first = parts.front();
      parts.erase(parts.begin());
      if (IsDrive(first) && !parts.empty()) {
        at.dosRoot = first;
        at.root = prefix + first;
      } else if (plat::SameName(first, "UNC")) {
        if (const Refusal why = TakeShare(parts, at.dosRoot); why != Refusal::kNone) return why;
        at.root = prefix + first + at.dosRoot.substr(1);  // "\\srv\share" as "UNC\srv\share"
      } else {
        return Refusal::kDevice;
      }
      break;
    }
    case plat::PathKind::kRootLocalDevice:
      return Refusal::kDevice;
    default:
      return Refusal::kNotAbsolute;
  }
  if (!parts.empty() && parts.back().empty()) parts.pop_back();  // a trailing separator
  for (const std::string& name : parts) {
    if (const Refusal why = JudgeName(name); why != Refusal::kNone) return why;
  }
  at.names = std::move(parts);
  return Refusal::kNone;
}

std::string Join(const std::string& root, const std::vector<std::string>& names) {
  std::string path = root;
  for (const std::string& name : names) path += "\\" + name;
  return path;
}

std::optional<std::string> Resolve(std::string_view path, plat::FileSystem& fs) {
  if (plat::IsVerbatimPath(path)) return std::string(path);
  return fs.FullPathName(path);
}

// Short (8.3) names compare by their long names where the path exists: "C:\PROGRA~1" is
// "C:\Program Files".
Key KeyOf(const Located& at, plat::FileSystem& fs) {
  const Located* spelled = &at;
  Located expanded;
  if (const auto longer = fs.LongPathName(Join(at.dosRoot, at.names))) {
    if (Locate(*longer, expanded) == Refusal::kNone) spelled = &expanded;
  }
  Key key{plat::FoldCase(spelled->dosRoot)};
  for (const std::string& name : spelled->names) key.push_back(plat::FoldCase(name));
  return key;
}

bool StrictlyBelow(const Key& inner, const Key& outer) {
  return inner.size() > outer.size() && std::equal(outer.begin(), outer.end(), inner.begin());
}

// No installation may be a known folder or hold one, and none lies below the Windows directory.
// A folder that the system names but that cannot be resolved cannot be told apart from any
// installation; one that resolves to where no installation can be is no concern.
bool IsProtected(const Key& key, plat::FileSystem& fs, plat::KnownFolders& folders) {
  for (const KnownFolder folder : plat::kKnownFolders) {
    const std::optional<std::string> path = folders.Find(folder);
    if (!path) continue;
    const std::optional<std::string> full = Resolve(*path, fs);
    if (!full) return true;
    Located at;
    if (Locate(*full, at) != Refusal::kNone) continue;
    const Key known = KeyOf(at, fs);
    if (key == known || StrictlyBelow(known, key)) return true;
    if (folder == KnownFolder::kWindows && StrictlyBelow(key, known)) return true;
  }
  return false;
}

InstallDirVerdict Refused(Refusal why) {
  return InstallDirVerdict{why, {}};
}

}  // namespace

InstallDirVerdict JudgeInstallDir(std::string_view value, plat::FileSystem& fs,
                                  plat::KnownFolders& folders) {
  if (value.empty()) return Refused(Refusal::kEmpty);
  if (std::any_of(value.begin(), value.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return Refused(Refusal::kBadName);
  }
  switch (plat::ClassifyPath(value)) {
    case plat::PathKind::kRelative:
    case plat::PathKind::kDriveRelative:
    case plat::PathKind::kRooted:
      return Refused(Refusal::kNotAbsolute);
    default:
      break;
  }
  const std::optional<std::string> full = Resolve(value, fs);
  if (!full) return Refused(Refusal::kBadName);
  Located at;
  if (const Refusal why = Locate(*full, at); why != Refusal::kNone) return Refused(why);
  if (at.names.empty()) return Refused(Refusal::kRoot);
  if (IsProtected(KeyOf(at, fs), fs, folders)) return Refused(Refusal::kProtected);
  return InstallDirVerdict{Refusal::kNone, Join(at.root, at.names)};
}

}  // namespace app
