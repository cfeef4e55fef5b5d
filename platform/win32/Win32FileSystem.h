// The file system through the W functions of the Win32 API. An entry whose delete is pending
// answers ERROR_DELETE_PENDING rather than the access denied Windows reports for it, and so does
// a directory that cannot be removed only because of such entries. Paths beyond MAX_PATH reach
// the system in their "\\?\" form, and the long-path conversion answers them in that form.
#pragma once

#include "platform/FileSystem.h"

namespace plat {

class Win32FileSystem : public FileSystem {
 public:
  Listing Enumerate(std::string_view pattern) override;
  OsError RemoveFile(std::string_view path) override;
  OsError SetAttributes(std::string_view path, std::uint32_t attributes) override;
  OsError RemoveDir(std::string_view path) override;
  OsError MakeDir(std::string_view path) override;
  Attributes GetAttributes(std::string_view path) override;
  std::optional<std::string> LongPathName(std::string_view path) override;
  std::optional<std::string> FullPathName(std::string_view path) override;

 private:
  bool OnlyPendingEntries(std::string_view dir);
};

}  // namespace plat
