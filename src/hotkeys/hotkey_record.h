#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/os.h"

struct HotkeyRecord {
    os::Hwnd window = nullptr;
    std::uint32_t modifiers = 0;  // alt 1, control 2, shift 4, Windows key 8
    std::int32_t virtualKey = 0;
    std::int32_t id = 0;  // the record's 1-based position in HotkeyTable
    os::WndProc handler = nullptr;
};

// Append-only: records are never removed, so positions stay the ids.
using HotkeyTable = std::vector<std::unique_ptr<HotkeyRecord>>;
