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

}  // namespace

void DeleteFiles(plat::FileSystem& fs, std::string_view dir, std::string_view mask,
                 bool recursive) {
  const std::string base(dir);
  for (const plat::DirEntry& entry :
       plat::FindEntries(fs, base + std::string(mask), plat::attr::kAnyFile)) {
    const std::string path = base + entry.name;
    if (fs.RemoveFile(path) == plat::err::kSuccess) continue;
    // Setting a link's attributes would reach its target, outside the tree.
    if (plat::IsLink(entry)) continue;
    fs.SetAttributes(path, 0);
    fs.RemoveFile(path);
  }
  if (!recursive) return;

  for (const plat::DirEntry& entry :
       plat::FindEntries(fs, base + "*.*", plat::attr::kDirectoryFilter)) {
    if (entry.name.empty() || entry.name == "." || entry.name == "..") continue;
    const std::string path = base + entry.name;
    if (plat::IsLink(entry)) {
      RemoveLink(fs, path);
      continue;
    }
    // Not checked for being a directory: a file that survived the first pass fails below.
    fs.SetAttributes(path, plat::attr::kDirectory);
    DeleteFiles(fs, path + "\\", mask, true);
    if (const plat::OsError code = fs.RemoveDir(path); code != plat::err::kSuccess) {
      throw base::EInOutError(code);
    }
  }
}

std::string GetTempDir(plat::FileSystem& fs, plat::Environment& env) {
  std::string value = env.Get("temp").value_or(std::string());
  if (base::Utf16Length(value) >= kTempValueLimit) value.clear();

  if (app::IsExistingDirectory(fs, value)) {
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
