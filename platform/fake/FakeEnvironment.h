// An environment held in a map; names match without regard to case.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/Environment.h"

namespace plat {

class FakeEnvironment : public Environment {
 public:
  void Set(std::string_view name, std::string_view value);
  void Unset(std::string_view name);

  std::optional<std::string> Get(std::string_view name) override;

 private:
  std::map<std::string, std::string> variables_;  // by folded name
};

}  // namespace plat
