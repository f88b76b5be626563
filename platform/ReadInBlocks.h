#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Gives up to capacity bytes into buffer, and 0 at the end of the file. Throws InputError.
using ReadSome = std::function<std::size_t(char* buffer, std::size_t capacity)>;

// Reads a file to its end in blocks, calling arrived, if given, with all the bytes read so far
// after each block. The size the system claims is a hint: the file may shrink or grow while
// it is read, but never past the largest word file.
std::string readInBlocks(std::size_t claimedSize, const ReadSome& readSome,
                         const std::function<void(std::string_view)>& arrived);
