#pragma once

#include <string>
#include <string_view>

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 bytes, without their byte order mark, as UTF-8. A surrogate with no partner and an
// odd last byte each become U+FFFD, the replacement character.
std::string utf16ToUtf8(std::string_view bytes, ByteOrder order);
