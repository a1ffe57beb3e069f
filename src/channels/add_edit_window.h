#pragma once

void AddEntries();
void EditEntries();
