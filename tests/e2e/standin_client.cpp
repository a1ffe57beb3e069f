#include "standin_client.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

struct Reader {
    const std::string& text;
    size_t at = 0;
    void Skip() {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r')) ++at;
    }
    bool Take(char c) {
        Skip();
        if (at >= text.size() || text[at] != c) return false;
        ++at;
        return true;
    }
    bool String(std::string& out) {
        if (!Take('"')) return false;
        while (at < text.size()) {
            char c = text[at++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at >= text.size()) return false;
            char escape = text[at++];
            switch (escape) {
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'r': out += '\r'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'u':
                    if (at + 4 > text.size()) return false;
                    AppendUtf8(out, unsigned(std::strtoul(text.substr(at, 4).c_str(), nullptr, 16)));
                    at += 4;
                    break;
                default: out += escape; break;
            }
        }
        return false;
    }
};

}  // namespace

std::wstring LogLine::Text(const std::string& key) const {
    auto it = texts.find(key);
    return it == texts.end() ? std::wstring() : it->second;
}

long long LogLine::Number(const std::string& key) const {
    auto it = numbers.find(key);
    return it == numbers.end() ? 0 : it->second;
}

bool ParseJsonLine(const std::string& line, LogLine& out) {
    Reader reader{line};
    if (!reader.Take('{')) return false;
    if (reader.Take('}')) return true;
    do {
        std::string key;
        if (!reader.String(key) || !reader.Take(':')) return false;
        reader.Skip();
        if (reader.at < line.size() && line[reader.at] == '"') {
            std::string value;
            if (!reader.String(value)) return false;
            out.texts[key] = FromUtf8(value);
        } else {
            char* end = nullptr;
            long long value = std::strtoll(line.c_str() + reader.at, &end, 10);
            if (end == line.c_str() + reader.at) return false;
            reader.at = size_t(end - line.c_str());
            out.numbers[key] = value;
        }
    } while (reader.Take(','));
    return reader.Take('}');
}

std::vector<LogLine> ReadJsonLines(const std::wstring& path) {
    std::vector<LogLine> lines;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    std::string bytes;
    char buffer[8192];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    std::istringstream stream(bytes);
    std::string text;
    // A last line without its newline is still being written.
    while (std::getline(stream, text)) {
        if (stream.eof()) break;
        LogLine line;
        if (ParseJsonLine(text, line)) lines.push_back(std::move(line));
    }
    return lines;
}

std::wstring StandinExe() { return WinePath(STANDIN_EXE); }
std::wstring QuorvaneExe() { return WinePath(QUORVANE_EXE); }

std::wstring TempFilePath(const wchar_t* stem, const wchar_t* extension) {
    static int counter = 0;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter) + extension;
}

StandinClient::StandinClient(const std::vector<std::wstring>& options) : logPath_(TempFilePath(L"standin", L".jsonl")) {
    DeleteFileW(logPath_.c_str());
    std::vector<std::wstring> arguments = {L"--log", logPath_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    process_ = std::make_unique<ChildProcess>(StandinExe(), arguments);
    ready_ = process_->Running() && WaitForEvents(L"ready", 1, 15000);
}

StandinClient::~StandinClient() {
    process_.reset();
    DeleteFileW(logPath_.c_str());
}

std::vector<LogLine> StandinClient::Log() const { return ReadJsonLines(logPath_); }

std::vector<LogLine> StandinClient::Events(const wchar_t* event) const {
    std::vector<LogLine> found;
    for (auto& line : Log())
        if (line.event() == event) found.push_back(std::move(line));
    return found;
}

bool StandinClient::WaitForEvents(const wchar_t* event, size_t count, DWORD timeoutMs) const {
    return WaitUntil([&] { return Events(event).size() >= count; }, timeoutMs);
}

std::vector<std::wstring> StandinClient::Messages(const wchar_t* window) const {
    std::vector<std::wstring> messages;
    for (const auto& line : Events(L"message"))
        if (line.Text("window") == window)
            messages.push_back(line.Text("message") + L" " + std::to_wstring(line.Number("wParam")) + L" " +
                               std::to_wstring(line.Number("lParam")));
    return messages;
}

}  // namespace e2e
