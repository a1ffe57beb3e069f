#pragma once
#include <string_view>

// "|锁|" in GBK, spelt as bytes so that compilers without a GBK execution character set read it too.
inline constexpr std::string_view kLockMarker = "|\xCB\xF8|";
inline constexpr std::string_view kLineEnd = "\r\n";

// Afterwards ExportText holds the text form of the whole list.
void SerializeChannelList();
// Adds one row per line, after clearing the list in edit mode or when the user says Yes.
void ParseChannelListText(std::string_view text);
