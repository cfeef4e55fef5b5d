// The current user's registry hive, as far as the program reads it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The string value `name` of the sub-key `subKey`; nothing when the sub-key or the value is
  // missing or the value is not a string.
  virtual std::optional<std::string> ReadString(std::string_view subKey, std::string_view name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `path` below the current user's hive with full access, creating it when missing.
  // Null when the key can be neither opened nor created. The key closes with the returned object.
  virtual std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) = 0;
};

}  // namespace plat
