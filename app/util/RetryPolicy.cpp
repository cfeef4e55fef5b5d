#include "app/util/RetryPolicy.h"

#include <algorithm>

namespace app {

bool RetryPolicy::Pause(EntryBudget& entry) {
  if (!clock_) return false;
  const std::chrono::milliseconds left =
      std::min(limits_.perEntry - entry.waited, limits_.perRun - waited_);
  if (left <= std::chrono::milliseconds::zero()) return false;

  const std::chrono::milliseconds start = clock_->Now();
  const std::chrono::milliseconds end = start + std::min(entry.nextPause, left);
  do {
    if (whileWaiting_) whileWaiting_();
    const std::chrono::milliseconds now = clock_->Now();
    if (now >= end) break;
    clock_->Wait(end - now);
  } while (clock_->Now() < end);

  // Counted as it passed: time the window took to paint counts too.
  const std::chrono::milliseconds took = clock_->Now() - start;
  entry.waited += took;
  waited_ += took;
  entry.nextPause = std::min(entry.nextPause * 2, limits_.longestPause);
  return true;
}

}  // namespace app
