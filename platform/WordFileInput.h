#pragma once

#include <cstddef>
#include <string>

// A word list is never this big; reading a larger file would only freeze the window.
inline constexpr std::size_t kLargestWordFile = std::size_t{256} * 1024 * 1024;

// Reads the whole word file at path as bytes, in one go, without ever blocking on a
// file that is not a regular file. Throws WordFileError.
std::string readWordFileBytes(const std::string& path);

// The text of a word file as UTF-8: a valid UTF-8 file as it is, any other as Latin-1.
// A byte order mark at the start is dropped.
std::string wordFileText(std::string bytes);
