#pragma once
// The one character-aware scan over GBK text. A byte of 0x80 or above starts a double-byte
// character, and the byte after it belongs to that character even when it is an ASCII byte
// such as '|' or ','. Separators and markers are therefore matched only at character starts.
#include <cstddef>
#include <string_view>
#include <vector>

namespace gbk {

// The length of the character that starts at `at`: 2 for a lead byte with a byte after it, else 1.
// A lead byte cut off at the end of the text is a character of its own, so no scan reads past the end.
std::size_t CharLength(std::string_view text, std::size_t at);

// The first character start at or after `from` where `needle` begins; npos when there is none.
std::size_t FindAtCharStart(std::string_view text, std::string_view needle, std::size_t from = 0);

// The pieces between separators found at character starts. A piece between two separators counts
// even when empty; the piece after the last separator counts only when it is not empty.
std::vector<std::string_view> SplitPieces(std::string_view text, std::string_view separator);

}  // namespace gbk
