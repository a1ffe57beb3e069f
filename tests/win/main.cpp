#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

// The Windows builds link with -municode, so the entry point is wmain.
int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
