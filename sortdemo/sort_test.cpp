#include "sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <vector>

namespace {

using twelve = std::array<int, 12>;

constexpr twelve demo = {5, 13, 6, 24, 2, 8, 19, 27, 6, 12, 1, 17};

struct step {
  int lo;
  int hi;
  int result;
  twelve after;
};

// The partitions that sorting the demonstration data performs, in order,
// each applied to the array the one before it left.
const step demo_steps[] = {
    {0, 11, 2, {2, 1, 5, 24, 6, 8, 19, 27, 6, 12, 13, 17}},
    {0, 1, 1, {1, 2, 5, 24, 6, 8, 19, 27, 6, 12, 13, 17}},
    {3, 11, 10, {1, 2, 5, 13, 6, 8, 19, 17, 6, 12, 24, 27}},
    {3, 9, 7, {1, 2, 5, 6, 6, 8, 12, 13, 17, 19, 24, 27}},
    {3, 6, 4, {1, 2, 5, 6, 6, 8, 12, 13, 17, 19, 24, 27}},
    {5, 6, 5, {1, 2, 5, 6, 6, 8, 12, 13, 17, 19, 24, 27}},
    {8, 9, 8, {1, 2, 5, 6, 6, 8, 12, 13, 17, 19, 24, 27}},
};

TEST(Partition, FollowsTheDemonstrationSequence) {
  twelve arr = demo;
  for (const step &s : demo_steps) {
    SCOPED_TRACE(testing::Message() << "range " << s.lo << ".." << s.hi);
    EXPECT_EQ(partition(arr.data(), s.lo, s.hi), s.result);
    EXPECT_EQ(arr, s.after);
  }
}

struct pair_case {
  std::array<int, 2> before;
  int result;
  std::array<int, 2> after;
};

TEST(Partition, TwoElements) {
  const pair_case cases[] = {
      {{2, 1}, 1, {1, 2}},
      {{1, 2}, 0, {1, 2}},
      {{7, 7}, 1, {7, 7}},
      {{INT_MAX, INT_MIN}, 1, {INT_MIN, INT_MAX}},
  };
  for (const pair_case &c : cases) {
    std::array<int, 2> arr = c.before;
    EXPECT_EQ(partition(arr.data(), 0, 1), c.result);
    EXPECT_EQ(arr, c.after);
  }
}

TEST(Partition, SplitsEqualKeysNearTheMiddle) {
  std::array<int, 5> arr = {4, 4, 4, 4, 4};
  EXPECT_EQ(partition(arr.data(), 0, 4), 2);
}

TEST(Partition, SortedKeysLeaveThePivotAtLo) {
  twelve arr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const twelve before = arr;
  for (int lo = 0; lo < 11; ++lo) {
    EXPECT_EQ(partition(arr.data(), lo, 11), lo);
    EXPECT_EQ(arr, before);
  }
}

TEST(Quicksort, SortsTheDemonstrationData) {
  twelve arr = demo;
  quicksort(arr.data(), 0, 11);
  EXPECT_EQ(arr, (twelve{1, 2, 5, 6, 6, 8, 12, 13, 17, 19, 24, 27}));
}

TEST(Quicksort, RangesOfAtMostOneElementTouchNothing) {
  // A null array shows that nothing is read, not only that nothing changed.
  quicksort(nullptr, 0, -1);
  quicksort(nullptr, 0, 0);
  quicksort(nullptr, 5, 2);
  quicksort(nullptr, INT_MAX, INT_MIN);

  twelve arr = demo;
  quicksort(arr.data(), 5, 2);
  quicksort(arr.data(), 11, 11);
  EXPECT_EQ(arr, demo);
}

TEST(Quicksort, SubRangeLeavesTheRestUntouched) {
  twelve arr = demo;
  quicksort(arr.data(), 3, 8);
  EXPECT_EQ(arr, (twelve{5, 13, 6, 2, 6, 8, 19, 24, 27, 12, 1, 17}));
}

TEST(Quicksort, SignedOrderWithExtremeValues) {
  std::array<int, 4> small = {0, -5, 3, -1};
  quicksort(small.data(), 0, 3);
  EXPECT_EQ(small, (std::array<int, 4>{-5, -1, 0, 3}));

  std::array<int, 7> wide = {0, INT_MAX, -1, INT_MIN, 1, INT_MAX, INT_MIN};
  quicksort(wide.data(), 0, 6);
  EXPECT_EQ(wide,
            (std::array<int, 7>{INT_MIN, INT_MIN, -1, 0, 1, INT_MAX, INT_MAX}));
}

TEST(Quicksort, EqualAndAlreadySortedKeys) {
  std::array<int, 5> equal = {4, 4, 4, 4, 4};
  quicksort(equal.data(), 0, 4);
  EXPECT_EQ(equal, (std::array<int, 5>{4, 4, 4, 4, 4}));

  twelve sorted = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const twelve before = sorted;
  quicksort(sorted.data(), 0, 11);
  EXPECT_EQ(sorted, before);

  twelve reversed = {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  quicksort(reversed.data(), 0, 11);
  EXPECT_EQ(reversed, before);
}

// Random arrays of many sizes and few distinct values, so that runs of
// equal keys are common; each is sorted exactly in the middle of a larger
// buffer whose guard elements must survive.
TEST(Quicksort, MatchesStdSortOnRandomArrays) {
  std::mt19937 gen(20261211);
  constexpr int guard = 3;
  for (int n = 0; n <= 64; ++n) {
    for (int round = 0; round < 20; ++round) {
      std::uniform_int_distribution<int> value(-4, n / 2 + 1);
      std::vector<int> buf(static_cast<std::size_t>(n + 2 * guard), 99);
      for (int i = guard; i < guard + n; ++i) {
        buf[static_cast<std::size_t>(i)] = value(gen);
      }
      std::vector<int> want = buf;
      std::sort(want.begin() + guard, want.begin() + guard + n);
      quicksort(buf.data(), guard, guard + n - 1);
      ASSERT_EQ(buf, want) << "n = " << n << ", round " << round;
    }
  }
}

}  // namespace
