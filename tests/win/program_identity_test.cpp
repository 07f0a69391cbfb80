// What Varidel.exe says about itself: the application manifest the system
// reads before the program starts, and the version information the shell's
// Properties page shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/publisher.h"
#include "tests/win/program_resources.h"

namespace {

// The embedded manifest, as its bytes.
std::string Manifest() {
    HMODULE module = LoadLibraryExW(ProgramBesideTest().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return {};
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (bytes != nullptr) text.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

// The version block, read as the shell reads it.
class VersionBlock {
public:
    VersionBlock() {
        const std::wstring exe = ProgramBesideTest();
        DWORD ignored = 0;
        block_.resize(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
        if (block_.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block_.size()), block_.data())) {
            block_.clear();
        }
    }
    bool Read() const { return !block_.empty(); }
    const VS_FIXEDFILEINFO* Fixed() const {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(block_.data(), L"\\", &value, &size) || size < sizeof(VS_FIXEDFILEINFO)) return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
    // The language and code page the strings are given in.
    DWORD Translation() const {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", &value, &size) || size < 4) return 0;
        const WORD* pair = static_cast<const WORD*>(value);
        return MAKELONG(pair[1], pair[0]);
    }
    std::wstring String(const wchar_t* name) const {
        wchar_t path[80];
        swprintf(path, 80, L"\\StringFileInfo\\%08lX\\%ls", static_cast<unsigned long>(Translation()), name);
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(block_.data(), path, &value, &size) || size == 0) return L"<missing>";
        return static_cast<const wchar_t*>(value);
    }

private:
    std::vector<BYTE> block_;
};

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }

}  // namespace

TEST(ProgramIdentity, TheManifestAsksForModernControlsPerMonitorScalingAndNoElevation) {
    const std::string manifest = Manifest();
    ASSERT_FALSE(manifest.empty()) << "no RT_MANIFEST 1 in Varidel.exe";
    const char* const wanted[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "publicKeyToken=\"6595b64144ccf1df\"",
        ">PerMonitorV2</dpiAwareness>",
        ">true/pm</dpiAware>",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "level=\"asInvoker\"",
    };
    for (const char* text : wanted) EXPECT_NE(manifest.find(text), std::string::npos) << text;
    // The program's text is UTF-16 throughout: no narrow code page is asked for.
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
}

TEST(ProgramIdentity, TheVersionInformationNamesTheProgramAndItsVersion) {
    const VersionBlock version;
    ASSERT_TRUE(version.Read()) << "no version information in Varidel.exe";
    // "1.84a" is 1.84.1.0: the letter is the third number, a = 1.
    const std::string text = VARIDEL_VERSION_TEXT;
    const DWORD major = std::stoul(text);
    const DWORD minor = std::stoul(text.substr(text.find('.') + 1));
    const DWORD letter = static_cast<DWORD>(text.back() - 'a' + 1);
    const VS_FIXEDFILEINFO* fixed = version.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, letter));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "a release, not a debug or private build";

    EXPECT_EQ(version.Translation(), 0x040904B0u) << "U.S. English, Unicode";
    const struct {
        const wchar_t* name;
        std::wstring value;
    } strings[] = {
        {L"ProductName", L"Varidel"},
        {L"FileDescription", L"Varidel, daily lessons by the Hebrew calendar"},
        {L"FileVersion", Wide(VARIDEL_VERSION_TEXT)},
        {L"ProductVersion", Wide(VARIDEL_VERSION_TEXT)},
        {L"LegalCopyright", Wide(VARIDEL_PUBLISHER_NOTICE)},
        {L"OriginalFilename", L"Varidel.exe"},
        {L"InternalName", L"Varidel"},
    };
    for (const auto& s : strings) EXPECT_EQ(version.String(s.name), s.value) << s.name;
}
