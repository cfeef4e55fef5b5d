// The window's localization component with its entry operation open to tests.
#pragma once

#include "multilang/MLang.h"

class ProbeMultiLang : public ml::TMultiLang {
 public:
  using TMultiLang::ApplyEntry;
  using TMultiLang::TMultiLang;
};
