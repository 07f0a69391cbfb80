// Varidel.exe, built beside the Windows-side tests, and the program opened
// for its resources (the lessons, the dialogs, the manifest) only.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The folder of the test program, ending in its separator.
inline std::wstring TestFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring test(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return test.substr(0, test.find_last_of(L"\\/") + 1);
}

inline std::wstring ProgramBesideTest() { return TestFolder() + L"Varidel.exe"; }

inline HMODULE OpenProgramResources() {
    return LoadLibraryExW(ProgramBesideTest().c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

// A suite with the program's resources open from its first test to its
// last; every test stops at its start when they could not be opened.
class ProgramResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { module_ = OpenProgramResources(); }
    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "Varidel.exe beside the test cannot be opened"; }
    static HINSTANCE Instance() { return reinterpret_cast<HINSTANCE>(module_); }

    static inline HMODULE module_ = nullptr;
};

// A window class of the test program's own, registered as the program
// registers its main window's, whose windows handle messages as `procedure`
// does. Registering it again changes nothing.
inline void RegisterTestWindowClass(const wchar_t* name, WNDPROC procedure = DefWindowProcW) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}
