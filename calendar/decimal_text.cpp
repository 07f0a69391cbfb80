// Decimal numbers as text.
#include "calendar/decimal_text.h"

#include <cstring>

namespace {

constexpr uint32_t kPowersOfTen[10] = {1,      10,      100,      1000,      10000,
                                       100000, 1000000, 10000000, 100000000, 1000000000};

// "00" to "99": two digits for each division by 100.
struct DigitPairs {
    char text[200];
};

constexpr DigitPairs MakeDigitPairs() {
    DigitPairs pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs.text[2 * i] = char('0' + i / 10);
        pairs.text[2 * i + 1] = char('0' + i % 10);
    }
    return pairs;
}

constexpr DigitPairs kDigitPairs = MakeDigitPairs();

}  // namespace

char* WriteDecimal(int32_t value, int minDigits, char* out) {
    // The magnitude as unsigned, so that the most negative value has one.
    uint32_t rest = static_cast<uint32_t>(value);
    if (value < 0) {
        *out++ = '-';
        rest = 0u - rest;
    }
    // Most numbers written are days and months, of one digit or two in no
    // order a branch could predict: the units are written after the tens, or
    // over them when the number has one digit.
    if (rest < 100 && minDigits <= 2) {
        const int twoDigits = rest >= 10 || minDigits == 2;
        out[0] = kDigitPairs.text[2 * rest];
        out[twoDigits] = kDigitPairs.text[2 * rest + 1];
        return out + 1 + twoDigits;
    }
    int count = minDigits > 1 ? minDigits : 1;
    while (count < 10 && rest >= kPowersOfTen[count]) ++count;

    // From the last digit back, two at a time; zeros in front of the number.
    char* at = out + count;
    for (; rest >= 100; rest /= 100) {
        at -= 2;
        std::memcpy(at, kDigitPairs.text + 2 * (rest % 100), 2);
    }
    if (rest >= 10) {
        at -= 2;
        std::memcpy(at, kDigitPairs.text + 2 * rest, 2);
    } else {
        *--at = char('0' + rest);
    }
    while (at != out) *--at = '0';
    return out + count;
}

char* WriteText(const char* text, char* out) {
    while (*text != '\0') *out++ = *text++;
    return out;
}
