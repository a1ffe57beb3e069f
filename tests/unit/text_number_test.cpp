#include "shell/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

struct NumberCase {
    std::string text;
    double expected;
    const char* note = "";
};

TEST(LeadingNumber, ReadsTheDecimalNumberAtTheStart) {
    const NumberCase cases[] = {
        {"1500.9", 1500.9},
        {"3000", 3000},
        {"  42ms", 42},
        {"+7", 7},
        {"-3.5e2", -350},
        {"2E3x", 2000},
        {".5", 0.5},
        {"5.", 5},
        {"1e", 1, "an exponent without digits is not part of the number"},
        {"1e+", 1},
        {"12abc", 12},
        {"３０００", 3000, "full-width digits typed with a Chinese input method"},
        {"－１２", -12},
        {"＋１．５", 1.5},
        {"２5０", 250, "full-width and ASCII mixed"},
        {"1\xA3", 1, "a lone lead byte at the end"},
        {"１锁", 1, "any other double-byte character ends the number"},
        {"1e400", HUGE_VAL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << c.text << " " << c.note;
}

TEST(LeadingNumber, IsZeroWithoutANumberAtTheStart) {
    const std::string cases[] = {"", "abc", "abc12", ".", "-", "+.", "e5", "0x10", "inf", "nan", "频率100"};
    for (const auto& text : cases)
        EXPECT_EQ(LeadingNumber(text), 0.0) << text;
}

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {1500.9, 1500},       {-1.9, -1},        {0.0, 0},          {2147483647.9, kMax},
        {2147483648.0, kMax}, {3e9, kMax},       {HUGE_VAL, kMax},  {-2147483648.9, kMin},
        {-3e9, kMin},         {-HUGE_VAL, kMin}, {std::nan(""), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncateToInt32(c.value), c.expected) << c.value;
}

}  // namespace
