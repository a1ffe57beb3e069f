#pragma once
#include <cstdint>
#include <string_view>

// The leading decimal number of a GBK text, full-width digits and signs read as ASCII; 0 when none.
double LeadingNumber(std::string_view text);
// Truncated toward zero into 32 bits.
std::int32_t TruncateToInt32(double value);
