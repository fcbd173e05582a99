#include <gtest/gtest.h>

#include <string>

#include "checks.h"

namespace {

// The whole output: 29 solution lines, then the count with no line end.
const std::string expected = R"(3 5 1 972 486
4 9 3 528 176
5 3 1 972 486
5 4 3 726 198
5 4 9 738 162
5 8 6 473 129
6 4 2 358 179
6 4 2 718 359
6 7 3 485 291
6 8 3 952 714
6 9 8 437 152
7 1 4 968 352
7 3 2 819 546
7 3 2 981 654
7 5 3 264 198
7 5 3 912 684
7 9 6 381 254
7 9 6 813 542
8 1 3 465 279
8 6 9 712 534
8 7 6 195 234
9 1 3 452 678
9 1 3 524 786
9 2 4 178 356
9 2 4 358 716
9 3 4 157 628
9 4 8 176 352
9 4 8 356 712
9 6 8 143 572
29)";

TEST(DigiteqProgram, PrintsEverySolutionThenTheirNumber) {
  ASSERT_EQ(expected.size(), 408U);
  expect_run(PROGRAM, "", expected, "", 0);
}

TEST(DigiteqProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "digiteq");
}

}  // namespace
