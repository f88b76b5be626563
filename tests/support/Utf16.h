#pragma once

#include <string>
#include <string_view>

// The bytes a file saved as UTF-16 holds, with its byte order mark, of code units below 256.
inline std::string utf16(std::string_view latin1, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : latin1) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}
