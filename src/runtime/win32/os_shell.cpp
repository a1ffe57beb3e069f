#include <windows.h>
// The shell's declarations build on the types of <windows.h>.
#include <shellapi.h>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

static_assert(os::box::kOk == MB_OK);
static_assert(os::box::kYesNo == MB_YESNO);
static_assert(os::box::kIconQuestion == MB_ICONQUESTION);
static_assert(os::box::kIdOk == IDOK);
static_assert(os::box::kIdYes == IDYES);
static_assert(os::box::kIdNo == IDNO);

namespace os {

void ShellOpen(std::string_view address) {
    ShellExecuteW(nullptr, L"open", win::Widen(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

int MessageBox(std::string_view text, std::string_view caption, std::uint32_t type) {
    const std::wstring shownCaption = caption.empty() ? std::wstring(L"信息：") : win::Widen(caption);
    return MessageBoxW(nullptr, win::Widen(text).c_str(), shownCaption.c_str(), type | MB_TASKMODAL);
}

}  // namespace os
