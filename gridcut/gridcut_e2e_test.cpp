#include <gtest/gtest.h>

#include "process.h"

namespace {

TEST(GridcutProgram, PrintsTheCount) {
  const result r = run(PROGRAM);
  EXPECT_EQ(r.out, "509\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST(GridcutProgram, ReportsWriteErrors) {
  const result full = run(PROGRAM, "", out_mode::full);
  EXPECT_EQ(full.err, "gridcut: write error: No space left on device\n");
  EXPECT_EQ(full.status, 1);

  const result closed = run(PROGRAM, "", out_mode::closed);
  EXPECT_EQ(closed.err, "gridcut: write error: Bad file descriptor\n");
  EXPECT_EQ(closed.status, 1);
}

}  // namespace
