// withinput FILE PROGRAM: runs PROGRAM (no arguments) with FILE as its
// standard input, by replacing itself with it, so that no shell stands
// between the benchmark and the program.
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>

int main(int argc, char *argv[]) {
  if (argc != 3) {
    std::fputs("usage: withinput FILE PROGRAM\n", stderr);
    return 2;
  }
  const int fd = open(argv[1], O_RDONLY);
  if (fd < 0 || dup2(fd, 0) < 0) {
    std::perror(argv[1]);
    return 2;
  }
  close(fd);
  char *args[] = {argv[2], nullptr};
  execv(argv[2], args);
  std::perror(argv[2]);
  return 2;
}
