// The process environment through GetEnvironmentVariableW.
#pragma once

#include "platform/Environment.h"

namespace plat {

class Win32Environment : public Environment {
 public:
  std::optional<std::string> Get(std::string_view name) override;
};

}  // namespace plat
