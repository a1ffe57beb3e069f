// Runs a creation of N entries (interval 0) in Quorvane.exe against the stand-in client and
// prints the time per entry beyond the fixed 2000 ms of waits, Quorvane's processor time as a
// share of wall time, and its peak working set. Under Wine the processor time of another
// process is not reported through Windows, so it is read from /proc of the Linux process.
// Usage: create_run_benchmark [entries=20]
#include <windows.h>
// <psapi.h> needs the types of <windows.h>.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "quorvane_app.h"
#include "standin_client.h"

namespace {

constexpr double kFixedWaitMs = 2000;

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// The Linux process whose comm is Quorvane.exe and whose command line names our copy's folder;
// other Quorvane.exe processes may be running on the same machine.
std::optional<std::wstring> LinuxProcessOf(const std::wstring& folder) {
    std::string folderBytes;
    for (wchar_t c : folder.substr(folder.find_last_of(L'\\') + 1))
        folderBytes += static_cast<char>(c);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::wstring> found;
    do {
        if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
        std::wstring dir = std::wstring(L"Z:\\proc\\") + entry.cFileName;
        auto comm = ReadWholeFile(dir + L"\\comm");
        if (!comm || comm->rfind("Quorvane.exe", 0) != 0) continue;
        auto cmdline = ReadWholeFile(dir + L"\\cmdline");
        if (cmdline && cmdline->find(folderBytes) != std::string::npos) found = dir;
    } while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// utime + stime in clock ticks: fields 14 and 15, counted from the state (field 3) after comm's ')'.
long long ProcessorTicks(const std::wstring& procDir) {
    auto stat = ReadWholeFile(procDir + L"\\stat");
    if (!stat || stat->rfind(')') == std::string::npos) return -1;
    std::istringstream fields(stat->substr(stat->rfind(')') + 1));
    std::string field;
    long long utime = 0, stime = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14) utime = std::atoll(field.c_str());
        if (number == 15) stime = std::atoll(field.c_str());
    }
    return utime + stime;
}

long long StatusKilobytes(const std::wstring& procDir, const char* key) {
    auto status = ReadWholeFile(procDir + L"\\status");
    if (!status) return -1;
    std::size_t at = status->find(key);
    return at == std::string::npos ? -1 : std::atoll(status->c_str() + at + std::strlen(key) + 1);
}

// Milliseconds of the day of the stand-in's "2026-12-11T14:05:13.123".
double TimeOfDayMs(const std::wstring& stamp) {
    if (stamp.size() < 23) return 0;
    auto number = [&](std::size_t at, std::size_t length) { return std::stod(stamp.substr(at, length)); };
    return ((number(11, 2) * 60 + number(14, 2)) * 60 + number(17, 2)) * 1000 + number(20, 3);
}

// The mean gap from each event of one kind to the next event of another, as the client saw them.
double MeanGapMs(const std::vector<e2e::LogLine>& log, const wchar_t* from, const wchar_t* to) {
    double total = 0;
    int gaps = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].event() != from) continue;
        for (std::size_t j = i + 1; j < log.size(); ++j)
            if (log[j].event() == to) {
                total += TimeOfDayMs(log[j].Text("time")) - TimeOfDayMs(log[i].Text("time"));
                ++gaps;
                break;
            }
    }
    return gaps ? total / gaps : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int entries = argc > 1 ? _wtoi(argv[1]) : 20;
    e2e::StandinClient client;
    if (!client.ready()) return std::fprintf(stderr, "the stand-in client did not start\n"), 1;
    e2e::QuorvaneSetup setup;
    for (int i = 1; i <= entries; ++i)
        setup.entries.push_back({L"频道" + std::to_wstring(i), i % 3 == 0});
    setup.password = L"pw";
    setup.interval = L"0";
    e2e::QuorvaneApp app(setup);
    if (!app.ready()) return std::fprintf(stderr, "Quorvane did not start\n"), 1;
    auto proc = LinuxProcessOf(app.folder());
    if (!proc) return std::fprintf(stderr, "no Linux process for Quorvane.exe\n"), 1;

    const long long ticksPerSecond = 100;  // USER_HZ on Linux
    const long long ticksBefore = ProcessorTicks(*proc);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    app.ClickButton(L"创建频道(&F1)");
    // Poll finely: the end of the run is the moment its completion message appears.
    const DWORD expectedMs = static_cast<DWORD>(entries * kFixedWaitMs);
    Sleep(expectedMs > 1000 ? expectedMs - 1000 : 0);
    e2e::MessageBoxSeen box;
    for (int i = 0; i < 60000 && !box.window; ++i) {
        box = app.WaitForMessageBox(0);
        if (!box.window) Sleep(1);
    }
    QueryPerformanceCounter(&end);
    const long long ticksAfter = ProcessorTicks(*proc);
    if (!box.window) return std::fprintf(stderr, "the run did not end\n"), 1;

    const double wallMs = 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    const double cpuMs = 1000.0 * double(ticksAfter - ticksBefore) / double(ticksPerSecond);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(app.process().Handle(), &memory, sizeof memory);

    std::printf("entries created: %zu of %d\n", client.Events(L"created").size(), entries);
    std::printf("wall time: %.1f ms for %d entries; overhead per entry beyond %.0f ms: %.2f ms\n", wallMs, entries,
                kFixedWaitMs, (wallMs - entries * kFixedWaitMs) / entries);
    std::printf("processor time: %.0f ms, %.2f %% of wall time\n", cpuMs, 100.0 * cpuMs / wallMs);
    std::printf("peak working set: %lld kB (VmHWM of the Linux process), %zu kB (Windows' PeakWorkingSetSize)\n",
                StatusKilobytes(*proc, "VmHWM:"), memory.PeakWorkingSetSize / 1024);
    // The steady pace, free of the start and the end: from one entry's menu to the next one's.
    const auto menus = client.Events(L"menu");
    if (menus.size() >= 2) {
        const double period = (TimeOfDayMs(menus.back().Text("time")) - TimeOfDayMs(menus.front().Text("time"))) /
                              double(menus.size() - 1);
        std::printf("steady period between entries, seen by the client: %.2f ms (%.2f ms beyond %.0f ms)\n", period,
                    period - kFixedWaitMs, kFixedWaitMs);
        const auto log = client.Log();
        std::printf("mean gaps: menu -> menu-choice %.1f ms, menu-choice -> created %.1f ms, created -> menu %.1f ms\n",
                    MeanGapMs(log, L"menu", L"menu-choice"), MeanGapMs(log, L"menu-choice", L"created"),
                    MeanGapMs(log, L"created", L"menu"));
    }
    app.CloseMessageBox(box);
    return 0;
}
