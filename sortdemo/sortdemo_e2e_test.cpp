#include <gtest/gtest.h>

#include "process.h"

namespace {

TEST(SortdemoProgram, PrintsTheSortedLine) {
  const result r = run(PROGRAM);
  EXPECT_EQ(r.out, "1 2 5 6 6 8 12 13 17 19 24 27 \n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST(SortdemoProgram, ReportsWriteErrors) {
  const result full = run(PROGRAM, "", out_mode::full);
  EXPECT_EQ(full.err, "sortdemo: write error: No space left on device\n");
  EXPECT_EQ(full.status, 1);

  const result closed = run(PROGRAM, "", out_mode::closed);
  EXPECT_EQ(closed.err, "sortdemo: write error: Bad file descriptor\n");
  EXPECT_EQ(closed.status, 1);
}

}  // namespace
