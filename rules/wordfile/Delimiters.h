#pragma once

#include <algorithm>
#include <string_view>

// What ends a field of a word file: a comma or a line end (CR LF, LF or a lone CR).
inline constexpr std::string_view kDelimiters = ",\r\n";
// What is dropped around a field that is not quoted.
inline constexpr std::string_view kBlanks = " \t";

// Three comparisons once the compiler has unrolled it, where find() would call memchr.
constexpr bool isDelimiter(char c) {
    return std::any_of(kDelimiters.begin(), kDelimiters.end(),
                       [c](char delimiter) { return c == delimiter; });
}
