// Time as the application waits on it: a monotonic reading and a pause that gives way to the
// window system, so that a caller that handles window messages between pauses keeps its windows
// painting.
#pragma once

#include <chrono>

namespace plat {

class Clock {
 public:
  virtual ~Clock() = default;

  // Only differences between two readings mean anything.
  virtual std::chrono::milliseconds Now() = 0;
  // Returns once `duration` has passed, or sooner when a window message arrives for the calling
  // thread.
  virtual void Wait(std::chrono::milliseconds duration) = 0;
};

}  // namespace plat
