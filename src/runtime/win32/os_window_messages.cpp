#include <windows.h>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

namespace os {

bool SetWindowText(Hwnd window, std::string_view text) {
    return ::SetWindowTextW(reinterpret_cast<HWND>(window), win::Widen(text).c_str()) != FALSE;
}

bool SendMessageTimeout(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam, std::uint32_t timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(reinterpret_cast<HWND>(window), message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs,
                                 &result) != 0;
}

}  // namespace os
