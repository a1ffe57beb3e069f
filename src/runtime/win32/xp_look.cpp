#include <windows.h>
// The common controls build on the types of <windows.h>.
#include <commctrl.h>

#include <cwchar>

#include "runtime/form.h"

namespace win {
namespace {

constexpr UINT_PTR kSubclassId = 0x5150;

int lookStyle = 0;
thread_local HHOOK creationHook = nullptr;

COLORREF FrameColour() {
    switch (lookStyle) {
        case 2:
            return RGB(0, 60, 116);
        case 3:
            return RGB(127, 157, 185);
        default:
            return RGB(123, 158, 189);
    }
}

enum class Kind { None, Edit, ListView, PushButton };

Kind KindOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (_wcsicmp(name, L"Edit") == 0) return Kind::Edit;
    if (_wcsicmp(name, WC_LISTVIEWW) == 0) return Kind::ListView;
    if (_wcsicmp(name, L"Button") != 0) return Kind::None;
    // Group boxes, check boxes and owner-drawn picture buttons keep their own look.
    const auto type = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? Kind::PushButton : Kind::None;
}

void DrawFrame(HWND window, bool inner) {
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    RECT rect;
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    HBRUSH frame = CreateSolidBrush(FrameColour());
    FrameRect(dc, &rect, frame);
    DeleteObject(frame);
    if (inner) {
        // A sunken edge is two pixels; its inner line goes flat in the window's colour.
        InflateRect(&rect, -1, -1);
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
    }
    ReleaseDC(window, dc);
}

bool HasFrame(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    return (style & WS_BORDER) || (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

LRESULT CALLBACK LookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, LookProcedure, kSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (lookStyle == 0) return result;
    const auto kind = static_cast<Kind>(data);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const bool sunken = (exStyle & WS_EX_CLIENTEDGE) != 0;
    if (kind == Kind::ListView && message == WM_NCPAINT && HasFrame(window)) DrawFrame(window, sunken);
    // An edit box takes WS_BORDER off itself and draws its border with its text, and a push button
    // has no frame outside its client area: both paint their edge again on every change.
    const bool repainted = message == WM_PAINT || message == WM_NCPAINT || message == WM_SETFOCUS ||
                           message == WM_KILLFOCUS || message == WM_ENABLE;
    if (kind == Kind::Edit && repainted) DrawFrame(window, sunken);
    if (kind == Kind::PushButton &&
        (repainted || message == BM_SETSTATE || message == BM_SETSTYLE || message == WM_LBUTTONUP))
        DrawFrame(window, false);
    return result;
}

void TakeLook(HWND window) {
    const Kind kind = KindOf(window);
    if (kind == Kind::None) return;
    // A second call for the same window only replaces the data, so windows met twice stay single.
    SetWindowSubclass(window, LookProcedure, kSubclassId, static_cast<DWORD_PTR>(kind));
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) TakeLook(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

BOOL CALLBACK TakeLookOfChild(HWND window, LPARAM) {
    TakeLook(window);
    return TRUE;
}

BOOL CALLBACK TakeLookOfTopWindow(HWND window, LPARAM) {
    if (lookStyle != 0) {
        TakeLook(window);
        EnumChildWindows(window, TakeLookOfChild, 0);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

}  // namespace
}  // namespace win

namespace ui {

void SetXpLook(int style) {
    win::lookStyle = style >= 1 && style <= 3 ? style : 0;
    if (win::lookStyle != 0 && !win::creationHook)
        win::creationHook = SetWindowsHookExW(WH_CBT, win::CreationHook, nullptr, GetCurrentThreadId());
    if (win::lookStyle == 0 && win::creationHook) {
        UnhookWindowsHookEx(win::creationHook);
        win::creationHook = nullptr;
    }
    // The windows that exist already take the look too (or drop it) at once.
    EnumThreadWindows(GetCurrentThreadId(), win::TakeLookOfTopWindow, 0);
}

}  // namespace ui
