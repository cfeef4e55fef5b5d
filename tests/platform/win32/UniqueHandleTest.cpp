#include <gtest/gtest.h>

#include <utility>

#include "platform/win32/UniqueHandle.h"

namespace {

// Handles are counters here: giving one back counts it, so a handle given back twice or never
// shows.
struct CountedTraits {
  using Handle = int*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ++*h; }
};
using UniqueCounted = plat::UniqueHandle<CountedTraits>;

// A handle given back to its holder counts at the holder.
void GiveBack(int* holder, int*) {
  ++*holder;
}
using UniqueHeld = plat::UniqueHandle<plat::GivenBackTraits<int*, int*, &GiveBack>>;

struct LifeCase {
  const char* name;
  void (*run)(int* a, int* b);
  int closesOfA;
  int closesOfB;
};

const LifeCase kLives[] = {
    {"goes with its owner", [](int* a, int*) { UniqueCounted h(a); }, 1, 0},
    {"released, is not given back",
     [](int* a, int*) {
       UniqueCounted h(a);
       h.Release();
     },
     0, 0},
    {"reset, gives the old one back and keeps the new",
     [](int* a, int* b) {
       UniqueCounted h(a);
       h.Reset(b);
     },
     1, 1},
    {"moved out, is given back once",
     [](int* a, int*) {
       UniqueCounted h(a);
       UniqueCounted g(std::move(h));
     },
     1, 0},
    {"moved over another, gives that one back",
     [](int* a, int* b) {
       UniqueCounted h(a);
       UniqueCounted g(b);
       g = std::move(h);
     },
     1, 1},
    {"moved onto itself, stays",
     [](int* a, int*) {
       UniqueCounted h(a);
       UniqueCounted& same = h;
       h = std::move(same);
       EXPECT_EQ(h.Get(), a);
     },
     1, 0},
    {"received through a pointer, gives the old one back",
     [](int* a, int* b) {
       UniqueCounted h(a);
       *h.Receive() = b;
     },
     1, 1},
};

TEST(UniqueHandleTest, EveryHandleIsGivenBackExactlyOnceUnlessReleased) {
  for (const LifeCase& c : kLives) {
    int a = 0;
    int b = 0;
    c.run(&a, &b);
    EXPECT_EQ(a, c.closesOfA) << c.name;
    EXPECT_EQ(b, c.closesOfB) << c.name;
  }
}

TEST(UniqueHandleTest, AMovedHandleGoesBackToItsOwnHolder) {
  int handle = 0;
  int first = 0;
  int second = 0;
  {
    UniqueHeld held(&handle, {&first});
    UniqueHeld other(&handle, {&second});
    other = std::move(held);
    EXPECT_EQ(second, 1);
  }
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

}  // namespace
