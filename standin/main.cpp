#include "standin.h"

#include <shellapi.h>

#include <cwchar>
#include <string>
#include <type_traits>

namespace standin {
namespace {

const wchar_t kUsage[] =
    L"standin.exe: a stand-in for the chat client, for Quorvane's tests.\n"
    L"\n"
    L"  --log PATH            append one JSON line (UTF-8) per created and deleted channel\n"
    L"  --spy                 also log every message the tree, the dialog's controls and the\n"
    L"                        confirmation window receive\n"
    L"  --channel NAME        a sub-channel present at start (repeat for more)\n"
    L"  --menu-delay MS       open the context menu MS after the right click\n"
    L"  --dialog-delay MS     open the create dialog MS after its menu item is chosen\n"
    L"  --sticky-dialog       the first confirm click creates nothing and leaves the dialog open\n"
    L"  --settext-hang MS     the name and password fields hang MS on every WM_SETTEXT\n"
    L"  --no-tree-host        the channel window has no control 4100\n"
    L"  --no-tree             control 4100 has no control 2410\n"
    L"  --help                this text\n"
    L"\n"
    L"A WM_SETTEXT with a null text sent from another process does not arrive under Wine; the\n"
    L"field then keeps its text, which is empty in a newly opened dialog, so a channel whose\n"
    L"password was sent as null is created unlocked, as the real client does.\n";

void Print(const std::wstring& text, DWORD handle = STD_OUTPUT_HANDLE) {
    HANDLE out = GetStdHandle(handle);
    if (!out || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = GetStdHandle(handle);
    }
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), length, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

// 0 = run, 1 = --help, 2 = a bad command line.
int ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::wstring option = argv[i];
        auto value = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
        auto milliseconds = [&](auto& target) {
            const wchar_t* text = value();
            wchar_t* end = nullptr;
            unsigned long ms = text ? std::wcstoul(text, &end, 10) : 0;
            if (!text || *end) return false;
            target = static_cast<std::remove_reference_t<decltype(target)>>(ms);
            return true;
        };
        bool ok = true;
        if (option == L"--help") return 1;
        if (option == L"--spy") options.spy = true;
        else if (option == L"--sticky-dialog") options.stickyDialog = true;
        else if (option == L"--no-tree-host") options.noTreeHost = true;
        else if (option == L"--no-tree") options.noTree = true;
        else if (option == L"--menu-delay") ok = milliseconds(options.menuDelayMs);
        else if (option == L"--dialog-delay") ok = milliseconds(options.dialogDelayMs);
        else if (option == L"--settext-hang") ok = milliseconds(options.setTextHangMs);
        else if (option == L"--log" || option == L"--channel") {
            const wchar_t* text = value();
            ok = text != nullptr;
            if (ok && option == L"--log") options.logPath = text;
            if (ok && option == L"--channel") options.channels.push_back(text);
        } else {
            ok = false;
        }
        if (!ok) {
            Print(L"standin.exe: bad option " + option + L"\n\n" + kUsage, STD_ERROR_HANDLE);
            return 2;
        }
    }
    return 0;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void CreateWindows() {
    WNDCLASSW mainClass{};
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = App().instance;
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    mainClass.lpszClassName = L"YYChannelWindow";
    RegisterClassW(&mainClass);
    RegisterTreeClass();
    RegisterDialogClasses();

    App().main = CreateWindowExW(0, L"YYChannelWindow", L"YY", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 480,
                                 nullptr, nullptr, App().instance, nullptr);
    if (App().options.noTreeHost) return;
    RECT area;
    GetClientRect(App().main, &area);
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 6, 6, area.right - 12, area.bottom - 12,
                                App().main, reinterpret_cast<HMENU>(INT_PTR{kTreeHostId}), App().instance, nullptr);
    if (App().options.noTree) return;
    CreateTree(host);
}

}  // namespace

State& App() {
    static State state;
    return state;
}

}  // namespace standin

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace standin;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int parsed = ParseOptions(argc, argv, App().options);
    LocalFree(argv);
    if (parsed == 1) Print(kUsage);
    if (parsed) return parsed == 1 ? 0 : 2;

    App().instance = instance;
    for (const auto& name : App().options.channels) App().channels.push_back({name, L""});
    App().font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"WenQuanYi Micro Hei");
    OpenLog(App().options.logPath);
    CreateWindows();
    LogEvent("ready", {Number("channels", static_cast<long long>(App().channels.size()))});

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(App().font);
    return 0;
}
