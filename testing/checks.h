#ifndef EXERCISES_TESTING_CHECKS_H
#define EXERCISES_TESTING_CHECKS_H

#include <string>

// Checks that the program at `path`, given `input`, writes exactly `out` to
// standard output and `err` to standard error, and exits with `status`.
void expect_run(const std::string &path, const std::string &input,
                const std::string &out, const std::string &err, int status);

// Checks that the program at `path`, given `input`, reports lost output:
// with standard output on /dev/full and with it closed, it must write
// "<name>: write error: <reason>" and a newline to standard error and
// exit with status 1.
void expect_write_errors(const std::string &path, const std::string &name,
                         const std::string &input = "");

#endif
