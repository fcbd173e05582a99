#include "search.h"

const int x[4] = {-1, 0, 1, 0};
const int y[4] = {0, 1, 0, -1};
int used[7][7];
int count;

void dfs(point lead, point mirror) {
  if (lead.row == 0 || lead.col == 6 || lead.col == 0 || lead.row == 6) {
    ++count;
    return;
  }
  for (int s = 0; s < 4; ++s) {
    const point next = {lead.row + x[s], lead.col + y[s]};
    const point image = {mirror.row - x[s], mirror.col - y[s]};
    // The marks are symmetric, so image is marked exactly when next is.
    if (used[next.row][next.col] == 1) {
      continue;
    }
    used[next.row][next.col] = 1;
    used[image.row][image.col] = 1;
    dfs(next, image);
    used[next.row][next.col] = 0;
    used[image.row][image.col] = 0;
  }
}
