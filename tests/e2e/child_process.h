#pragma once
// Programs a test starts under its own Wine, each in a job object that ends it when the test's
// handle closes, so a failing test leaves no process (and no window) behind.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::wstring FromUtf8(const std::string& utf8);

// "/work/x/standin.exe" -> "Z:\work\x\standin.exe"; a path with a drive letter is kept as it is.
std::wstring WinePath(const std::string& path);

class ChildProcess {
public:
    // Starts exe with the arguments (quoted as needed); Running() is false when it could not start.
    ChildProcess(const std::wstring& exe, const std::vector<std::wstring>& arguments,
                 const std::wstring& workingDirectory = L"");
    ~ChildProcess();  // ends the process and waits until it is gone
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running() const;
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    // True when the process has ended within timeoutMs; its exit code then in *exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void End();

private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Keeps the test thread's own queue served while it waits, as the tool's thread would.
void PumpOwnMessages();
// Polls until found or timeoutMs has passed; null when it never appeared.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs);
// Polls until condition() holds; false when timeoutMs passed first.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        PumpOwnMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

}  // namespace e2e
