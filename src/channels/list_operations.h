#pragma once

enum class MoveDirection { Up, Down };

void DeleteSelectedEntry();
void DeleteAllEntries();
void MoveEntry(MoveDirection direction);
void ImportChannelList();
void ExportChannelList();
