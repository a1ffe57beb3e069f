#include "shell/text_number.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "channels/gbk_scan.h"

namespace {

// The full-width forms that users type with a Chinese input method: ０-９ ＋ － ．
char AsciiOfFullWidth(unsigned char lead, unsigned char trail) {
    if (lead != 0xA3) return 0;
    if (trail >= 0xB0 && trail <= 0xB9) return static_cast<char>('0' + (trail - 0xB0));
    if (trail == 0xAB) return '+';
    if (trail == 0xAD) return '-';
    if (trail == 0xAE) return '.';
    return 0;
}

// The text with full-width number characters turned into ASCII, up to the first other
// double-byte character, which no number can contain.
std::string NumberCharacters(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += gbk::CharLength(text, i)) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            continue;
        }
        // A cut lead byte at the end is no number character either.
        const char ascii =
            gbk::CharLength(text, i) == 2 ? AsciiOfFullWidth(byte, static_cast<unsigned char>(text[i + 1])) : 0;
        if (!ascii) break;
        out += ascii;
    }
    return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Length of the decimal number at the start of s (after blanks), 0 when there is none. Only the
// decimal form: strtod would also take "inf", "nan" and hexadecimal, which no user types as an interval.
std::size_t DecimalPrefix(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string chars = NumberCharacters(text);
    std::size_t length = DecimalPrefix(chars);
    if (length == 0) return 0;
    chars.resize(length);
    return std::strtod(chars.c_str(), nullptr);
}

std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483649.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}
