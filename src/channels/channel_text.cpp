// Placeholder until this part is built.
#include "channels/channel_text.h"

void SerializeChannelList() {}
void ParseChannelListText(std::string_view) {}
