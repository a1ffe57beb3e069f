#pragma once
#include "runtime/form.h"

void MainWindowCreated(ui::Form& main);
void MainWindowDestroyed(ui::Form& main);

void AddEntriesClicked(ui::Form&, ui::Control&);
void EditEntriesClicked(ui::Form&, ui::Control&);
void DeleteSelectedEntryClicked(ui::Form&, ui::Control&);
void DeleteAllEntriesClicked(ui::Form&, ui::Control&);
void MoveEntryUpClicked(ui::Form&, ui::Control&);
void MoveEntryDownClicked(ui::Form&, ui::Control&);
void ImportChannelListClicked(ui::Form&, ui::Control&);
void ExportChannelListClicked(ui::Form&, ui::Control&);
void HelpPageClicked(ui::Form&, ui::Control&);
void CreateRunClicked(ui::Form&, ui::Control&);
void RequestStopClicked(ui::Form&, ui::Control&);
void DeleteRunClicked(ui::Form&, ui::Control&);
