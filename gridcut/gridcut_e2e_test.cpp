#include <gtest/gtest.h>

#include "checks.h"
#include "process.h"

namespace {

TEST(GridcutProgram, PrintsTheCount) {
  const result r = run(PROGRAM);
  EXPECT_EQ(r.out, "509\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST(GridcutProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "gridcut");
}

}  // namespace
