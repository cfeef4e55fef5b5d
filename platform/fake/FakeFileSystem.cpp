#include "platform/fake/FakeFileSystem.h"

#include <stdexcept>

#include "base/Utf8.h"
#include "platform/CaseFold.h"
#include "platform/PathResolution.h"
#include "platform/fake/Wildcard.h"

namespace plat {

namespace {

// Attributes a program may set; the kind of an entry (directory, link) is not among them.
constexpr std::uint32_t kSettable = attr::kReadOnly | attr::kHidden | attr::kSystem |
                                    attr::kArchive | 0x100 /* temporary */ | 0x1000 /* offline */ |
                                    0x2000 /* not content indexed */;
// The system follows at most 63 reparse points in one path.
constexpr int kMaxLinksFollowed = 63;

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// A name as names compare: case-folded. Most names are ASCII, which folds without decoding.
std::string Key(std::string_view name) {
  std::string key(name);
  for (char& c : key) {
    if (static_cast<unsigned char>(c) >= 0x80) return FoldCase(name);
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return key;
}

}  // namespace

struct FakeFileSystem::Node {
  std::string name;
  std::uint32_t attributes = 0;
  std::string linkTarget;
  std::chrono::milliseconds heldUntil{0};
  HolderShares holderShares = HolderShares::kNoDelete;
  bool deletePending = false;
  Node* parent = nullptr;
  std::map<std::string, std::unique_ptr<Node>> children;

  bool IsDirectory() const { return (attributes & attr::kDirectory) != 0; }
  bool IsLink() const { return (attributes & attr::kReparsePoint) != 0; }
  // A file without any attribute reports "normal", as on Windows.
  std::uint32_t Reported() const { return attributes == 0 ? attr::kNormal : attributes; }
};

struct FakeFileSystem::Path {
  bool valid = true;
  char32_t drive = U'C';
  std::vector<std::string> names;
  bool trailingSeparator = false;

  std::string FailureKey() const {
    std::string key = base::EncodeUtf8(std::u32string(1, drive));
    key += ':';
    for (const std::string& name : names) {
      key += '\\';
      key += Key(name);
    }
    return key;
  }
};

struct FakeFileSystem::Lookup {
  Node* node = nullptr;
  Node* container = nullptr;  // the directory that holds, or would hold, the last component
  OsError error = err::kSuccess;
};

// Not delegating: naming the member clock before any constructor of the object has begun is
// undefined (UBSan reports it).
FakeFileSystem::FakeFileSystem() : clock_(frozen_) {
  AddDrive('C');
}

FakeFileSystem::FakeFileSystem(Clock& clock) : clock_(clock) {
  AddDrive('C');
}

FakeFileSystem::~FakeFileSystem() = default;

FakeFileSystem::Path FakeFileSystem::Parse(std::string_view text) const {
  Path path;
  // "\\?\C:\x" and "\\.\C:\x" reach the drive's files through the device namespace.
  if (text.size() >= 7 && IsSeparator(text[0]) && text[5] == ':' && IsSeparator(text[6]) &&
      ClassifyPath(text) == PathKind::kLocalDevice) {
    text.remove_prefix(4);
  }
  if (text.size() >= 2 && text[1] == ':') {
    path.drive = UpperCase(static_cast<unsigned char>(text[0]));
    text.remove_prefix(2);
  } else if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
    path.valid = false;  // network paths have no place here
    return path;
  }
  path.trailingSeparator = !text.empty() && IsSeparator(text.back());
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    const std::string_view name = text.substr(start, end - start);
    if (name == "..") {
      if (!path.names.empty()) path.names.pop_back();
    } else if (!name.empty() && name != ".") {
      path.names.emplace_back(name);
    }
    start = end + 1;
  }
  return path;
}

// A link on the way restarts the walk at its target's drive with the target's names ahead of the
// names still to go, as the system reparses a path. The links are counted over the whole lookup
// (`depth` of them already followed), so each costs one restart: resolving every link's target on
// its own took time exponential in the length of a chain of links whose targets pass through
// links themselves.
FakeFileSystem::Lookup FakeFileSystem::Find(const Path& path, bool followLast, int depth) const {
  Lookup result;
  const auto drive = drives_.find(path.drive);
  if (!path.valid || drive == drives_.end()) {
    result.error = err::kPathNotFound;
    return result;
  }
  std::vector<std::string> pending(path.names.rbegin(), path.names.rend());  // next one last
  int followed = depth;
  Node* current = drive->second.get();
  while (!pending.empty()) {
    const bool last = pending.size() == 1;
    if (!current->IsDirectory()) {
      result.error = err::kPathNotFound;
      return result;
    }
    const auto child = current->children.find(Key(pending.back()));
    if (child == current->children.end() || Gone(*child->second)) {
      result.error = last ? err::kFileNotFound : err::kPathNotFound;
      if (last) result.container = current;
      return result;
    }
    pending.pop_back();
    Node* next = child->second.get();
    if (next->IsLink() && (!last || followLast)) {
      if (++followed > kMaxLinksFollowed) {
        result.error = err::kCantResolveFilename;
        return result;
      }
      const Path target = Parse(next->linkTarget);
      const auto targetDrive = drives_.find(target.drive);
      if (!target.valid || targetDrive == drives_.end()) {
        result.error = last ? err::kFileNotFound : err::kPathNotFound;
        return result;
      }
      pending.insert(pending.end(), target.names.rbegin(), target.names.rend());
      current = targetDrive->second.get();
      continue;
    }
    if (last) result.container = current;
    current = next;
  }
  if (path.trailingSeparator && !current->IsDirectory()) {
    result.error = err::kDirectory;
    return result;
  }
  result.node = current;
  return result;
}

