#include <gtest/gtest.h>

#include "mobs/FormattedScan.h"

namespace tarnholt {
namespace {

struct ScanCase {
    const char* text;
    const char* format;
    int stored;    // values converted
    int32_t value; // the target afterwards, from 777
};

class OneNumberScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(OneNumberScan, ConvertsLikeFormattedInput)
{
    const auto& c = GetParam();
    int32_t value = 777;
    EXPECT_EQ(scanFormatted(c.text, c.format, {&value}), c.stored) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
}

// %i takes the base from the prefix, %d is always decimal; with nothing to convert the target keeps
// its value; beyond the 32-bit limits the conversion fails instead of wrapping.
INSTANTIATE_TEST_SUITE_P(
    Numbers, OneNumberScan,
    ::testing::Values(ScanCase{"010", "%i", 1, 8}, ScanCase{"0x10", "%i", 1, 16}, ScanCase{"0XfF", "%i", 1, 255},
                      ScanCase{"-010", "%i", 1, -8}, ScanCase{" \t+7", "%i", 1, 7}, ScanCase{"08", "%i", 1, 0},
                      ScanCase{"0xg", "%i", 1, 0}, ScanCase{"010", "%d", 1, 10}, ScanCase{"0x10", "%d", 1, 0},
                      ScanCase{"", "%i", 0, 777}, ScanCase{"abc", "%i", 0, 777}, ScanCase{"-", "%d", 0, 777},
                      ScanCase{"+ 5", "%d", 0, 777}, ScanCase{"2147483647", "%i", 1, INT32_MAX},
                      ScanCase{"-2147483648", "%d", 1, INT32_MIN}, ScanCase{"2147483648", "%d", 0, 777},
                      ScanCase{"-2147483649", "%i", 0, 777}, ScanCase{"0xffffffff", "%i", 0, 777},
                      ScanCase{"037777777777", "%i", 0, 777},
                      ScanCase{"99999999999999999999999999999999999999", "%d", 0, 777}));

} // namespace
} // namespace tarnholt
