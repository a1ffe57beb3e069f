#pragma once
#include <string>
#include <string_view>

#include "runtime/controls.h"

// The folder of the executable without a trailing backslash ("D:" for the root of a drive).
std::string RunDirectoryOf(std::string_view modulePath);
std::string RunDirectory();
// The run directory becomes the process's current directory.
void MakeRunDirectoryCurrent();

// The default list file into the list, then the two settings into their boxes.
void LoadDefaultList();
void LoadSettings(ui::TextBox& passwordBox, ui::TextBox& frequencyBox);
