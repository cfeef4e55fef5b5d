// The process environment. Variable names match without regard to case, as on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

class Environment {
 public:
  virtual ~Environment() = default;
  // The variable's value; nothing when it is not set (an empty value is set).
  virtual std::optional<std::string> Get(std::string_view name) = 0;
};

}  // namespace plat
