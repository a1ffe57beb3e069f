#include "channels/add_edit_window.h"

#include "channels/button_strip.h"
#include "channels/channel_text.h"
#include "forms/add_edit_form.h"
#include "shell/program_state.h"
#include "shell/text_number.h"

namespace {

enum StripButton { kConfirm = 1, kCancel = 2 };

void OpenAddEditWindow() { ui::LoadForm(AddEditForm(), Program().mainWindow.form, true); }

}  // namespace

void AddEntries() { OpenAddEditWindow(); }

void EditEntries() {
    SerializeChannelList();
    Program().editMode = 1;
    OpenAddEditWindow();
    Program().editMode = 0;
}

void AddEditWindowCreated(ui::Form& form) {
    ProgramState& program = Program();
    if (program.editMode == 1) form.TextBoxNamed(kListTextBox).SetText(program.exportText);
    ButtonStrip fallback;
    ButtonStrip& strip = program.buttonStrip ? *program.buttonStrip : fallback;
    strip.BuildRow(form, form.ControlNamed(kTemplateButton), "确认,取消", ui::ResourceBytes(kNormalFaceResource),
                   ui::ResourceBytes(kHoverFaceResource), {}, 0xB1660B, 0xFF, 0xFF);
}

void AddEditWindowDestroyed(ui::Form&) {
    ProgramState& program = Program();
    program.exportText.clear();
    program.editMode = 0;
}

void StripButtonClicked(ui::Form& form, ui::Control& source) {
    switch (TruncateToInt32(LeadingNumber(source.Tag()))) {
    case kConfirm:
        ParseChannelListText(form.TextBoxNamed(kListTextBox).Text());
        form.Close();
        break;
    case kCancel:
        form.Close();
        break;
    default:
        break;
    }
}
