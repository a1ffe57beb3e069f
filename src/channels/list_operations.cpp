// Placeholder until this part is built.
#include "channels/list_operations.h"

void DeleteSelectedEntry() {}
void DeleteAllEntries() {}
void MoveEntry(MoveDirection) {}
void ImportChannelList() {}
void ExportChannelList() {}
