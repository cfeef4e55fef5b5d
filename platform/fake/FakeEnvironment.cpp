#include "platform/fake/FakeEnvironment.h"

#include "platform/CaseFold.h"

namespace plat {

void FakeEnvironment::Set(std::string_view name, std::string_view value) {
  variables_[FoldCase(name)] = value;
}

void FakeEnvironment::Unset(std::string_view name) {
  variables_.erase(FoldCase(name));
}

std::optional<std::string> FakeEnvironment::Get(std::string_view name) {
  const auto found = variables_.find(FoldCase(name));
  if (found == variables_.end()) return std::nullopt;
  return found->second;
}

}  // namespace plat
