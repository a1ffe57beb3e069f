#pragma once
#include <string_view>

// Afterwards ExportText holds the text form of the whole list.
void SerializeChannelList();
// Adds one row per line, after clearing the list in edit mode or when the user says Yes.
void ParseChannelListText(std::string_view text);
