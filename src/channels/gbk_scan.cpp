#include "channels/gbk_scan.h"

namespace gbk {

std::size_t CharLength(std::string_view text, std::size_t at) {
    const bool lead = static_cast<unsigned char>(text[at]) >= 0x80;
    return lead && at + 1 < text.size() ? 2 : 1;
}

std::size_t FindAtCharStart(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
    std::size_t at = 0;
    while (at < from && at < text.size()) at += CharLength(text, at);
    for (; at < text.size(); at += CharLength(text, at)) {
        if (text.substr(at, needle.size()) == needle) return at;
    }
    return std::string_view::npos;
}

std::vector<std::string_view> SplitPieces(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    if (separator.empty()) {
        if (!text.empty()) pieces.push_back(text);
        return pieces;
    }
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at, separator.size()) == separator) {
            pieces.push_back(text.substr(start, at - start));
            at += separator.size();
            start = at;
        } else {
            at += CharLength(text, at);
        }
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace gbk
