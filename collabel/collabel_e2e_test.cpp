#include <gtest/gtest.h>

#include <random>
#include <string>

#include "checks.h"
#include "process.h"

namespace {

struct label_case {
  std::string input;
  const char *label;
};

// Inputs that hold an integer in range: the label and status 0, nothing on
// standard error and never a line end.
const label_case labels[] = {
    {"1", "A"},
    {"2", "B"},
    {"25", "Y"},
    {"26", "Z"},
    {"27", "AA"},
    {"28", "AB"},
    {"52", "AZ"},
    {"53", "BA"},
    {"676", "YZ"},
    {"677", "ZA"},
    {"702", "ZZ"},
    {"703", "AAA"},
    {"18278", "ZZZ"},
    {"18279", "AAAA"},
    {"2147483647", "FXSHRXW"},
    // Zero and negative numbers have an empty label.
    {"0", ""},
    {"-0", ""},
    {"+0", ""},
    {"-1", ""},
    {"-27", ""},
    {"-2147483648", ""},
    // White space, signs and leading zeros.
    {"\n\n  \t27", "AA"},
    {" \v\f\r27", "AA"},
    {"+27", "AA"},
    {"0027", "AA"},
    {"000000000000000000000000000027", "AA"},
    {std::string(100000, '0') + "27", "AA"},
    {"-000000000000000000002147483648", ""},
    {"+2147483647", "FXSHRXW"},
    // The first character that is not a digit ends the number.
    {"27\n", "AA"},
    {"27 3", "AA"},
    {"27abc", "AA"},
    {"27.9", "AA"},
    {"1e5", "A"},
    {"0x1A", ""},
    {"27 99999999999999999999", "AA"},
    {"703-", "AAA"},
    {std::string("27\0", 3), "AA"},
};

TEST(CollabelProgram, WritesTheLabel) {
  for (const label_case &c : labels) {
    SCOPED_TRACE(testing::Message() << "input \"" << c.input << "\"");
    expect_run(PROGRAM, c.input, c.label, "", 0);
  }
}

const char no_integer[] = "collabel: no integer on standard input\n";
const char out_of_range[] = "collabel: number out of range\n";

struct refusal_case {
  std::string input;
  const char *message;
};

// Inputs with no usable integer: nothing on standard output, one line on
// standard error, status 1.
const refusal_case refusals[] = {
    {"", no_integer},
    {"   \n\t\n", no_integer},
    {"abc", no_integer},
    {"x27", no_integer},
    {"+", no_integer},
    {"-", no_integer},
    {"+ 5", no_integer},
    {"- 5", no_integer},
    {"--5", no_integer},
    {"+-5", no_integer},
    {".5", no_integer},
    {std::string("\0"
                 "27",
                 3),
     no_integer},
    {"2147483648", out_of_range},
    {"+2147483648", out_of_range},
    {"-2147483649", out_of_range},
    {"00000000002147483648", out_of_range},
    {"4294967323", out_of_range},  // 2^32 + 27: wrapped, it would be AA
    {"99999999999999999999999999999999999999", out_of_range},
    {"-99999999999999999999999999999999999999", out_of_range},
    {std::string(100000, '9'), out_of_range},
    {"21474836470 27", out_of_range},
};

TEST(CollabelProgram, RefusesInputWithNoUsableInteger) {
  for (const refusal_case &c : refusals) {
    SCOPED_TRACE(testing::Message() << "input \"" << c.input << "\"");
    expect_run(PROGRAM, c.input, "", c.message, 1);
  }
}

TEST(CollabelProgram, ReportsAReadError) {
  const result r = run(PROGRAM, "", out_mode::capture, in_mode::closed);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "collabel: read error: Bad file descriptor\n");
  EXPECT_EQ(r.status, 1);
}

TEST(CollabelProgram, ReportsWriteErrors) {
  expect_write_errors(PROGRAM, "collabel", "27");
  expect_write_errors(PROGRAM, "collabel", "2147483647");
}

TEST(CollabelProgram, EmptyLabelHasNothingToFailOn) {
  const result r = run(PROGRAM, "0", out_mode::closed);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

// Reads a label back as a number, letter weights A = 1 to Z = 26; -1 for
// anything that is not a nonempty run of upper-case letters.
long long decode(const std::string &label) {
  if (label.empty()) {
    return -1;
  }
  long long n = 0;
  for (const char c : label) {
    if (c < 'A' || c > 'Z') {
      return -1;
    }
    n = n * 26 + (c - 'A' + 1);
  }
  return n;
}

TEST(CollabelProgram, LabelsDecodeBackToTheirNumber) {
  std::mt19937 gen(27);
  // Spread evenly over the orders of magnitude, not only the top one.
  std::uniform_int_distribution<int> bits(0, 30);
  for (int i = 0; i < 300; ++i) {
    const int top = bits(gen);
    std::uniform_int_distribution<int> value(
        1 << top, top == 30 ? 2147483647 : (2 << top) - 1);
    const int n = value(gen);
    const result r = run(PROGRAM, std::to_string(n));
    ASSERT_EQ(decode(r.out), n) << "input " << n << ", label " << r.out;
    ASSERT_EQ(r.status, 0);
  }
}

// Whatever the bytes, the program ends in one of the defined ways.
TEST(CollabelProgram, RandomBytesEndInADefinedOutcome) {
  std::mt19937 gen(1211);
  const std::string alphabet = "0123456789+- \n\tx";
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> pick(
      0, static_cast<int>(alphabet.size()) - 1);
  for (int i = 0; i < 300; ++i) {
    std::string input;
    const int len = length(gen);
    for (int j = 0; j < len; ++j) {
      // Half the strings are drawn from the characters that matter most.
      input += i % 2 == 0 ? static_cast<char>(byte(gen))
                          : alphabet[static_cast<std::size_t>(pick(gen))];
    }
    const result r = run(PROGRAM, input);
    SCOPED_TRACE(testing::Message()
                 << "case " << i << ", " << input.size() << " bytes");
    if (r.status == 0) {
      EXPECT_EQ(r.err, "");
      EXPECT_TRUE(r.out.empty() || decode(r.out) > 0) << r.out;
    } else {
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.out, "");
      EXPECT_TRUE(r.err == no_integer || r.err == out_of_range) << r.err;
    }
  }
}

}  // namespace
