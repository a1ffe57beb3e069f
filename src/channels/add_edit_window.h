#pragma once
#include "runtime/form.h"

// Open the add/edit window modally and return once it has been destroyed: empty, or holding the list.
void AddEntries();
void EditEntries();

// The add/edit window's handlers, named in its form table.
void AddEditWindowCreated(ui::Form& form);
void AddEditWindowDestroyed(ui::Form& form);
void StripButtonClicked(ui::Form& form, ui::Control& source);
