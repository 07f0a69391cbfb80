// Stands in for the web browser in the end-to-end tests. Registered as the
// handler of web addresses, it is started as `record_address FILE ADDRESS`
// and writes the address, as UTF-8, into FILE: whole or not at all.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring file = argv[1];
    const std::wstring part = file + L".part";
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, nullptr, 0, nullptr, nullptr);
    std::string address(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, &address[0], size, nullptr, nullptr);
    FILE* out = _wfopen(part.c_str(), L"wb");
    if (out == nullptr) return 1;
    const bool written = fwrite(address.data(), 1, address.size(), out) == address.size();
    if (fclose(out) != 0 || !written) return 1;
    return MoveFileExW(part.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
