// The update-check address.
#include "dialogs/update_check.h"

#include "resources/publisher.h"

namespace {

const char kUpdatePage[] = VARIDEL_PUBLISHER_ADDRESS "/cgi-bin/upgrade?p=windows/";
const char16_t kProductPath[] = u"Quorrin/Varidel-English";
const char kVersionQuery[] = "&v=" VARIDEL_VERSION_TEXT;

bool KeptAsIs(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') ||
           unit == u'.' || unit == u'/';
}

// The units `unit` is sent as, zero-terminated.
void EncodeUnit(char16_t unit, char16_t out[6]) {
    if (unit == u' ' || KeptAsIs(unit)) {
        out[0] = unit == u' ' ? u'+' : unit;
        out[1] = 0;
        return;
    }
    const char16_t hex[] = u"0123456789ABCDEF";
    const int digits = unit > 0xFFF ? 4 : unit > 0xFF ? 3 : 2;
    out[0] = u'%';
    for (int i = 0; i < digits; ++i) out[1 + i] = hex[(unit >> (4 * (digits - 1 - i))) & 0xF];
    out[1 + digits] = 0;
}

size_t Length(const char16_t* text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}

// Appends `piece` whole when it fits with the terminator; false when not.
bool AppendPiece(char16_t* buffer, size_t units, const char16_t* piece) {
    const size_t at = Length(buffer);
    const size_t length = Length(piece);
    if (at + length + 1 > units) return false;
    for (size_t i = 0; i <= length; ++i) buffer[at + i] = piece[i];
    return true;
}

// ASCII text widened unit by unit, appended as far as it fits.
void AppendAscii(char16_t* buffer, size_t units, const char* text) {
    for (; *text != '\0'; ++text) {
        const char16_t piece[2] = {static_cast<char16_t>(*text), 0};
        if (!AppendPiece(buffer, units, piece)) return;
    }
}

}  // namespace

void AppendEncodedPath(char16_t* buffer, size_t units, const char16_t* path) {
    for (; *path != 0; ++path) {
        char16_t piece[6];
        EncodeUnit(*path, piece);
        if (!AppendPiece(buffer, units, piece)) return;
    }
}

void BuildUpdateAddress(char16_t buffer[kUpdateAddressUnits]) {
    for (size_t i = 0; i < kUpdateAddressUnits; ++i) buffer[i] = 0;
    AppendAscii(buffer, kUpdateAddressUnits, kUpdatePage);
    AppendEncodedPath(buffer, kUpdateAddressUnits, kProductPath);
    AppendAscii(buffer, kUpdateAddressUnits, kVersionQuery);
}
