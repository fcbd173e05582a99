#include "checks.h"

#include <gtest/gtest.h>

#include "process.h"

void expect_run(const std::string &path, const std::string &input,
                const std::string &out, const std::string &err, int status) {
  const result r = run(path, input);
  EXPECT_EQ(r.out, out);
  EXPECT_EQ(r.err, err);
  EXPECT_EQ(r.status, status);
}

void expect_write_errors(const std::string &path, const std::string &name,
                         const std::string &input) {
  const result full = run(path, input, out_mode::full);
  EXPECT_EQ(full.err, name + ": write error: No space left on device\n");
  EXPECT_EQ(full.status, 1);

  const result closed = run(path, input, out_mode::closed);
  EXPECT_EQ(closed.err, name + ": write error: Bad file descriptor\n");
  EXPECT_EQ(closed.status, 1);
}
