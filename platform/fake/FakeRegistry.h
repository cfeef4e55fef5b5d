// The current user's hive as a map of key paths to string values. Key paths and value names
// match without regard to case.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace plat {

class FakeRegistry : public Registry {
 public:
  // Creates the key (and its parents) when missing.
  void SetString(std::string_view keyPath, std::string_view name, std::string_view value);
  bool HasKey(std::string_view keyPath) const;
  // Opening this key (or one below it) fails from now on, as without access rights.
  void DenyAccess(std::string_view keyPath);

  std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) override;

  // The value read by an opened key; nothing when missing.
  std::optional<std::string> Value(std::string_view keyPath, std::string_view name) const;

 private:
  void CreateKey(const std::string& folded);

  std::set<std::string> keys_;  // folded, "\"-joined paths
  std::map<std::pair<std::string, std::string>, std::string> values_;
  std::set<std::string> denied_;
};

}  // namespace plat
