// INI files held as text in memory by path, read with the rules of the system's profile reader.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/IniFile.h"

namespace plat {

class FakeIniFiles : public IniFiles {
 public:
  void SetFile(std::string_view path, std::string_view text);
  void RemoveFile(std::string_view path);
  // The text at `path`, or nothing when there is no such file.
  const std::string* Text(std::string_view path) const;

  std::unique_ptr<IniFile> Open(std::string_view path) override;

 private:
  std::map<std::string, std::string> files_;  // by folded path
};

// The value of `key` in the first section named `section` of `text`, or `fallback` (without its
// trailing blanks) when there is none. Exposed for the tests of the reading rules.
std::string ReadProfileString(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view fallback);

}  // namespace plat
