#include "app/util/FileOps.h"

#include "base/Errors.h"
#include "base/Utf8.h"

namespace app {

namespace {

// The variable was read into a buffer of 128 characters; a longer value did not fit.
constexpr std::size_t kTempValueLimit = 128;

// A link is removed in place, as a directory first and then as a file, whichever its kind. One
// that resists both (Wine keeps a Unix symlink to a directory) stays like any other directory.
void RemoveLink(plat::FileSystem& fs, const std::string& path) {
  const plat::OsError code = fs.RemoveDir(path);
  if (code == plat::err::kSuccess) return;
  if (fs.RemoveFile(path) == plat::err::kSuccess) return;
  throw base::EInOutError(code);
}

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

// Once more with the attributes cleared when the first try fails, which a read-only file needs
// (never for a link: its attributes are its target's); then for as long as `retry` waits.
bool RemoveListedFile(plat::FileSystem& fs, const std::string& path, const plat::DirEntry& entry,
                      RetryPolicy& retry) {
  plat::OsError code = fs.RemoveFile(path);
  if (code != plat::err::kSuccess && !plat::IsLink(entry)) {
    fs.SetAttributes(path, 0);
    code = fs.RemoveFile(path);
  }
  return retry.Outlast(code, [&] { return fs.RemoveFile(path); }) == plat::err::kSuccess;
}

// A directory whose every listed entry went and that is still not empty holds entries pending
// deletion: Wine lists them, and answers for them like for any other entry, until their holders
// let go. The error carries what the system answered.
void RemoveEmptied(plat::FileSystem& fs, const std::string& path, bool emptied,
                   RetryPolicy& retry) {
  plat::OsError answer = plat::err::kSuccess;
  retry.Run([&] {
    answer = fs.RemoveDir(path);
    return answer == plat::err::kDirNotEmpty && emptied ? plat::err::kDeletePending : answer;
  });
  if (answer != plat::err::kSuccess) throw base::EInOutError(answer);
}

void RemoveEmptiedTree(plat::FileSystem& fs, const std::string& dir, std::string_view mask,
                       RetryPolicy& retry);

// DeleteFiles's work on `base` (ending in "\"); true when every entry it listed went.
bool Empty(plat::FileSystem& fs, const std::string& base, std::string_view mask, bool recursive,
           RetryPolicy& retry) {
  // One listing serves both passes when the mask takes every name, as every caller's does.
  const bool oneListing = mask == "*.*" || mask == "*";
  plat::Listing listing = fs.Enumerate(base + std::string(oneListing ? "*.*" : mask));
  std::vector<bool> gone(listing.entries.size());
  for (std::size_t i = 0; i < listing.entries.size(); ++i) {
    const plat::DirEntry& entry = listing.entries[i];
    if (!plat::PassesFilter(entry, plat::attr::kAnyFile)) continue;
    gone[i] = RemoveListedFile(fs, base + entry.name, entry, retry);
  }
  if (!recursive) return false;
  if (!oneListing) {
    listing = fs.Enumerate(base + "*.*");
    gone.assign(listing.entries.size(), false);
  }

  // A listing that failed, or broke off, says nothing of what else the directory holds.
  bool emptied = listing.error == plat::err::kSuccess;
  for (std::size_t i = 0; i < listing.entries.size(); ++i) {
    const plat::DirEntry& entry = listing.entries[i];
    if (gone[i] || entry.name.empty() || IsDotEntry(entry.name)) continue;
    if (!plat::PassesFilter(entry, plat::attr::kDirectoryFilter)) {
      emptied = false;  // hidden or system: left alone
      continue;
    }
    const std::string path = base + entry.name;
    if (plat::IsLink(entry)) {
      RemoveLink(fs, path);
      continue;
    }
    // Not checked for being a directory: a file that survived the first pass fails below. Of the
    // attributes that keep a directory, only read-only can be left here.
    if (entry.attributes & plat::attr::kReadOnly) fs.SetAttributes(path, plat::attr::kDirectory);
    RemoveEmptiedTree(fs, path, mask, retry);
  }
  return emptied;
}

void RemoveEmptiedTree(plat::FileSystem& fs, const std::string& dir, std::string_view mask,
                       RetryPolicy& retry) {
  RemoveEmptied(fs, dir, Empty(fs, dir + "\\", mask, true, retry), retry);
}

}  // namespace

void DeleteFiles(plat::FileSystem& fs, std::string_view dir, std::string_view mask, bool recursive,
                 RetryPolicy& retry) {
  Empty(fs, std::string(dir), mask, recursive, retry);
}

void DeleteFiles(plat::FileSystem& fs, std::string_view dir, std::string_view mask,
                 bool recursive) {
  RetryPolicy never;
  DeleteFiles(fs, dir, mask, recursive, never);
}

void RemoveTree(plat::FileSystem& fs, const std::string& dir, RetryPolicy& retry) {
  RemoveEmptiedTree(fs, dir, "*.*", retry);
}

std::string GetTempDir(plat::FileSystem& fs, plat::Environment& env) {
  std::string value = env.Get("temp").value_or(std::string());
  if (base::Utf16Length(value) >= kTempValueLimit) value.clear();

  // A query that failed for another reason than "not found" leaves the variable's word standing:
  // the fallback would create C:\temp beside a temp directory that is there.
  if (plat::DirectoryPresence(fs, value) != plat::Presence::kAbsent) {
    const std::string joined = value + "\\";
    // The conversion only fails for a path that is gone; the joined text is the best answer then.
    return fs.LongPathName(joined).value_or(joined);
  }
  if (app::IsExistingDirectory(fs, "c:\\temp")) return "c:\\temp\\";
  if (fs.MakeDir("C:\\temp") == plat::err::kSuccess) return "c:\\temp\\";
  throw base::Exception("Cannot create c:\\temp");
}

bool IsExistingDirectory(plat::FileSystem& fs, std::string_view path) {
  return plat::IsExistingDirectory(fs, path);
}

}  // namespace app
