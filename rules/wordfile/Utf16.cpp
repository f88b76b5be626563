#include "Utf16.h"

#include <algorithm>

#include "Lanes.h"
#include "Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kUnitsInLanes = sizeof(Units) / 2;
constexpr std::size_t kRun = 16 * kUnitsInLanes;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Kept inside this file: a function with clones must be declared with them everywhere.
CLONED_FOR_AVX2 std::string decode(std::string_view bytes, ByteOrder order) {
    const bool big = order == ByteOrder::BigEndian;
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return static_cast<char32_t>(big ? (first << 8) | second : (second << 8) | first);
    };
    // Room for the rest as ASCII is always kept, so most files need no more than this.
    std::string utf8(units + kLongestUtf8, '\0');
    std::size_t written = 0;
    std::size_t i = 0;
    while (i < units) {
        // A run of code units is taken as ASCII, and taken again one by one if it was not.
        if (i + kRun <= units) {
            Units seen{};
            for (std::size_t k = 0; k < kRun; k += kUnitsInLanes) {
                Units lanes;
                load(lanes, bytes.data() + 2 * (i + k));
                if (big) {
                    lanes = (lanes << 8) | (lanes >> 8);
                }
                seen |= lanes;
                const HalfLanes ascii = __builtin_convertvector(lanes, HalfLanes);
                std::memcpy(utf8.data() + written + k, &ascii, sizeof ascii);
            }
            if (!anyLane(Units(seen & 0xFF80))) {
                written += kRun;
                i += kRun;
                continue;
            }
        }
        for (const std::size_t runEnd = std::min(i + kRun, units); i < runEnd;) {
            char32_t code = unitAt(i++);
            if (isHighSurrogate(code) && i < units && isLowSurrogate(unitAt(i))) {
                code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(i++) - 0xDC00);
            } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
                code = kReplacement;
            }
            const std::size_t needed = written + kLongestUtf8 + (units - i);
            if (needed > utf8.size()) {
                utf8.resize(std::max(needed, 2 * utf8.size()));
            }
            written += writeUtf8(code, utf8.data() + written);
        }
    }
    if (bytes.size() % 2 != 0) {
        utf8.resize(std::max(utf8.size(), written + kLongestUtf8));
        written += writeUtf8(kReplacement, utf8.data() + written);
    }
    utf8.resize(written);
    return utf8;
}

}  // namespace

std::string utf16ToUtf8(std::string_view bytes, ByteOrder order) {
    return decode(bytes, order);
}
