#include "shell/help_page.h"

#include "runtime/os.h"

std::string HelpPageAddress() { return std::string(QUORVANE_HELP_HOST) + "/soft/read.php?tid=2"; }

void OpenHelpPage(std::string_view address) { os::ShellOpen(address); }
