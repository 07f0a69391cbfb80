// The update-check address: a page of the publisher's web site that is told
// the platform, the publisher and product, and the version, and tells the
// reader whether a newer version exists. The program only opens it.
#pragma once

#include <cstddef>

constexpr size_t kUpdateAddressUnits = 200;  // the address and its zero unit

// Appends `path` to the zero-terminated text in `buffer` (`units` long) as a
// query value: a space becomes "+"; digits, ASCII letters, "." and "/" stay;
// every other unit becomes "%" and its value in upper-case hexadecimal, at
// least two digits. What does not fit before the last unit is left off, whole
// units only; the text stays terminated.
void AppendEncodedPath(char16_t* buffer, size_t units, const char16_t* path);

// The address of the update-check page.
void BuildUpdateAddress(char16_t buffer[kUpdateAddressUnits]);
