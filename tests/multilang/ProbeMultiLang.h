// The window's localization component with its entry operation open to tests, and one that
// records every call the language switch makes to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "multilang/MLang.h"

class ProbeMultiLang : public ml::TMultiLang {
 public:
  using TMultiLang::ApplyEntry;
  using TMultiLang::TMultiLang;
};

class WatchedMultiLang : public ml::TMultiLang {
 public:
  struct Call {
    std::string name;
    std::int32_t before;
    std::int32_t after;
    bool failed;
  };

  using TMultiLang::TMultiLang;

  std::vector<Call> calls;

 protected:
  void ApplyEntry(tk::TComponent& component, std::int32_t& index) override {
    const std::int32_t before = index;
    try {
      TMultiLang::ApplyEntry(component, index);
    } catch (...) {
      calls.push_back({component.Name(), before, index, true});
      throw;
    }
    calls.push_back({component.Name(), before, index, false});
  }
};
