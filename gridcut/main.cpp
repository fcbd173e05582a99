// gridcut: counts the cuts along the grid lines of a 6 x 6 grid that run
// from the border through the centre to the border and are symmetric under
// a half-turn. Every walk is found once from each of the four first steps,
// so the total is divided by four.
#include <cstdio>

#include "flushout.h"
#include "search.h"

int main() {
  const point centre = {3, 3};
  used[3][3] = 1;
  dfs(centre, centre);
  std::printf("%d\n", count / 4);
  return flushout("gridcut");
}
