// End-to-end driver: `e2e_driver <path of Varidel.exe> <screenshot folder>`.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fwprintf(stderr, L"usage: e2e_driver VARIDEL_EXE SHOT_DIR\n");
        return 2;
    }
    g_exePath = WindowsPath(argv[1]);
    g_shotDir = WindowsPath(argv[2]);
    CreateDirectoryW(g_shotDir.c_str(), nullptr);
    const KeptSettings kept;
    return RUN_ALL_TESTS();
}
