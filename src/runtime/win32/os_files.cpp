#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
};
using UniqueFile = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

UniqueFile OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return L".";
    if (separator == 0 || path[separator - 1] == L':') return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

// The ANSI form of a path for the A functions: the path itself when the system's code page can
// spell it, else its short form, which is plain ASCII on volumes that keep short names.
std::string AnsiPath(const std::wstring& path) {
    BOOL lost = FALSE;
    auto ansi = [&lost](const std::wstring& wide) {
        int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, nullptr, &lost);
        std::string bytes(static_cast<size_t>(length > 0 ? length : 1), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, bytes.data(), length, nullptr, &lost);
        bytes.resize(bytes.size() - 1);
        return bytes;
    };
    std::string direct = ansi(path);
    if (!lost) return direct;
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length == 0 || length >= shortPath.size()) return direct;
    shortPath.resize(length);
    lost = FALSE;
    std::string viaShort = ansi(shortPath);
    return lost ? direct : viaShort;
}

}  // namespace

namespace os {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFile file = OpenFile(win::Widen(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr))
            return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::wstring target = win::Widen(path);
    std::wstring temporary(MAX_PATH, L'\0');
    // Beside the target, so the final move stays on one volume and cannot leave half a file.
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"qvn", 0, temporary.data())) return false;
    temporary.resize(wcslen(temporary.c_str()));
    bool written = false;
    {
        UniqueFile file = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (file) {
            written = true;
            size_t done = 0;
            while (written && done < bytes.size()) {
                DWORD wrote = 0;
                const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
                written = WriteFile(file.get(), bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
                done += wrote;
            }
            written = written && FlushFileBuffers(file.get());
        }
    }
    if (written && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

// GetPrivateProfileStringA hands back the file's own bytes: it turns the file, the section and
// the key into UTF-16 with the one ANSI code page and the value back with it. So a GBK file gives
// its GBK bytes, and the GBK key matches, on a Windows of any code page. The W function would read
// the file in the system's code page and garble a GBK file on a Windows that is not Chinese.
std::string ReadIniValue(const std::string& path, const char* section, const char* key, std::uint32_t bufferSize) {
    if (bufferSize == 0) return {};
    std::string value(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section, key, "", value.data(), bufferSize, AnsiPath(win::Widen(path)).c_str());
    value.resize(length);
    return value;
}

std::string ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return win::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

bool SetCurrentDirectory(const std::string& path) { return SetCurrentDirectoryW(win::Widen(path).c_str()) != 0; }

}  // namespace os
