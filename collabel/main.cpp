// collabel: reads one integer from standard input and writes its
// spreadsheet-style column label (1 is A, 26 is Z, 27 is AA) with no line
// end. Zero and negative numbers have an empty label.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ch.h"
#include "flushout.h"

namespace {

// What scan found on standard input.
enum { found, no_integer, out_of_range, read_failed };

bool space(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

bool digit(int c) { return c >= '0' && c <= '9'; }

// Reads one decimal integer the way "%d" does: white space is skipped, a
// sign may come first, and the first character that is not a digit ends
// the number and is put back. Unlike "%d", it says when there is no
// number, and when the number does not fit in an int however many digits
// it has, instead of converting a made-up value.
int scan(std::FILE *in, int *n) {
  int c = std::getc(in);
  while (space(c)) {
    c = std::getc(in);
  }
  const bool negative = c == '-';
  if (c == '-' || c == '+') {
    c = std::getc(in);
  }
  if (!digit(c)) {
    return std::ferror(in) != 0 ? read_failed : no_integer;
  }
  // Minus the magnitude, so that -2147483648 fits as well.
  int value = 0;
  bool over = false;
  for (; digit(c); c = std::getc(in)) {
    const int d = c - '0';
    if (value < -214748364 || (value == -214748364 && d > 8)) {
      over = true;
    } else if (!over) {
      value = value * 10 - d;
    }
  }
  if (std::ferror(in) != 0) {
    return read_failed;
  }
  std::ungetc(c, in);
  if (!negative) {
    if (value < -2147483647) {
      over = true;
    } else {
      value = -value;
    }
  }
  if (over) {
    return out_of_range;
  }
  *n = value;
  return found;
}

}  // namespace

int main() {
  int n = 0;
  switch (scan(stdin, &n)) {
    case found:
      break;
    case no_integer:
      std::fputs("collabel: no integer on standard input\n", stderr);
      return 1;
    case out_of_range:
      std::fputs("collabel: number out of range\n", stderr);
      return 1;
    default:
      std::fprintf(stderr, "collabel: read error: %s\n", std::strerror(errno));
      return 1;
  }

  // Letter values, rightmost letter first; an int needs at most seven.
  int letters[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  int length = 0;
  while (n > 0) {
    const int r = n % 26;
    letters[length] = r;
    // A remainder of 0 is the letter Z, worth 26: borrow it from n.
    const int k = r == 0 ? 26 : r;
    n = (n - k) / 26;
    ++length;
  }
  for (int i = length - 1; i >= 0; --i) {
    std::putchar(ch(letters[i]));
  }
  return flushout("collabel");
}
