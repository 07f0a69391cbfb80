// The program keeps its UTF-16 text as char16_t; the system's wide calls
// take the same units as wchar_t.
#pragma once

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline const char16_t* Narrow(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
