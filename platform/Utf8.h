#pragma once

#include <string>
#include <string_view>

bool isValidUtf8(std::string_view bytes);

// Every byte is the character of the same code, as in ISO 8859-1.
std::string latin1ToUtf8(std::string_view bytes);

// One character a code point; the input must be valid UTF-8.
std::u32string decodeUtf8(std::string_view utf8);

std::string encodeUtf8(std::u32string_view characters);
