#pragma once

#include <optional>
#include <string>
#include <string_view>

// A word file's bytes as the UTF-8 text its author meant. After a UTF-16 byte order mark, in
// either byte order, they are UTF-16; otherwise, after any UTF-8 byte order mark, they are
// UTF-8 where they are valid UTF-8 and Windows-1252 where they are not. The old end-of-file mark,
// Ctrl+Z, ends the text. Nothing when the text holds NUL: a text file never does.
std::optional<std::string> wordFileText(std::string bytes);

// Whether ASCII bytes are the text they give: they hold neither NUL nor the end-of-file mark.
bool isOwnText(std::string_view ascii);
