#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// A word list is never this big; reading a larger file would only freeze the window.
inline constexpr std::size_t kLargestWordFile = std::size_t{256} * 1024 * 1024;

// Reads the whole word file at path, a UTF-8 path, as the bytes on disk, without ever waiting
// on something that is not a file (a pipe, a device). After each block it calls arrived, if
// given, with the bytes read so far, so that they can be looked at while the newest are
// still in cache. Throws InputError.
std::string readWordFileBytes(const std::string& path,
                              const std::function<void(std::string_view)>& arrived = {});

// The path as a player should see it in a refusal: a relative one with the folder it was looked
// for in. Paths are UTF-8.
std::string shownWordFilePath(const std::string& path);
