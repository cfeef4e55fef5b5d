// How long the uninstaller waits for entries that another program holds for a moment, as virus
// scanners and indexers do with every new file: a delete or removal that fails for that reason is
// tried again after a short pause that grows each time, for up to about 2 s per entry and 5 s in
// all for one run. Every other failure is final at once. One policy serves a whole run.
#pragma once

#include <chrono>
#include <functional>
#include <utility>

#include "platform/Clock.h"
#include "platform/OsError.h"

namespace app {

struct RetryLimits {
  std::chrono::milliseconds perEntry{2000};
  std::chrono::milliseconds perRun{5000};
  std::chrono::milliseconds firstPause{10};
  std::chrono::milliseconds longestPause{250};
};

class RetryPolicy {
 public:
  // Never waits: every failure is final.
  RetryPolicy() = default;
  // Pauses on `clock`; `whileWaiting` runs at the start of a pause and whenever the clock's wait
  // ends early for a window message (the window handles its messages there).
  RetryPolicy(plat::Clock& clock, std::function<void()> whileWaiting,
              RetryLimits limits = {})
      : clock_(&clock), whileWaiting_(std::move(whileWaiting)), limits_(limits) {}

  // Another program holds the entry open, or has not yet let go of one already deleted (for a
  // directory: of the entries left in it).
  static constexpr bool WorthWaitingFor(plat::OsError code) {
    return code == plat::err::kSharingViolation || code == plat::err::kDeletePending;
  }

  // `code` is what a first try answered. While it is worth waiting for and the budget lasts,
  // pauses and calls `again`; returns the last answer.
  template <class Attempt>
  plat::OsError Outlast(plat::OsError code, Attempt&& again) {
    EntryBudget entry{limits_.firstPause};
    while (WorthWaitingFor(code) && Pause(entry)) code = again();
    return code;
  }
  template <class Attempt>
  plat::OsError Run(Attempt&& attempt) {
    return Outlast(attempt(), attempt);
  }

  std::chrono::milliseconds Waited() const { return waited_; }

 private:
  struct EntryBudget {
    std::chrono::milliseconds nextPause;
    std::chrono::milliseconds waited{0};
  };
  // False when the entry's or the run's budget is spent.
  bool Pause(EntryBudget& entry);

  plat::Clock* clock_ = nullptr;
  std::function<void()> whileWaiting_;
  RetryLimits limits_;
  std::chrono::milliseconds waited_{0};
};

}  // namespace app
