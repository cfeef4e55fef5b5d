// A clock that moves only when waited on: tests state how long something lasts and never sleep.
#pragma once

#include "platform/Clock.h"

namespace plat {

class FakeClock : public Clock {
 public:
  std::chrono::milliseconds Now() override { return now_; }
  void Wait(std::chrono::milliseconds duration) override { now_ += duration; }

 private:
  std::chrono::milliseconds now_{0};
};

}  // namespace plat
