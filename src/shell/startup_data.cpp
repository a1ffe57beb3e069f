// Placeholder until this part is built.
#include "shell/startup_data.h"

std::string RunDirectoryOf(std::string_view) { return {}; }
std::string RunDirectory() { return {}; }
void LoadDefaultList() {}
void LoadSettings(ui::TextBox&, ui::TextBox&) {}
