#ifndef EXERCISES_COMMON_FLUSHOUT_H
#define EXERCISES_COMMON_FLUSHOUT_H

#include <cerrno>
#include <cstdio>
#include <cstring>

// Flushes standard output and reports whether everything written reached
// it. On failure writes "<program>: write error: <reason>" and a newline to
// standard error and returns 1, the exit status for lost output; otherwise
// returns 0. A program that wrote nothing has nothing to fail on.
inline int flushout(const char *program) {
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
    return 0;
  }
  // If the write that failed came before the flush, errno still holds its
  // reason; should it hold none, report a plain I/O error.
  const int err = errno != 0 ? errno : EIO;
  std::fprintf(stderr, "%s: write error: %s\n", program, std::strerror(err));
  return 1;
}

#endif
