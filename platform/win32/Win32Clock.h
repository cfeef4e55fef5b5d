// The system's monotonic clock, and pauses that end early for window messages.
#pragma once

#include "platform/Clock.h"

namespace plat {

class Win32Clock : public Clock {
 public:
  std::chrono::milliseconds Now() override;
  void Wait(std::chrono::milliseconds duration) override;
};

}  // namespace plat
