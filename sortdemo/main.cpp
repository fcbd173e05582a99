// sortdemo: sorts twelve fixed integers with an in-place quicksort and
// prints them on one line, each followed by a blank.
#include <cstdio>

#include "flushout.h"
#include "sort.h"

int main() {
  int numbers[] = {5, 13, 6, 24, 2, 8, 19, 27, 6, 12, 1, 17};
  const int size = 12;
  quicksort(numbers, 0, size - 1);
  // The loop runs over size, the same count that was sorted.
  for (int i = 0; i < size; ++i) {  // NOLINT(modernize-loop-convert)
    std::printf("%d ", numbers[i]);
  }
  std::putchar('\n');
  return flushout("sortdemo");
}
