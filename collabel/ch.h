#ifndef EXERCISES_COLLABEL_CH_H
#define EXERCISES_COLLABEL_CH_H

// The letter for a letter value: 1 to 25 give "A" to "Y", 0 gives "Z" (the
// digit worth 26 in bijective base 26). Any other value gives '?'.
inline char ch(int r) {
  if (r == 0) {
    return 'Z';
  }
  if (r < 0 || r > 25) {
    return '?';
  }
  return static_cast<char>('A' + r - 1);
}

#endif
