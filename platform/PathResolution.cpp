#include "platform/PathResolution.h"

#include <vector>

#include "base/Utf8.h"

namespace plat {

namespace {

// The longest path the system's counted strings hold, in UTF-16 units.
constexpr std::size_t kMaxPathUnits = 32767;

bool IsSeparator(char32_t c) {
  return c == U'\\' || c == U'/';
}

char32_t AsciiUpper(char32_t c) {
  return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c;
}

// The system reads paths as UTF-16: a character beyond the BMP takes two units, so nothing after
// it sits where a drive's colon would.
PathKind Classify(std::u32string_view p) {
  if (!p.empty() && IsSeparator(p[0])) {
    if (p.size() < 2 || !IsSeparator(p[1])) return PathKind::kRooted;
    if (p.size() < 3 || (p[2] != U'.' && p[2] != U'?')) return PathKind::kUnc;
    if (p.size() > 3 && IsSeparator(p[3])) return PathKind::kLocalDevice;
    return p.size() > 3 ? PathKind::kUnc : PathKind::kRootLocalDevice;
  }
  if (p.size() < 2 || p[1] != U':' || p[0] > 0xFFFF) return PathKind::kRelative;
  return p.size() > 2 && IsSeparator(p[2]) ? PathKind::kDriveAbsolute : PathKind::kDriveRelative;
}

// A name as the device table sees it: up to an extension or a colon, without trailing spaces.
std::u32string_view DeviceBase(std::u32string_view name) {
  std::size_t end = name.find_first_of(U".:");
  if (end == std::u32string_view::npos) end = name.size();
  while (end > 0 && name[end - 1] == U' ') --end;
  return name.substr(0, end);
}

bool IsDeviceName(std::u32string_view name) {
  std::u32string base;
  for (char32_t c : DeviceBase(name)) base += AsciiUpper(c);
  if (base == U"CON" || base == U"PRN" || base == U"AUX" || base == U"NUL" || base == U"CONIN$" ||
      base == U"CONOUT$") {
    return true;
  }
  if (base.size() != 4 || (base.compare(0, 3, U"COM") != 0 && base.compare(0, 3, U"LPT") != 0)) {
    return false;
  }
  const char32_t digit = base[3];
  return (digit >= U'1' && digit <= U'9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

// The device a drive path names by its last segment, as written; empty when it names none.
std::u32string DeviceOf(std::u32string_view path) {
  std::size_t start = 2;  // past the drive
  for (std::size_t i = start; i < path.size(); ++i) {
    if (IsSeparator(path[i])) start = i + 1;
  }
  const std::u32string_view last = path.substr(start);
  return IsDeviceName(last) ? std::u32string(DeviceBase(last)) : std::u32string();
}

// Where the root of "\\server\share\" ends: past the server, the share and the separators after
// each (".." never climbs into it).
std::size_t UncRootLength(std::u32string_view p) {
  std::size_t i = 2;
  for (int part = 0; part < 2; ++part) {
    while (i < p.size() && !IsSeparator(p[i])) ++i;
    while (i < p.size() && IsSeparator(p[i])) ++i;
  }
  return i;
}

std::u32string Normalize(std::u32string path, std::size_t rootLength) {
  for (char32_t& c : path) {
    if (c == U'/') c = U'\\';
  }
  std::u32string out = path.substr(0, rootLength);
  std::vector<std::u32string> names;
  const std::u32string_view rest = std::u32string_view(path).substr(rootLength);
  const bool trailingSeparator = !rest.empty() && rest.back() == U'\\';
  std::size_t start = 0;
  while (start < rest.size()) {
    std::size_t end = rest.find(U'\\', start);
    if (end == std::u32string_view::npos) end = rest.size();
    std::u32string name(rest.substr(start, end - start));
    const bool inner = end < rest.size();  // a separator follows
    start = end + 1;
    if (name.empty() || name == U".") continue;
    if (name == U"..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    // One dot ending an inner segment goes; "..." stays a name (as "..").
    if (inner && name.back() == U'.') name.pop_back();
    names.push_back(std::move(name));
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += U'\\';
    out += names[i];
  }
  // A path that ended in a separator keeps it, also when a "." or ".." went before it.
  if (trailingSeparator && !names.empty()) out += U'\\';
  while (out.size() > rootLength && (out.back() == U'.' || out.back() == U' ')) out.pop_back();
  return out;
}

}  // namespace

PathKind ClassifyPath(std::string_view path) {
  return Classify(base::DecodeUtf8(path));
}

bool IsDosDeviceName(std::string_view name) {
  return IsDeviceName(base::DecodeUtf8(name));
}

std::optional<std::string> ResolveFullPath(std::string_view text) {
  if (base::Utf16Length(text) > kMaxPathUnits) return std::nullopt;
  const std::u32string path = base::DecodeUtf8(text);
  std::u32string full;
  switch (Classify(path)) {
    case PathKind::kRelative:
    case PathKind::kDriveRelative:
    case PathKind::kRooted:
      return std::nullopt;
    case PathKind::kRootLocalDevice:
      full = U"\\\\.\\";
      break;
    case PathKind::kDriveAbsolute: {
      const std::u32string device = DeviceOf(path);
      full = device.empty() ? Normalize(path, 3) : U"\\\\.\\" + device;
      break;
    }
    case PathKind::kUnc:
      full = Normalize(path, UncRootLength(path));
      break;
    case PathKind::kLocalDevice:
      full = Normalize(path, 4);
      break;
  }
  std::string result = base::EncodeUtf8(full);
  if (base::Utf16Length(result) > kMaxPathUnits) return std::nullopt;
  return result;
}

bool IsVerbatimPath(std::string_view path) {
  return path.substr(0, 4) == "\\\\?\\";
}

std::string ExtendedPath(std::string_view fullPath) {
  const std::string path(fullPath);
  switch (ClassifyPath(path)) {
    case PathKind::kDriveAbsolute:
      return "\\\\?\\" + path;
    case PathKind::kUnc:
      return "\\\\?\\UNC\\" + path.substr(2);
    case PathKind::kLocalDevice:
      return "\\\\?\\" + path.substr(4);
    default:
      return path;
  }
}

}  // namespace plat
