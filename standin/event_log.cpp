#include <cstdio>
#include <string>

#include "standin.h"

namespace standin {
namespace {

HANDLE logFile = INVALID_HANDLE_VALUE;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

std::string Quoted(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

const char* MessageName(UINT message) {
    switch (message) {
        case WM_SETTEXT: return "WM_SETTEXT";
        case WM_GETTEXT: return "WM_GETTEXT";
        case WM_CLOSE: return "WM_CLOSE";
        case WM_PAINT: return "WM_PAINT";
        case WM_CONTEXTMENU: return "WM_CONTEXTMENU";
        case WM_SETCURSOR: return "WM_SETCURSOR";
        case WM_NCHITTEST: return "WM_NCHITTEST";
        case WM_KEYDOWN: return "WM_KEYDOWN";
        case WM_KEYUP: return "WM_KEYUP";
        case WM_CHAR: return "WM_CHAR";
        case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
        case WM_SYSKEYUP: return "WM_SYSKEYUP";
        case WM_TIMER: return "WM_TIMER";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
        case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
        case WM_RBUTTONUP: return "WM_RBUTTONUP";
        case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
        case WM_MBUTTONDOWN: return "WM_MBUTTONDOWN";
        case WM_MBUTTONUP: return "WM_MBUTTONUP";
        case WM_MOUSEWHEEL: return "WM_MOUSEWHEEL";
        case WM_MEASUREITEM: return "WM_MEASUREITEM";
        case WM_DRAWITEM: return "WM_DRAWITEM";
        default: return nullptr;
    }
}

}  // namespace

Field Text(const char* key, std::wstring text) { return Field{key, std::move(text)}; }
Field Number(const char* key, long long number) { return Field{key, {}, number, true}; }

void OpenLog(const std::wstring& path) {
    if (path.empty()) return;
    // Shared for reading: the tests read the log while the stand-in runs.
    logFile = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void LogEvent(const char* event, std::initializer_list<Field> fields) {
    if (logFile == INVALID_HANDLE_VALUE) return;
    std::string line = "{\"event\":" + Quoted(event);
    for (const Field& field : fields) {
        line += "," + Quoted(field.key) + ":";
        line += field.isNumber ? std::to_string(field.number) : Quoted(Utf8(field.text));
    }
    line += ",\"time\":" + Quoted(Now()) + "}\n";
    // One write per line, so a reader never sees half of one.
    DWORD written = 0;
    WriteFile(logFile, line.data(), DWORD(line.size()), &written, nullptr);
}

void SpyMessage(const wchar_t* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!App().options.spy) return;
    const char* name = MessageName(message);
    wchar_t hex[16];
    std::swprintf(hex, 16, L"0x%04X", message);
    std::wstring shown = name ? std::wstring(name, name + std::char_traits<char>::length(name)) : hex;
    LogEvent("message", {Text("window", window), Text("message", shown), Number("id", message),
                         Number("wParam", static_cast<long long>(wParam)), Number("lParam", lParam)});
}

}  // namespace standin