FakeFileSystem::Node* FakeFileSystem::Create(std::string_view text, std::uint32_t attributes) {
  const Path path = Parse(text);
  if (!path.valid || path.names.empty() || !drives_.count(path.drive)) {
    throw std::invalid_argument("cannot create " + std::string(text));
  }
  Node* current = drives_[path.drive].get();
  for (std::size_t i = 0; i + 1 < path.names.size(); ++i) {
    auto& slot = current->children[Key(path.names[i])];
    if (!slot) {
      slot = std::make_unique<Node>();
      slot->name = path.names[i];
      slot->attributes = attr::kDirectory;
      slot->parent = current;
    }
    current = slot.get();
    if (current->IsLink()) current = Find(Parse(current->linkTarget), true).node;
    if (!current || !current->IsDirectory()) {
      throw std::invalid_argument("no directory on the way to " + std::string(text));
    }
  }
  auto node = std::make_unique<Node>();
  node->name = path.names.back();
  node->attributes = attributes;
  node->parent = current;
  Node* created = node.get();
  current->children[Key(node->name)] = std::move(node);
  return created;
}

bool FakeFileSystem::Held(const Node& node) const {
  return clock_.Now() < node.heldUntil;
}

// A pending entry whose holder let go has left; it is skipped until something takes its place.
bool FakeFileSystem::Gone(const Node& node) const {
  return node.deletePending && !Held(node);
}

// A sharing violation comes before the read-only attribute, as on Windows: the holder refuses
// the handle that the delete needs.
OsError FakeFileSystem::DeleteRefusal(const Node& node) const {
  if (node.deletePending) return err::kDeletePending;
  if (Held(node) && node.holderShares == HolderShares::kNoDelete) return err::kSharingViolation;
  if (node.attributes & attr::kReadOnly) return err::kAccessDenied;
  return err::kSuccess;
}

OsError FakeFileSystem::Delete(Node& node) {
  if (Held(node)) {
    node.deletePending = true;
  } else {
    node.parent->children.erase(Key(node.name));
  }
  return err::kSuccess;
}

bool FakeFileSystem::Failing(FsOp op, std::string_view path, OsError& code) {
  ++calls_[static_cast<std::size_t>(op)];
  if (++totalCalls_ == failingCall_) {
    code = failingCode_;
    return true;
  }
  if (failures_.empty()) return false;
  const auto failure = failures_.find({op, Parse(path).FailureKey()});
  if (failure == failures_.end()) return false;
  code = failure->second;
  return true;
}

void FakeFileSystem::AddDrive(char letter) {
  const char32_t drive = UpperCase(static_cast<unsigned char>(letter));
  auto root = std::make_unique<Node>();
  root->name = std::string(1, static_cast<char>(drive)) + ":";
  root->attributes = attr::kDirectory;
  drives_[drive] = std::move(root);
}

void FakeFileSystem::AddFile(std::string_view path, std::uint32_t attributes) {
  Create(path, attributes & ~(attr::kDirectory | attr::kReparsePoint));
}

void FakeFileSystem::AddDirectory(std::string_view path, std::uint32_t attributes) {
  Create(path, (attributes & ~attr::kReparsePoint) | attr::kDirectory);
}

void FakeFileSystem::AddLink(std::string_view path, std::string_view target, bool directory) {
  Node* link = Create(path, attr::kReparsePoint | (directory ? attr::kDirectory : attr::kArchive));
  link->linkTarget = target;
}

void FakeFileSystem::Hold(std::string_view path, std::chrono::milliseconds duration,
                          HolderShares shares) {
  Node* node = Find(Parse(path), false).node;
  if (!node) throw std::invalid_argument("cannot hold missing " + std::string(path));
  const std::chrono::milliseconds now = clock_.Now();
  node->heldUntil = duration >= kForever - now ? kForever : now + duration;
  node->holderShares = shares;
}

void FakeFileSystem::FailOn(FsOp op, std::string_view path, OsError code) {
  failures_[{op, Parse(path).FailureKey()}] = code;
}

void FakeFileSystem::FailCall(std::size_t n, OsError code) {
  failingCall_ = totalCalls_ + n;
  failingCode_ = code;
}

void FakeFileSystem::ClearFailures() {
  failures_.clear();
  failingCall_ = 0;
}

bool FakeFileSystem::Exists(std::string_view path) const {
  return Find(Parse(path), false).node != nullptr;
}

