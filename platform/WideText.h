#pragma once

#include <string>
#include <string_view>

// The game's texts are UTF-8; Windows takes and gives UTF-16.
std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);
