// RemoveTree (DeleteFiles and the removal of the emptied directory) with entries that another
// program holds, on a clock the tests move.
#include <gtest/gtest.h>

#include <functional>

#include "app/util/FileOps.h"
#include "base/Errors.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFileSystem.h"

namespace {

using namespace plat;
using std::chrono::milliseconds;

// One run: a file system on a clock, and the policy the run waits by (or none).
struct OneRun {
  explicit OneRun(bool waits = true)
      : retry(waits ? app::RetryPolicy(clock, [this] { ++handled; }) : app::RetryPolicy()) {}
  OneRun(const OneRun&) = delete;
  OneRun& operator=(const OneRun&) = delete;

  // The code RemoveTree raised, or 0.
  OsError RemoveTree(const std::string& dir) {
    try {
      app::RemoveTree(fs, dir, retry);
    } catch (const base::EInOutError& e) {
      return e.ErrorCode();
    }
    return err::kSuccess;
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  int handled = 0;  // how often the window could handle its messages
  app::RetryPolicy retry;
};

TEST(DeleteFilesRetryTest, HeldFileIsWaitedForUpToItsBudget) {
  struct Case {
    const char* name;
    milliseconds heldFor;
    HolderShares shares;
    OsError raised;
    milliseconds minWait, maxWait;
  };
  const milliseconds second(1000), longestPause(250), budget(2000);
  for (const Case& c : {
           Case{"held 1 s", second, HolderShares::kNoDelete, 0, second, second + longestPause},
           Case{"held 1 s, deleted", second, HolderShares::kDelete, 0, second,
                second + longestPause},
           // The file survives the file pass and is taken for a directory.
           Case{"held for ever", kForever, HolderShares::kNoDelete, err::kDirectory, budget,
                budget},
           Case{"held for ever, deleted", kForever, HolderShares::kDelete, err::kDeletePending,
                budget, budget},
       }) {
    OneRun run;
    run.fs.AddFile("C:\\d\\sub\\held.txt");
    run.fs.AddFile("C:\\d\\sub\\free.txt");
    run.fs.Hold("C:\\d\\sub\\held.txt", c.heldFor, c.shares);
    EXPECT_EQ(run.RemoveTree("C:\\d"), c.raised) << c.name;
    EXPECT_EQ(run.fs.Exists("C:\\d"), c.raised != 0) << c.name;
    EXPECT_FALSE(run.fs.Exists("C:\\d\\sub\\free.txt")) << c.name;
    EXPECT_GE(run.clock.Now(), c.minWait) << c.name;
    EXPECT_LE(run.clock.Now(), c.maxWait) << c.name;
    EXPECT_EQ(run.retry.Waited(), run.clock.Now()) << c.name;
    EXPECT_GT(run.handled, 0) << c.name;
  }
}

TEST(DeleteFilesRetryTest, OtherFailuresAreTriedAsOftenAsWithoutWaiting) {
  struct Case {
    const char* name;
    std::function<void(FakeFileSystem&)> setUp;
  };
  const std::string file = "C:\\d\\sub\\f.dat";
  const std::string hidden = "C:\\d\\sub\\h.dat";
  const Case cases[] = {
      {"read-only file that stays read-only",
       [&](FakeFileSystem& fs) {
         fs.AddFile(file, attr::kReadOnly);
         fs.FailOn(FsOp::kSetAttributes, file, err::kAccessDenied);
       }},
      {"path not found", [&](FakeFileSystem& fs) { fs.FailOn(FsOp::kRemoveFile, file, 3); }},
      {"device error", [&](FakeFileSystem& fs) { fs.FailOn(FsOp::kRemoveFile, file, 1117); }},
      {"directory denied",
       [](FakeFileSystem& fs) { fs.FailOn(FsOp::kRemoveDir, "C:\\d\\sub", err::kAccessDenied); }},
      // Not emptied: a listing that failed says nothing of what the directory still holds.
      {"listing failed",
       [](FakeFileSystem& fs) { fs.FailOn(FsOp::kEnumerate, "C:\\d\\sub", err::kCrc); }},
      // Not emptied: a hidden file that stays keeps the directory, which is not worth waiting on.
      {"directory with a file left",
       [&](FakeFileSystem& fs) {
         fs.AddFile(hidden, attr::kHidden);
         fs.FailOn(FsOp::kRemoveFile, hidden, err::kAccessDenied);
       }},
  };
  for (const Case& c : cases) {
    OneRun waiting, plain(false);
    for (OneRun* run : {&waiting, &plain}) {
      run->fs.AddFile(file);
      c.setUp(run->fs);
      EXPECT_NE(run->RemoveTree("C:\\d"), err::kSuccess) << c.name;
    }
    for (FsOp op : {FsOp::kRemoveFile, FsOp::kSetAttributes, FsOp::kRemoveDir}) {
      EXPECT_EQ(waiting.fs.Calls(op), plain.fs.Calls(op)) << c.name;
    }
    EXPECT_EQ(waiting.clock.Now(), milliseconds(0)) << c.name;
  }
}

TEST(DeleteFilesRetryTest, EmptiedDirectoryThatStaysNotEmptyIsWaitedFor) {
  // As under Wine, which lists entries pending deletion and answers for them like for any other.
  OneRun run;
  run.fs.AddFile("C:\\d\\sub\\f.dat");
  run.fs.FailOn(FsOp::kRemoveDir, "C:\\d\\sub", err::kDirNotEmpty);
  EXPECT_EQ(run.RemoveTree("C:\\d"), err::kDirNotEmpty);
  EXPECT_EQ(run.clock.Now(), milliseconds(2000));
}

}  // namespace
