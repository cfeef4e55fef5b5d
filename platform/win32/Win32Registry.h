// The current user's hive through the registry W functions.
#pragma once

#include "platform/Registry.h"

namespace plat {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenCurrentUserKey(std::string_view path) override;
};

}  // namespace plat
