#ifndef EXERCISES_TESTING_PROCESS_H
#define EXERCISES_TESTING_PROCESS_H

#include <string>

// Where the child's standard output goes.
enum class out_mode {
  capture,  // a file whose bytes come back in result::out
  full,     // /dev/full: every write fails with ENOSPC
  closed,   // file descriptor 1 is closed
};

// Where the child's standard input comes from.
enum class in_mode {
  bytes,   // a file holding the given bytes
  closed,  // file descriptor 0 is closed
};

struct result {
  std::string out;  // standard output, byte for byte (capture only)
  std::string err;  // standard error, byte for byte
  int status = -1;  // exit status, or 128 + signal number if killed
};

// Runs the program at `path` with no arguments and the test's own
// environment, feeds it `input`, waits for it and returns what it wrote and
// how it ended. Throws std::runtime_error when the process cannot be run.
result run(const std::string &path, const std::string &input = "",
           out_mode out = out_mode::capture, in_mode in = in_mode::bytes);

#endif
