#include <windows.h>

#include "runtime/form.h"
#include "runtime/win32/gbk.h"

namespace ui {

std::string_view ResourceBytes(const char* name) {
    if (!name) return {};
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, win::Widen(name).c_str(), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return {};
    // Resources stay mapped for the life of the module.
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
}

}  // namespace ui
