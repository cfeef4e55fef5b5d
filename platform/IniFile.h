// Reading INI files the way the system's profile functions do: section and key names match
// without regard to case, only the first of two sections with the same name counts, and a missing
// file reads as empty.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace plat {

class IniFile {
 public:
  virtual ~IniFile() = default;
  // The value of `key` in `section`, or `fallback` when the file, section or key is missing.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) = 0;
};

class IniFiles {
 public:
  virtual ~IniFiles() = default;
  // Opening never fails: the file is read at each ReadString.
  virtual std::unique_ptr<IniFile> Open(std::string_view path) = 0;
};

}  // namespace plat
