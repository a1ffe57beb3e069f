// One long PumpingDelay with the trim timer armed, as during a run; tools/pumping_delay_cpu.sh
// reads the processor time of this process from /proc around it. With --spin the delay is the
// loop that polls the tick count instead, for comparison.
// Usage: pumping_delay_benchmark [ms=20000] [--spin]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "automation/input.h"

namespace {

void SpinningDelay(std::int32_t ms) {
    std::uint32_t end = os::GetTickCount() + static_cast<std::uint32_t>(ms);
    for (;;) {
        PumpEvents();
        PumpEvents();
        if (os::GetTickCount() > end) return;
        PumpEvents();
        PumpEvents();
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::int32_t ms = 20000;
    bool spin = false;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--spin")
            spin = true;
        else
            ms = static_cast<std::int32_t>(std::wcstol(argv[i], nullptr, 10));
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PumpingDelayBenchmark";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    ArmMemoryTrim(reinterpret_cast<os::Hwnd>(window));

    std::printf("start\n");
    std::fflush(stdout);
    DWORD start = GetTickCount();
    if (spin)
        SpinningDelay(ms);
    else
        PumpingDelay(ms);
    std::printf("end %lu\n", static_cast<unsigned long>(GetTickCount() - start));
    std::fflush(stdout);
    Sleep(3000);  // time for the script's last reading, at no processor cost
    return 0;
}
