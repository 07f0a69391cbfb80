// The update-check address, byte for byte, and the encoding of its path.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/update_check.h"

namespace {

TEST(UpdateCheck, TheAddressNamesPlatformProductAndVersion) {
    char16_t address[kUpdateAddressUnits];
    BuildUpdateAddress(address);
    EXPECT_EQ(std::u16string(address),
              u"https://www.quorrin.example/cgi-bin/upgrade?p=windows/Quorrin/Varidel%2DEnglish&v=1.84a");
}

std::u16string Encoded(const char16_t* start, const char16_t* path, size_t units = kUpdateAddressUnits) {
    std::u16string buffer(units + 1, u'#');  // one unit past the end to see that it stays
    buffer.replace(0, std::u16string(start).size() + 1, std::u16string(start) + u'\0');
    AppendEncodedPath(&buffer[0], units, path);
    EXPECT_EQ(buffer[units], u'#') << "written past the buffer";
    return std::u16string(buffer.c_str());
}

TEST(UpdateCheck, ThePathIsEncodedUnitByUnit) {
    struct Case {
        const char16_t* path;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"Quorrin/Varidel-English", u"Quorrin/Varidel%2DEnglish"},
        {u"Two Words", u"Two+Words"},
        {u"az.AZ/09", u"az.AZ/09"},
        {u"a_b~c+d%e&f", u"a%5Fb%7Ec%2Bd%25e%26f"},
        {u"\u0001\u00E9", u"%01%E9"},
        {u"\u0100\u0FFF\u20AC\uFFFF", u"%100%FFF%20AC%FFFF"},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Encoded(u"p=", c.path), u"p=" + std::u16string(c.expected));
}

TEST(UpdateCheck, WhatDoesNotFitIsLeftOffWhole) {
    struct Case {
        size_t units;
        const char16_t* expected;
    };
    // "ab" then "a-b c": a, %2D, b, +, c.
    const Case cases[] = {
        {3, u"ab"}, {4, u"aba"}, {6, u"aba"}, {7, u"aba%2D"}, {8, u"aba%2Db"}, {10, u"aba%2Db+c"},
    };
    for (const Case& c : cases) EXPECT_EQ(Encoded(u"ab", u"a-b c", c.units), c.expected) << c.units;
}

}  // namespace
