#pragma once
// The stand-in client as a test sees it: started with its options and a log of its own, and
// that log read back as JSON Lines.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace e2e {

// One line of the log: a flat object of texts and numbers, texts decoded from UTF-8.
struct LogLine {
    std::map<std::string, std::wstring> texts;
    std::map<std::string, long long> numbers;
    std::wstring Text(const std::string& key) const;
    long long Number(const std::string& key) const;  // 0 when absent
    std::wstring event() const { return Text("event"); }
};
std::vector<LogLine> ReadJsonLines(const std::wstring& path);
// Parses one line; false when it is not a flat JSON object.
bool ParseJsonLine(const std::string& line, LogLine& out);

std::wstring StandinExe();   // the built standin.exe, as a Wine path
std::wstring QuorvaneExe();  // the built Quorvane.exe, as a Wine path
std::wstring TempFilePath(const wchar_t* stem, const wchar_t* extension);

class StandinClient {
public:
    // Starts standin.exe with the options (--log is added) and waits until its windows are up.
    explicit StandinClient(const std::vector<std::wstring>& options = {});
    ~StandinClient();

    bool ready() const { return ready_; }
    const std::wstring& logPath() const { return logPath_; }
    ChildProcess& process() { return *process_; }

    std::vector<LogLine> Log() const;
    std::vector<LogLine> Events(const wchar_t* event) const;
    // Waits until the log holds at least count lines of the event.
    bool WaitForEvents(const wchar_t* event, size_t count, DWORD timeoutMs) const;
    // With --spy: the messages the named window received, in order, as "NAME wParam lParam".
    std::vector<std::wstring> Messages(const wchar_t* window) const;

private:
    std::wstring logPath_;
    std::unique_ptr<ChildProcess> process_;
    bool ready_ = false;
};

}  // namespace e2e