Listing FakeFileSystem::Enumerate(std::string_view pattern) {
  std::size_t split = pattern.size();
  while (split > 0 && !IsSeparator(pattern[split - 1])) --split;
  if (split == 0 && pattern.size() >= 2 && pattern[1] == ':') split = 2;
  const std::string_view directory = pattern.substr(0, split);
  const std::u32string mask = base::DecodeUtf8(Key(pattern.substr(split)));

  Listing listing;
  if (Failing(FsOp::kEnumerate, directory, listing.error)) return listing;
  const Lookup found = Find(Parse(directory), true);
  const Node* dir = found.node;
  if (!dir) {
    listing.error = IsNotFound(found.error) ? err::kPathNotFound : found.error;
    return listing;
  }
  std::vector<DirEntry>& entries = listing.entries;
  if (dir->parent) {
    if (MatchesWildcard(mask, U".")) entries.push_back({".", dir->Reported()});
    if (MatchesWildcard(mask, U"..")) entries.push_back({"..", dir->parent->Reported()});
  }
  for (const auto& [key, child] : dir->children) {
    if (Gone(*child)) continue;
    if (MatchesWildcard(mask, base::DecodeUtf8(key))) entries.push_back({child->name, child->Reported()});
  }
  if (entries.empty()) listing.error = err::kFileNotFound;
  return listing;
}

OsError FakeFileSystem::RemoveFile(std::string_view path) {
  OsError code = 0;
  if (Failing(FsOp::kRemoveFile, path, code)) return code;
  const Lookup found = Find(Parse(path), false);
  Node* node = found.node;
  if (!node) return found.error;
  if (node->IsDirectory()) return err::kAccessDenied;
  if (const OsError refused = DeleteRefusal(*node)) return refused;
  return Delete(*node);
}

OsError FakeFileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  OsError code = 0;
  if (Failing(FsOp::kSetAttributes, path, code)) return code;
  // Like the system call, this reaches through a link to its target.
  const Lookup found = Find(Parse(path), true);
  if (!found.node) return found.error;
  Node& node = *found.node;
  if (node.deletePending) return err::kDeletePending;
  node.attributes =
      (attributes & kSettable) | (node.attributes & (attr::kDirectory | attr::kReparsePoint));
  return err::kSuccess;
}

OsError FakeFileSystem::RemoveDir(std::string_view path) {
  OsError code = 0;
  if (Failing(FsOp::kRemoveDir, path, code)) return code;
  const Lookup found = Find(Parse(path), false);
  Node* node = found.node;
  if (!node) return found.error;
  if (!node->IsDirectory()) return err::kDirectory;
  if (!node->parent) return err::kAccessDenied;
  if (const OsError refused = DeleteRefusal(*node)) return refused;
  // A link goes on its own, whatever its target holds.
  if (!node->IsLink()) {
    bool pendingLeft = false;
    for (const auto& [key, child] : node->children) {
      if (Gone(*child)) continue;
      if (!child->deletePending) return err::kDirNotEmpty;
      pendingLeft = true;
    }
    if (pendingLeft) return err::kDeletePending;
  }
  return Delete(*node);
}

OsError FakeFileSystem::MakeDir(std::string_view path) {
  OsError code = 0;
  if (Failing(FsOp::kMakeDir, path, code)) return code;
  const Path parsed = Parse(path);
  const Lookup found = Find(parsed, false);
  if (found.node) return err::kAlreadyExists;
  if (!found.container) return found.error == err::kDirectory ? err::kPathNotFound : found.error;
  auto node = std::make_unique<Node>();
  node->name = parsed.names.back();
  node->attributes = attr::kDirectory;
  node->parent = found.container;
  found.container->children[Key(node->name)] = std::move(node);
  return err::kSuccess;
}

Attributes FakeFileSystem::GetAttributes(std::string_view path) {
  Attributes answer;
  if (Failing(FsOp::kGetAttributes, path, answer.error)) return answer;
  const Lookup found = Find(Parse(path), false);
  if (!found.node) {
    answer.error = found.error;
  } else if (found.node->deletePending) {
    answer.error = err::kDeletePending;
  } else {
    answer.value = found.node->Reported();
  }
  return answer;
}

std::optional<std::string> FakeFileSystem::LongPathName(std::string_view path) {
  OsError code = 0;
  if (Failing(FsOp::kLongPathName, path, code)) return std::nullopt;
  // Every component takes the spelling it was created with, as the system's conversion does when
  // it looks each one up.
  const Path parsed = Parse(path);
  if (!Find(parsed, false).node) return std::nullopt;
  std::string result(path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string_view());
  Path prefix = parsed;
  prefix.trailingSeparator = false;
  for (std::size_t i = 0; i < parsed.names.size(); ++i) {
    prefix.names.assign(parsed.names.begin(), parsed.names.begin() + i + 1);
    result += "\\" + Find(prefix, false).node->name;
  }
  if (parsed.names.empty() || parsed.trailingSeparator) result += "\\";
  return result;
}

std::optional<std::string> FakeFileSystem::FullPathName(std::string_view path) {
  OsError code = 0;
  if (Failing(FsOp::kFullPathName, path, code)) return std::nullopt;
  return ResolveFullPath(path);
}

}  // namespace plat
