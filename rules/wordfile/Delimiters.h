#pragma once

#include <string_view>

// What ends a field of a word file: a comma or a line end (CR LF, LF or a lone CR).
inline constexpr std::string_view kDelimiters = ",\r\n";
// What is dropped around a field that is not quoted.
inline constexpr std::string_view kBlanks = " \t";

constexpr bool isDelimiter(char c) {
    // A loop the compiler unrolls into three comparisons; find() would not be.
    for (const char delimiter : kDelimiters) {
        if (c == delimiter) {
            return true;
        }
    }
    return false;
}
