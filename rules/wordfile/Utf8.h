#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool isValidUtf8(std::string_view bytes);

// Bytes as Windows-1252, the "ANSI" of Windows editors in the West: ISO 8859-1 but for the
// printable characters at 0x80 to 0x9F.
std::string windows1252ToUtf8(std::string_view bytes);

// The number of characters in valid UTF-8: the bytes that begin one.
std::size_t characterCount(std::string_view utf8);

inline bool beginsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

inline constexpr std::size_t kLongestUtf8 = 4;
// Writes the character's UTF-8 sequence, at most kLongestUtf8 bytes, and gives its length.
std::size_t writeUtf8(char32_t code, char* out);
