#include "search.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using grid = std::array<std::array<int, 7>, 7>;

grid marks() {
  grid g{};
  for (int r = 0; r < 7; ++r) {
    for (int c = 0; c < 7; ++c) {
      g[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = used[r][c];
    }
  }
  return g;
}

void set_marks(const grid &g) {
  for (int r = 0; r < 7; ++r) {
    for (int c = 0; c < 7; ++c) {
      used[r][c] = g[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }
  }
}

void mark(point p) { used[p.row][p.col] = 1; }

const point centre = {3, 3};

// The search state is global: every test starts from a clear grid.
class Dfs : public testing::Test {
 protected:
  void SetUp() override {
    set_marks(grid{});
    count = 0;
  }
};

TEST_F(Dfs, WholeSearchCompletesFourTimes509WalksAndRestoresTheMarks) {
  mark(centre);
  dfs(centre, centre);
  EXPECT_EQ(count, 4 * 509);

  grid want{};
  want[3][3] = 1;
  EXPECT_EQ(marks(), want);
}

TEST_F(Dfs, EachFirstStepBegins509Walks) {
  for (int s = 0; s < 4; ++s) {
    SCOPED_TRACE(testing::Message() << "first step " << s);
    set_marks(grid{});
    count = 0;
    const point lead = {centre.row + x[s], centre.col + y[s]};
    const point mirror = {centre.row - x[s], centre.col - y[s]};
    mark(centre);
    mark(lead);
    mark(mirror);
    const grid before = marks();
    dfs(lead, mirror);
    EXPECT_EQ(count, 509);
    EXPECT_EQ(marks(), before);
  }
}

TEST_F(Dfs, BorderPointCompletesOneWalkAndStepsNoFurther) {
  const point ends[][2] = {
      {{0, 3}, {6, 3}}, {{3, 6}, {3, 0}}, {{3, 0}, {3, 6}}, {{6, 3}, {0, 3}},
      {{0, 0}, {6, 6}}, {{6, 6}, {0, 0}}, {{0, 6}, {6, 0}}, {{6, 0}, {0, 6}},
  };
  for (const auto &e : ends) {
    SCOPED_TRACE(testing::Message()
                 << "lead (" << e[0].row << ", " << e[0].col << ")");
    set_marks(grid{});
    count = 0;
    mark(e[0]);
    mark(e[1]);
    const grid before = marks();
    dfs(e[0], e[1]);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(marks(), before);
  }
}

TEST_F(Dfs, MarkedTargetsAreNeverEntered) {
  grid all{};
  for (auto &row : all) {
    row.fill(1);
  }
  set_marks(all);
  dfs({2, 2}, {4, 4});
  EXPECT_EQ(count, 0);
  EXPECT_EQ(marks(), all);
}

// Inside the border only the middle row and column are free: the four
// straight 3-step walks, the shortest there are, are all that remain.
TEST_F(Dfs, FreeCrossGivesTheFourStraightWalks) {
  grid g{};
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      g[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
          r == 3 || c == 3 ? 0 : 1;
    }
  }
  g[3][3] = 1;
  set_marks(g);
  dfs(centre, centre);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(marks(), g);
}

}  // namespace
