// An in-memory file system with Windows path semantics: drive letters, "\" (or "/") separators,
// "\\?\C:\" and "\\.\C:\" prefixes, full paths by Windows' rules (platform/PathResolution.h),
// names compared without regard to case, "*" and "?" masks. It keeps attributes and refuses what
// Windows refuses: deleting a read-only file (5), removing a non-empty directory (145), removing a
// missing one (2, or 3 when its parent is missing). Links carry the reparse-point attribute; paths
// through them reach their targets, while removing a link removes only the link. Entries can be
// held open by another program for a while on a clock, and any operation can be made to fail on a
// given path, or the n-th call of all.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/fake/FakeClock.h"

namespace plat {

enum class FsOp {
  kEnumerate,  // the path is the enumerated directory, without the mask
  kRemoveFile,
  kSetAttributes,
  kRemoveDir,
  kMakeDir,
  kGetAttributes,
  kLongPathName,
  kFullPathName,
};
inline constexpr std::size_t kFsOpCount = static_cast<std::size_t>(FsOp::kFullPathName) + 1;

// Whether the other program's handle lets others delete the entry it holds.
enum class HolderShares { kNoDelete, kDelete };

inline constexpr std::chrono::milliseconds kForever = std::chrono::milliseconds::max();

class FakeFileSystem : public FileSystem {
 public:
  // Starts with an empty drive C:, which is also the drive of paths that name none. Held entries
  // are let go by `clock`; without one, time stands still.
  FakeFileSystem();
  explicit FakeFileSystem(Clock& clock);
  ~FakeFileSystem() override;
  FakeFileSystem(const FakeFileSystem&) = delete;
  FakeFileSystem& operator=(const FakeFileSystem&) = delete;

  // Set-up. Missing parents are created as plain directories; an existing entry is replaced.
  void AddDrive(char letter);
  void AddFile(std::string_view path, std::uint32_t attributes = attr::kArchive);
  void AddDirectory(std::string_view path, std::uint32_t attributes = attr::kDirectory);
  // A link at `path` to the absolute path `target`, which need not exist.
  void AddLink(std::string_view path, std::string_view target, bool directory);
  // Another program opens the entry for `duration` from now on the clock. While it holds the
  // entry without delete sharing, deleting or removing it fails with a sharing violation (32).
  // With delete sharing, the delete succeeds but the entry stays, listed and pending deletion
  // (303 for anything done to it, and for removing a directory left with nothing else), until
  // the holder lets go.
  void Hold(std::string_view path, std::chrono::milliseconds duration = kForever,
            HolderShares shares = HolderShares::kNoDelete);
  // Held for ever without delete sharing.
  void Lock(std::string_view path) { Hold(path); }
  // Makes `op` on `path` fail with `code` from now on.
  void FailOn(FsOp op, std::string_view path, OsError code);
  // Makes the `n`-th call from now (1: the next), counting every call of the FileSystem
  // interface, fail with `code`, that call alone: a disk's hiccup.
  void FailCall(std::size_t n, OsError code);
  void ClearFailures();

  // Inspection for tests; links are not followed at the last component.
  bool Exists(std::string_view path) const;
  std::size_t Calls(FsOp op) const { return calls_[static_cast<std::size_t>(op)]; }
  std::size_t TotalCalls() const { return totalCalls_; }

  Listing Enumerate(std::string_view pattern) override;
  OsError RemoveFile(std::string_view path) override;
  OsError SetAttributes(std::string_view path, std::uint32_t attributes) override;
  OsError RemoveDir(std::string_view path) override;
  OsError MakeDir(std::string_view path) override;
  Attributes GetAttributes(std::string_view path) override;
  std::optional<std::string> LongPathName(std::string_view path) override;
  std::optional<std::string> FullPathName(std::string_view path) override;

 private:
  struct Node;
  struct Path;
  struct Lookup;

  Path Parse(std::string_view path) const;
  Lookup Find(const Path& path, bool followLast, int depth = 0) const;
  Node* Create(std::string_view path, std::uint32_t attributes);
  bool Failing(FsOp op, std::string_view path, OsError& code);
  bool Held(const Node& node) const;
  bool Gone(const Node& node) const;
  OsError DeleteRefusal(const Node& node) const;
  OsError Delete(Node& node);

  FakeClock frozen_;
  Clock& clock_;
  std::map<char32_t, std::unique_ptr<Node>> drives_;
  std::map<std::pair<FsOp, std::string>, OsError> failures_;
  std::array<std::size_t, kFsOpCount> calls_{};
  std::size_t totalCalls_ = 0;
  std::size_t failingCall_ = 0;  // 0: none
  OsError failingCode_ = err::kSuccess;
};

}  // namespace plat
