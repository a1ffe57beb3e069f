#include "shell/main_window.h"

#include "automation/create_run.h"
#include "channels/add_edit_window.h"
#include "channels/list_operations.h"
#include "forms/main_form.h"
#include "shell/help_page.h"
#include "shell/main_window_setup.h"

namespace {
constexpr int kXpLookGreyBlue = 1;
}

void MainWindowCreated(ui::Form& main) {
    ui::SetXpLook(kXpLookGreyBlue);
    SetUpMainWindow({main.Window(), &main.RowsNamed(kChannelListView), &main.TextBoxNamed(kPasswordBox),
                     &main.TextBoxNamed(kFrequencyBox), &main.FileChooserNamed(kListFileDialog), &main});
}

// A run that is waiting when the window closes must find the controls gone, not dangling.
void MainWindowDestroyed(ui::Form&) { ForgetMainWindow(); }

void AddEntriesClicked(ui::Form&, ui::Control&) { AddEntries(); }
void EditEntriesClicked(ui::Form&, ui::Control&) { EditEntries(); }
void DeleteSelectedEntryClicked(ui::Form&, ui::Control&) { DeleteSelectedEntry(); }
void DeleteAllEntriesClicked(ui::Form&, ui::Control&) { DeleteAllEntries(); }
void MoveEntryUpClicked(ui::Form&, ui::Control&) { MoveEntry(MoveDirection::Up); }
void MoveEntryDownClicked(ui::Form&, ui::Control&) { MoveEntry(MoveDirection::Down); }
void ImportChannelListClicked(ui::Form&, ui::Control&) { ImportChannelList(); }
void ExportChannelListClicked(ui::Form&, ui::Control&) { ExportChannelList(); }
void HelpPageClicked(ui::Form&, ui::Control&) { OpenHelpPage(HelpPageAddress()); }
void CreateRunClicked(ui::Form&, ui::Control&) { CreateRun(); }
void RequestStopClicked(ui::Form&, ui::Control&) { RequestStop(); }
void DeleteRunClicked(ui::Form&, ui::Control&) { DeleteRun(); }
