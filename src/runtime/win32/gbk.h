#pragma once
// The one place where GBK bytes and UTF-16 meet (code page 936, whatever the system's ANSI page).
#include <string>
#include <string_view>

namespace win {
std::wstring Widen(std::string_view gbk);
std::string Narrow(std::wstring_view wide);
}  // namespace win
