// digiteq: finds every placement of the digits 1 to 9, each once, in
// A + B/C + DEF/GHI = 10 with exact fractions, prints each one as it is
// found and then their number, with no line end after it.
//
// Nine nested loops, one per position from A to I, try 1 to 9 in order, so
// the placements are visited in lexicographic order. A candidate already
// placed at an outer level is skipped before any deeper level runs, so the
// equation is tested once for each of the 9! permutations. The digits
// placed so far are kept as a bit set in one int, built level by level:
// testing a candidate against all of them is one shift and one mask.
#include <cstdio>

#include "flushout.h"

namespace {

// Whether digit d is in the set s of digits placed so far.
bool placed(int s, int d) { return ((s >> d) & 1) != 0; }

}  // namespace

int main() {  // NOLINT(readability-function-cognitive-complexity)
  int solutions = 0;
  for (int a = 1; a <= 9; ++a) {
    const int A = a;
    const int sa = 1 << A;
    for (int b = 1; b <= 9; ++b) {
      if (placed(sa, b)) {
        continue;
      }
      const int B = b;
      const int sb = sa | 1 << B;
      for (int c = 1; c <= 9; ++c) {
        if (placed(sb, c)) {
          continue;
        }
        const int C = c;
        const int sc = sb | 1 << C;
        for (int d = 1; d <= 9; ++d) {
          if (placed(sc, d)) {
            continue;
          }
          const int D = d;
          const int sd = sc | 1 << D;
          for (int e = 1; e <= 9; ++e) {
            if (placed(sd, e)) {
              continue;
            }
            const int E = e;
            const int se = sd | 1 << E;
            for (int f = 1; f <= 9; ++f) {
              if (placed(se, f)) {
                continue;
              }
              const int F = f;
              const int sf = se | 1 << F;
              for (int g = 1; g <= 9; ++g) {
                if (placed(sf, g)) {
                  continue;
                }
                const int G = g;
                const int sg = sf | 1 << G;
                for (int h = 1; h <= 9; ++h) {
                  if (placed(sg, h)) {
                    continue;
                  }
                  const int H = h;
                  const int sh = sg | 1 << H;
                  for (int i = 1; i <= 9; ++i) {
                    if (placed(sh, i)) {
                      continue;
                    }
                    const int I = i;
                    const int DEF = D * 100 + E * 10 + F;
                    const int GHI = G * 100 + H * 10 + I;
                    // A + B/C + DEF/GHI = 10, multiplied through by C * GHI.
                    if ((A * C + B) * GHI + C * DEF == 10 * C * GHI) {
                      std::printf("%d %d %d %d %d\n", A, B, C, DEF, GHI);
                      ++solutions;
                    }
                  }
                }
              }
            }
          }
        }
      }
    }
  }
  std::printf("%d", solutions);
  return flushout("digiteq");
}
