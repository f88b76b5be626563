#pragma once

#include <string_view>

// What ends a field of a word file: a comma or a line end (CR LF, LF or a lone CR).
inline constexpr std::string_view kDelimiters = ",\r\n";
// What is dropped around a field that is not quoted.
inline constexpr std::string_view kBlanks = " \t";

constexpr bool isDelimiter(char c) {
    return kDelimiters.find(c) != std::string_view::npos;
}
