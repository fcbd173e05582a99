#ifndef EXERCISES_GRIDCUT_SEARCH_H
#define EXERCISES_GRIDCUT_SEARCH_H

// Mirrored depth-first search over the 7 x 7 lattice of corner points of a
// 6 x 6 grid. The walk grows from the centre (3, 3) at both ends at once:
// the lead point takes a step and the mirror point, its image under the
// half-turn about the centre, takes the opposite step.

// A lattice point: row and column, each 0 to 6.
struct point {
  int row;
  int col;
};

// Row and column change of steps 0 to 3: up, right, down, left.
extern const int x[4];
extern const int y[4];

// 1 where a point is on the walk built so far, 0 where it is free.
extern int used[7][7];

// Number of walks completed so far.
extern int count;

// Extends the walk whose ends are lead and mirror (both marked, mirror the
// image of lead) in every possible way, adding 1 to count for each walk
// whose lead point reaches the border. Leaves used as it found it.
void dfs(point lead, point mirror);

#endif
