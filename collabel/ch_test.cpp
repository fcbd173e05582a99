#include "ch.h"

#include <gtest/gtest.h>

namespace {

TEST(Ch, MapsLetterValuesToLetters) {
  const char want[] = "ZABCDEFGHIJKLMNOPQRSTUVWXY";
  for (int r = 0; r <= 25; ++r) {
    EXPECT_EQ(ch(r), want[r]) << "value " << r;
  }
}

TEST(Ch, ValuesOutsideTheLettersGiveAQuestionMark) {
  for (const int r : {-2147483647 - 1, -1, 26, 27, 2147483647}) {
    EXPECT_EQ(ch(r), '?') << "value " << r;
  }
}

}  // namespace
