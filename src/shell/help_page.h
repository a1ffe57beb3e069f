#pragma once
#include <string>
#include <string_view>

// The maker's help page, which both "问题反馈" and "使用说明" open.
std::string HelpPageAddress();
void OpenHelpPage(std::string_view address);
