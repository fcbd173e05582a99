#include <gtest/gtest.h>

#include "checks.h"

namespace {

TEST(GridcutProgram, PrintsTheCount) {
  expect_run(PROGRAM, "", "509\n", "", 0);
}

TEST(GridcutProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "gridcut");
}

}  // namespace
