#include "process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern char **environ;

namespace {

[[noreturn]] void fail(const std::string &what, int err) {
  throw std::runtime_error(what + ": " + std::strerror(err));
}

// An unlinked temporary file, closed on exec unless dup2'ed into place.
int scratch() {
  const char *dir = std::getenv("TMPDIR");
  std::string name =
      std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") +
      "/e2e-XXXXXX";
  const int tmp = mkostemp(name.data(), O_CLOEXEC);
  if (tmp < 0) {
    fail("mkostemp " + name, errno);
  }
  unlink(name.c_str());
  // Keep clear of 0, 1 and 2, which may be closed in the test process.
  const int fd = fcntl(tmp, F_DUPFD_CLOEXEC, 3);
  const int err = errno;
  close(tmp);
  if (fd < 0) {
    fail("fcntl", err);
  }
  return fd;
}

void put(int fd, const std::string &bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      fail("write", errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (lseek(fd, 0, SEEK_SET) < 0) {
    fail("lseek", errno);
  }
}

std::string take(int fd) {
  if (lseek(fd, 0, SEEK_SET) < 0) {
    fail("lseek", errno);
  }
  std::string bytes;
  char buf[4096];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      fail("read", errno);
    }
    if (n == 0) {
      return bytes;
    }
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

// Closes the file descriptors it holds, whatever way the run ends.
struct fds {
  int in = -1;
  int out = -1;
  int err = -1;
  fds() = default;
  fds(const fds &) = delete;
  fds &operator=(const fds &) = delete;
  ~fds() {
    for (const int fd : {in, out, err}) {
      if (fd >= 0) {
        close(fd);
      }
    }
  }
};

}  // namespace

result run(const std::string &path, const std::string &input, out_mode out,
           in_mode in) {
  fds f;
  f.err = scratch();
  if (in == in_mode::bytes) {
    f.in = scratch();
    put(f.in, input);
  }
  if (out == out_mode::capture) {
    f.out = scratch();
  }

  posix_spawn_file_actions_t actions;
  int rc = posix_spawn_file_actions_init(&actions);
  if (rc != 0) {
    fail("posix_spawn_file_actions_init", rc);
  }
  if (in == in_mode::bytes) {
    rc = posix_spawn_file_actions_adddup2(&actions, f.in, 0);
  } else {
    rc = posix_spawn_file_actions_addclose(&actions, 0);
  }
  if (rc == 0) {
    switch (out) {
      case out_mode::capture:
        rc = posix_spawn_file_actions_adddup2(&actions, f.out, 1);
        break;
      case out_mode::full:
        rc = posix_spawn_file_actions_addopen(&actions, 1, "/dev/full",
                                              O_WRONLY, 0);
        break;
      case out_mode::closed:
        rc = posix_spawn_file_actions_addclose(&actions, 1);
        break;
    }
  }
  if (rc == 0) {
    rc = posix_spawn_file_actions_adddup2(&actions, f.err, 2);
  }
  pid_t pid = 0;
  if (rc == 0) {
    std::string arg0 = path;
    char *argv[] = {arg0.data(), nullptr};
    rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    fail("posix_spawn " + path, rc);
  }

  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0) {
    if (errno != EINTR) {
      fail("waitpid", errno);
    }
  }

  result r;
  if (WIFEXITED(wstatus)) {
    r.status = WEXITSTATUS(wstatus);
  } else if (WIFSIGNALED(wstatus)) {
    r.status = 128 + WTERMSIG(wstatus);
  }
  if (out == out_mode::capture) {
    r.out = take(f.out);
  }
  r.err = take(f.err);
  return r;
}
