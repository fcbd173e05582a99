#include <gtest/gtest.h>

#include "checks.h"
#include "process.h"

namespace {

TEST(SortdemoProgram, PrintsTheSortedLine) {
  const result r = run(PROGRAM);
  EXPECT_EQ(r.out, "1 2 5 6 6 8 12 13 17 19 24 27 \n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST(SortdemoProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "sortdemo");
}

}  // namespace
