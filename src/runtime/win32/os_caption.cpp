#include <windows.h>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

namespace os {

bool SetWindowText(Hwnd window, std::string_view text) {
    return ::SetWindowTextW(reinterpret_cast<HWND>(window), win::Widen(text).c_str()) != FALSE;
}

}  // namespace os
