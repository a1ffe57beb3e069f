#include "forms/add_edit_form.h"

#include "channels/add_edit_window.h"

namespace {

using ui::ControlKind;

const ui::ControlDef kControls[] = {
    {.kind = ControlKind::TextArea, .name = kListTextBox, .left = 4, .top = 4, .width = 398, .height = 380},
    // Never shown: the model that the button row is cloned from when the window opens.
    {.kind = ControlKind::ImageButton,
     .name = kTemplateButton,
     .left = 207,
     .top = 385,
     .width = 98,
     .height = 23,
     .onClick = StripButtonClicked,
     .visible = false},
};

const ui::FormDef kForm{
    .caption = "添加/编辑",
    .width = 406,
    .height = 444,
    .frame = ui::Frame::FixedCaption,
    .minimiseBox = false,
    .escCloses = true,
    .taskbarButton = true,
    .controls = kControls,
    .onCreate = AddEditWindowCreated,
    .onDestroy = AddEditWindowDestroyed,
};

}  // namespace

const ui::FormDef& AddEditForm() { return kForm; }
