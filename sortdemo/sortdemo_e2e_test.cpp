#include <gtest/gtest.h>

#include "checks.h"

namespace {

TEST(SortdemoProgram, PrintsTheSortedLine) {
  expect_run(PROGRAM, "", "1 2 5 6 6 8 12 13 17 19 24 27 \n", "", 0);
}

TEST(SortdemoProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "sortdemo");
}

}  // namespace
