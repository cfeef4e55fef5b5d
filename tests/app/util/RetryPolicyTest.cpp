#include <gtest/gtest.h>

#include <vector>

#include "app/util/RetryPolicy.h"
#include "platform/fake/FakeClock.h"

namespace {

using app::RetryPolicy;
using std::chrono::milliseconds;
namespace err = plat::err;

// Answers `code` until the clock reaches `freeAt`, then success; keeps the time of every try.
struct HeldEntry {
  plat::Clock& clock;
  plat::OsError code;
  milliseconds freeAt = milliseconds::max();
  std::vector<milliseconds> tries{};

  plat::OsError operator()() {
    tries.push_back(clock.Now());
    return clock.Now() >= freeAt ? err::kSuccess : code;
  }
};

TEST(RetryPolicyTest, PausesGrowUpToTheLongestAndEndWithTheEntrysBudget) {
  plat::FakeClock clock;
  RetryPolicy retry(clock, {});
  HeldEntry entry{clock, err::kSharingViolation};
  EXPECT_EQ(retry.Run(entry), err::kSharingViolation);
  const std::vector<long long> expected = {0,   10,   30,   70,   150,  310,  560,
                                           810, 1060, 1310, 1560, 1810, 2000};
  std::vector<long long> tries;
  for (milliseconds t : entry.tries) tries.push_back(t.count());
  EXPECT_EQ(tries, expected);
  EXPECT_EQ(retry.Waited(), milliseconds(2000));
}

TEST(RetryPolicyTest, OnlyAnotherProgramsHoldIsWaitedFor) {
  struct Case {
    plat::OsError code;
    bool waited;
  };
  for (const Case& c : {Case{err::kSharingViolation, true}, Case{err::kDeletePending, true},
                        Case{err::kAccessDenied, false}, Case{err::kDirNotEmpty, false},
                        Case{err::kFileNotFound, false}, Case{err::kPathNotFound, false},
                        Case{1117 /* device error */, false}, Case{err::kSuccess, false}}) {
    plat::FakeClock clock;
    RetryPolicy retry(clock, {});
    HeldEntry entry{clock, c.code, milliseconds(500)};
    const plat::OsError answer = retry.Run(entry);
    EXPECT_EQ(answer, c.waited ? err::kSuccess : c.code) << c.code;
    EXPECT_EQ(entry.tries.size() > 1, c.waited) << c.code;
    EXPECT_EQ(retry.Waited() >= milliseconds(500), c.waited) << c.code;
  }
}

TEST(RetryPolicyTest, RunsBudgetIsSharedByItsEntries) {
  plat::FakeClock clock;
  RetryPolicy retry(clock, {});
  const std::vector<milliseconds> expected = {milliseconds(2000), milliseconds(2000),
                                              milliseconds(1000), milliseconds(0)};
  for (milliseconds share : expected) {
    const milliseconds before = clock.Now();
    HeldEntry entry{clock, err::kDeletePending};
    EXPECT_EQ(retry.Run(entry), err::kDeletePending);
    EXPECT_EQ(clock.Now() - before, share);
  }
  EXPECT_EQ(retry.Waited(), milliseconds(5000));
  // Once the budget is spent, even an entry that would be free in a moment gets one try.
  HeldEntry soon{clock, err::kSharingViolation, clock.Now() + milliseconds(1)};
  EXPECT_EQ(retry.Run(soon), err::kSharingViolation);
  EXPECT_EQ(soon.tries.size(), 1u);
}

// A clock whose waits end after at most 3 ms, as when window messages keep arriving.
class RestlessClock : public plat::FakeClock {
 public:
  void Wait(milliseconds duration) override {
    FakeClock::Wait(std::min(duration, milliseconds(3)));
  }
};

TEST(RetryPolicyTest, WaitsEndedByMessagesStillPauseFullyAndLetTheWindowWork) {
  RestlessClock clock;
  int handled = 0;
  RetryPolicy retry(clock, [&] { ++handled; });
  HeldEntry entry{clock, err::kSharingViolation, milliseconds(30)};
  EXPECT_EQ(retry.Run(entry), err::kSuccess);
  ASSERT_EQ(entry.tries.size(), 3u);
  EXPECT_EQ(entry.tries[1], milliseconds(10));
  EXPECT_EQ(entry.tries[2], milliseconds(30));
  EXPECT_EQ(handled, 4 + 7);  // once per wait of at most 3 ms: 10 ms, then 20 ms
}

}  // namespace
